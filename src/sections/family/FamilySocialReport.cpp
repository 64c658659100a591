// The family and social part of the client report.
#include "interview/Interview.h"
#include "interview/ReportWriter.h"
#include "report/Phrases.h"
#include "sections/CommonAnswers.h"
#include "sections/family/FamilySocialSection.h"

namespace yrn {

namespace {

// The caption of the chosen button of an option group; "" when none is chosen.
QString chosenCaption(const Field& group) {
    return group.choice >= 0 && group.choice < group.captions.size()
               ? group.captions.at(group.choice)
               : QString();
}

}  // namespace

void FamilySocialSection::ClientReport(ReportWriter& report) {
    guard(info().module + ".ClientReport", [&] { writeReport(report); });
}

// One row of the fixed-width chart per relative: the label as the screen shows it,
// then the alcohol, drug and psychiatric answers.
QString FamilySocialSection::familyRows(int from, int to) const {
    QString rows;
    for (int r = from; r <= to; ++r)
        rows += FamilyTableLine(label(relativeLabel(r)), chosenCaption(field(cell(0, r))),
                                chosenCaption(field(cell(1, r))), chosenCaption(field(cell(2, r))));
    return rows;
}

// Question 16. The "Sexually?" row asks about sexual abuse, and is reported as such.
QString FamilySocialSection::abuseList() const {
    const QString kinds[] = {QStringLiteral("emotional abuse; "),
                             QStringLiteral("physical abuse; "), QStringLiteral("sexual abuse; "),
                             QStringLiteral("sexual harassment; ")};
    QString list;
    for (int row = 0; row < 4; ++row)
        if (chosen(arr(QStringLiteral("optAbuse"), row), 1)) list += kinds[row];
    if (list.isEmpty()) return QStringLiteral("no problems");
    return list.left(list.size() - 2);
}

void FamilySocialSection::writeReport(ReportWriter& report) const {
    const auto t = [this](const char* id) { return text(QString::fromLatin1(id)); };
    const auto lower = [this](const char* id) {
        return listText(QString::fromLatin1(id)).toLower();
    };
    const auto years = [](const QString& typed) {
        return countPhrase(typed, QStringLiteral("one year"), QStringLiteral("years"), true);
    };
    const auto months = [](const QString& typed) {
        return countPhrase(typed, QStringLiteral("one month"), QStringLiteral("months"), true);
    };
    const auto times = [](const QString& typed) {
        return countPhrase(typed, QStringLiteral("one time"), QStringLiteral("times"), true);
    };
    const auto days = [](const QString& typed) {
        return countPhrase(typed, QStringLiteral("one day"), QStringLiteral("days"));
    };

    report.RP(QStringLiteral("MothersSide"), familyRows(0, 4));
    report.RP(QStringLiteral("FathersSide"), familyRows(5, 9));
    report.RP(QStringLiteral("Siblings"), familyRows(10, 13));
    report.RP(QStringLiteral("CurrMaritalStatus"), lower("cboMaritalStatus"));
    report.RP(QStringLiteral("MaritalStatusYears"), years(t("txtMSYears")));
    report.RP(QStringLiteral("MaritalStatusMonths"), months(t("txtMSMonths")));
    reportAnswered(report, QStringLiteral("IsIsNotMS"),
                   noYesWords(choice(QStringLiteral("optMSSatisfied")), QStringLiteral("is not"),
                              QStringLiteral("is")));
    report.RP(QStringLiteral("TimesMarried"), times(t("txtTimesMarried")));
    report.RP(QStringLiteral("TimesDivorced"), times(t("txtTimesDivorced")));
    report.RP(QStringLiteral("SexualPartners"),
              countPhrase(t("txtLiveInSexPartnersNum"), QStringLiteral("one sexual partner"),
                          QStringLiteral("sexual partners"), true));
    report.RP(QStringLiteral("LivingArrangement"), lower("cboUsualLivingArrangments"));
    report.RP(QStringLiteral("LivingTimeY"), years(t("txtUsualLivingArrangmentsY")));
    report.RP(QStringLiteral("LivingTimeM"), months(t("txtUsualLivingArrangmentsM")));

    // Unanswered questions 10, 11 and 12 leave their markers, as every question the
    // narrative cannot word does.
    const int happiness = choice(QStringLiteral("optLASatisified"));
    const QString happinessWords[] = {QStringLiteral("unsatisfied"), QStringLiteral("satisfied"),
                                      QStringLiteral("indifferent")};
    if (happiness >= 0 && happiness < 3)
        report.RP(QStringLiteral("LivingHappiness"), happinessWords[happiness]);
    if (chosen(QStringLiteral("optLivDA"), 0))
        report.RP(QStringLiteral("DoesDoesNotLDA"), QStringLiteral("does not"));
    else if (chosen(QStringLiteral("optLivDA"), 1))
        report.RP(QStringLiteral("DoesDoesNotLDA"), QStringLiteral("does"));
    if (chosen(QStringLiteral("optHomeless"), 0)) {
        report.RP(QStringLiteral("WasWasNotHomeless"), QStringLiteral("was not"));
        report.RP(QStringLiteral("WhereHomeless"), QString());
    } else if (chosen(QStringLiteral("optHomeless"), 1)) {
        report.RP(QStringLiteral("WasWasNotHomeless"), QStringLiteral("was"));
        report.RP(QStringLiteral("WhereHomeless"), " and that " + interview().pronouns().heshe() +
                                                       " stayed in " + lower("cboHomelessLiving") +
                                                       " during the homeless period");
    }

    report.RP(QStringLiteral("CloseFriends"),
              countPhrase(t("txtCloseFriends"), QStringLiteral("one close friend"),
                          QStringLiteral("close friends")));
    report.RP(QStringLiteral("BotheredBy"), abuseList());
    report.RP(QStringLiteral("NumDaysFC"), days(t("txtConflictsFamily")));
    report.RP(QStringLiteral("OtherConflictsDays"), days(t("txtConflictsOthers")));
    report.RP(QStringLiteral("FTroubled"), lower("cboFamilyProblems30"));
    report.RP(QStringLiteral("STroubled"), lower("cboSocialProblems30"));
    report.RP(QStringLiteral("FNecessary"), lower("cboTreatmentFamily"));
    report.RP(QStringLiteral("SNecessary"), lower("cboTreatmentSocial"));
    report.RP(QStringLiteral("FSComments"), CapitalizeFirst(t("txtFamilySocialComments")));
    reportRating(report, QStringLiteral("IRFamilySocial"),
                 listText(QStringLiteral("cboNeedFamilyTreatment")));
}

}  // namespace yrn
