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
// "no problems" needs a row answered; with none, "" (the marker stays).
QString FamilySocialSection::abuseList() const {
    const QString kinds[] = {QStringLiteral("emotional abuse; "),
                             QStringLiteral("physical abuse; "), QStringLiteral("sexual abuse; "),
                             QStringLiteral("sexual harassment; ")};
    QString list;
    bool answered = false;
    for (int row = 0; row < 4; ++row) {
        answered = answered || choice(arr(QStringLiteral("optAbuse"), row)) >= 0;
        if (chosen(arr(QStringLiteral("optAbuse"), row), 1)) list += kinds[row];
    }
    if (list.isEmpty()) return answered ? QStringLiteral("no problems") : QString();
    return list.left(list.size() - 2);
}

void FamilySocialSection::writeReport(ReportWriter& report) const {
    const auto t = [this](const char* id) { return text(QString::fromLatin1(id)); };
    const auto lower = [this](const char* id) {
        return listText(QString::fromLatin1(id)).toLower();
    };
    // A count or list not answered leaves its marker; a typed 0 reads "0 years".
    const auto count = [&](const QString& field, const char* id, const char* one,
                           const char* many) {
        reportAnswered(report, field,
                       countAnswer(t(id), QString::fromLatin1(one), QString::fromLatin1(many)));
    };
    const auto chosenLower = [&](const QString& field, const char* id) {
        reportAnswered(report, field, lower(id));
    };

    report.RP(QStringLiteral("MothersSide"), familyRows(0, 4));
    report.RP(QStringLiteral("FathersSide"), familyRows(5, 9));
    report.RP(QStringLiteral("Siblings"), familyRows(10, 13));
    chosenLower(QStringLiteral("CurrMaritalStatus"), "cboMaritalStatus");
    count(QStringLiteral("MaritalStatusYears"), "txtMSYears", "one year", "years");
    count(QStringLiteral("MaritalStatusMonths"), "txtMSMonths", "one month", "months");
    reportAnswered(report, QStringLiteral("IsIsNotMS"),
                   noYesWords(choice(QStringLiteral("optMSSatisfied")), QStringLiteral("is not"),
                              QStringLiteral("is")));
    count(QStringLiteral("TimesMarried"), "txtTimesMarried", "one time", "times");
    count(QStringLiteral("TimesDivorced"), "txtTimesDivorced", "one time", "times");
    count(QStringLiteral("SexualPartners"), "txtLiveInSexPartnersNum", "one sexual partner",
          "sexual partners");
    chosenLower(QStringLiteral("LivingArrangement"), "cboUsualLivingArrangments");
    count(QStringLiteral("LivingTimeY"), "txtUsualLivingArrangmentsY", "one year", "years");
    count(QStringLiteral("LivingTimeM"), "txtUsualLivingArrangmentsM", "one month", "months");

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

    count(QStringLiteral("CloseFriends"), "txtCloseFriends", "one close friend", "close friends");
    reportAnswered(report, QStringLiteral("BotheredBy"), abuseList());
    count(QStringLiteral("NumDaysFC"), "txtConflictsFamily", "one day", "days");
    count(QStringLiteral("OtherConflictsDays"), "txtConflictsOthers", "one day", "days");
    chosenLower(QStringLiteral("FTroubled"), "cboFamilyProblems30");
    chosenLower(QStringLiteral("STroubled"), "cboSocialProblems30");
    chosenLower(QStringLiteral("FNecessary"), "cboTreatmentFamily");
    chosenLower(QStringLiteral("SNecessary"), "cboTreatmentSocial");
    report.RP(QStringLiteral("FSComments"), CapitalizeFirst(t("txtFamilySocialComments")));
    reportRating(report, QStringLiteral("IRFamilySocial"),
                 listText(QStringLiteral("cboNeedFamilyTreatment")));
}

}  // namespace yrn
