#include "sections/employment/EmploymentLists.h"

namespace yrn::employment {

QStringList jobItems() {
    return {QStringLiteral("Full Time"),   QStringLiteral("Part -Time"),
            QStringLiteral("Disabled"),    QStringLiteral("Homemaker"),
            QStringLiteral("Not looking"), QStringLiteral("Not working")};
}

QStringList jobTypeItems() {
    return {QStringLiteral("Professional and technical"),
            QStringLiteral("Manager and administrator"),
            QStringLiteral("Sales"),
            QStringLiteral("Clerical or office worker"),
            QStringLiteral("Craft and kindred"),
            QStringLiteral("operative"),
            QStringLiteral("Transportation equipment operative"),
            QStringLiteral("Non-farm laborer"),
            QStringLiteral("Private household worker"),
            QStringLiteral("service worker"),
            QStringLiteral("Farmer or farm manager"),
            QStringLiteral("Farm laborer"),
            QStringLiteral("Military service"),
            QStringLiteral("Other"),
            QStringLiteral("Never had a job")};
}

QStringList reasonLeftItems() {
    return {QStringLiteral("Not enough money"),
            QStringLiteral("Laid off"),
            QStringLiteral("Injury"),
            QStringLiteral("Illness (self)"),
            QStringLiteral("Illness(family member)"),
            QStringLiteral("Lack of childcare"),
            QStringLiteral("Pregnant (had baby)"),
            QStringLiteral("Went back to school"),
            QStringLiteral("Problem with boss"),
            QStringLiteral("Problems w / co - workers"),
            QStringLiteral("No health benefits"),
            QStringLiteral("Transportation"),
            QStringLiteral("Offered better job"),
            QStringLiteral("Didn't like job"),
            QStringLiteral("Incarceration"),
            QStringLiteral("Other")};
}

QStringList contributorItems() {
    return {QStringLiteral("Spouse/partner"), QStringLiteral("Parent/foster parent"),
            QStringLiteral("Brother/sister"), QStringLiteral("Grandparent"),
            QStringLiteral("Other Relative"), QStringLiteral("Unrelated other")};
}

QStringList employmentPatternItems() {
    return {QStringLiteral("Full-time (35 hrs/week)"),
            QStringLiteral("Part -Time"),
            QStringLiteral("Student"),
            QStringLiteral("Service/Military"),
            QStringLiteral("Retired/Disability"),
            QStringLiteral("Unemployed"),
            QStringLiteral("In controlled environment")};
}

QStringList amountOwedItems() {
    return {QStringLiteral("Less than $500"),  QStringLiteral("$501-$2,000"),
            QStringLiteral("$2,001-$5,000"),   QStringLiteral("$5,001-$10,000"),
            QStringLiteral("$10,001-$15,000"), QStringLiteral("$15,001-$20,000"),
            QStringLiteral("$20,001-$25,000"), QStringLiteral("$25,001-$30,000"),
            QStringLiteral("$30,001 or above")};
}

QStringList moneySourceLabels() {
    return {QStringLiteral("Employment (net income)"),
            QStringLiteral("Unemployment compensation"),
            QStringLiteral("Welfare (DPA) (AFDC)"),
            QStringLiteral("WIC"),
            QStringLiteral("Food stamps"),
            QStringLiteral("Pension, benefits, or social security"),
            QStringLiteral("Mate, family, friends, child support"),
            QStringLiteral("Illegal activities")};
}

QStringList debtNames() {
    return {QStringLiteral("Child support"), QStringLiteral("Court fees"),
            QStringLiteral("Restitution"), QStringLiteral("Legal fees"),
            QStringLiteral("Other debts")};
}

}  // namespace yrn::employment
