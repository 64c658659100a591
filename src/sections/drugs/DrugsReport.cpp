// The drug and alcohol part of the client report: 25 placeholders, filled in the
// order the template holds them. Counts are printed as typed; a question not
// answered leaves its placeholder's marker.
#include "interview/Interview.h"
#include "interview/ReportWriter.h"
#include "report/Phrases.h"
#include "sections/CommonAnswers.h"
#include "sections/drugs/DrugsLists.h"
#include "sections/drugs/DrugsSection.h"

namespace yrn {

namespace {

QString days(const QString& x) {
    return countAnswer(x, QStringLiteral("one day"), QStringLiteral("days"));
}

// Days of a question a "No" before it closes and empties (question 11 after no
// treatment, the meeting days after no meeting): that "No" says there were none.
QString daysOrNone(const QString& x, bool closedByNo) {
    return !typedAnswer(x) && closedByNo ? QStringLiteral("0 days") : days(x);
}

// The two treatment sentences of question 7 (alcohol) or 9 (drugs); the boxes are
// named by their stems ("txtAlcAbuse", "txtDetox", "txtOutpatient").
struct Treatment {
    QString option;
    QString kind;  // "alcohol abuse", "drug abuse"
    QString abuse;
    QString detox;
    QString outpatient;
};

}  // namespace

void DrugsSection::ClientReport(ReportWriter& report) {
    guard(info().module + QStringLiteral(".ClientReport"), [&] { writeReport(report); });
}

QString DrugsSection::drugChart() const {
    QString chart;
    for (int i = 0; i < drugs::kSubstances; ++i) {
        const QStringList row = rowFields(i);
        if (!chosen(row.at(0), 1)) continue;
        chart += DrugTableLine(drugs::substances().at(i).reportName, text(row.at(1)),
                               text(row.at(2)), text(row.at(3)));
    }
    return chart;
}

QString DrugsSection::drugComments() const {
    QString blocks;
    for (int i = 0; i < drugs::kSubstances; ++i) {
        const QStringList row = rowFields(i);
        if (!chosen(row.at(0), 1)) continue;
        blocks +=
            drugs::substances().at(i).heading + kCrLf + '\t' + CapitalizeFirst(text(row.at(4)));
        if (i != drugs::kMultiSubstance) blocks += kCrLf + kCrLf;
    }
    return blocks;
}

void DrugsSection::writeReport(ReportWriter& report) const {
    const auto t = [this](const char* id) { return text(QString::fromLatin1(id)); };
    const auto lower = [this](const char* id) {
        return listText(QString::fromLatin1(id)).toLower();
    };
    const Pronouns& pronouns = interview().pronouns();
    const QString firstName = interview().identity().FirstName();

    reportAnswered(report, QStringLiteral("MajorProblem"), lower("cboMajorSubstance"));
    // With the box clear and neither count typed, the abstinence is not answered.
    const QString months = QStringLiteral("months");
    const QString oneMonth = QStringLiteral("one month");
    const QString longest = t("txtMonthsAbstinence");
    const QString ended = t("txtEndAbstinence");
    if (checkState(QStringLiteral("chkAbstinence")) != CheckState::Clear)
        report.RP(QStringLiteral("AbstinenceSentence"),
                  pronouns.HeSheC() + " has had no periods of abstinence from this substance");
    else if (typedAnswer(longest) || typedAnswer(ended))
        report.RP(QStringLiteral("AbstinenceSentence"),
                  pronouns.HisHerC() + " longest period of abstinence was for " +
                      countPhrase(longest, oneMonth, months) + " which occured " +
                      countPhrase(ended, oneMonth, months) + " ago");
    reportAnswered(
        report, QStringLiteral("NumberDTs"),
        countAnswer(t("txtNumDTs"), QStringLiteral("one D.T."), QStringLiteral("D.T.s")));
    reportAnswered(
        report, QStringLiteral("NumberOD"),
        countAnswer(t("txtNumODs"), QStringLiteral("one O.D."), QStringLiteral("O.D.s")));

    const QList<Treatment> treatments{
        {QStringLiteral("optAlcTreat"), QStringLiteral("alcohol abuse"),
         QStringLiteral("txtAlcAbuse"), QStringLiteral("txtDetox"),
         QStringLiteral("txtOutpatient")},
        {QStringLiteral("optDrugTreat"), QStringLiteral("drug abuse"),
         QStringLiteral("txtDrugAbuse"), QStringLiteral("txtDrugDetox"),
         QStringLiteral("txtDrugOutpatient")},
    };
    const QStringList sentenceFields{QStringLiteral("AlcoholAbuseSentence"),
                                     QStringLiteral("DrugAbuseSentence")};
    for (qsizetype k = 0; k < treatments.size(); ++k) {
        const Treatment& tr = treatments.at(k);
        const QString first = sentenceFields.at(k) + '1';
        const QString second = sentenceFields.at(k) + '2';
        const QString oneTime = QStringLiteral("one time");
        const QString times = QStringLiteral("times");
        if (chosen(tr.option, 0)) {
            report.RP(first, firstName + " has never been treated for " + tr.kind + " in " +
                                 pronouns.hisher() + " lifetime.");
            report.RP(second, QString());
        } else if (chosen(tr.option, 1)) {
            report.RP(first, firstName + " has been treated for " + tr.kind + ' ' +
                                 countPhrase(text(tr.abuse + 'L'), oneTime, times) + " in " +
                                 pronouns.hisher() + " life, " + text(tr.detox + 'L') +
                                 " of those treatment times was detox and " +
                                 text(tr.outpatient + 'L') +
                                 " were outpatient treatment experiences.");
            report.RP(second, "  " + pronouns.HeSheC() + " has been treated for " + tr.kind + ' ' +
                                  countPhrase(text(tr.abuse + "PY"), oneTime, times) +
                                  " in the past year, " + text(tr.detox + "PY") +
                                  " of those treatment times was detox and " +
                                  text(tr.outpatient + "PY") + " of those treatment times were" +
                                  " outpatient treatment experiences.");
        }
    }

    const bool neverTreated =
        chosen(QStringLiteral("optAlcTreat"), 0) && chosen(QStringLiteral("optDrugTreat"), 0);
    reportAnswered(report, QStringLiteral("NumOutpatient30"),
                   daysOrNone(t("txtOutpatientSettingPast30"), neverTreated));
    if (chosen(QStringLiteral("optAAL"), 0))
        report.RP(QStringLiteral("hashasnotAAL"), QStringLiteral("has not"));
    else if (chosen(QStringLiteral("optAAL"), 1))
        report.RP(QStringLiteral("hashasnotAAL"), QStringLiteral("has"));
    // Never at a meeting is none in the past year either.
    reportAnswered(report, QStringLiteral("hashasnotAAY"),
                   chosen(QStringLiteral("optAAL"), 0)
                       ? QStringLiteral("has not")
                       : noYesWords(choice(QStringLiteral("optAAPY")), QStringLiteral("has not"),
                                    QStringLiteral("has")));
    reportAnswered(report, QStringLiteral("AADays"),
                   daysOrNone(t("txtAANAMeetings30"), chosen(QStringLiteral("optAAL"), 0) ||
                                                          chosen(QStringLiteral("optAAPY"), 0)));

    reportAnswered(report, QStringLiteral("$Alcohol"), t("txtDollarsAlc30"));
    reportAnswered(report, QStringLiteral("AlcProblemsDays"), days(t("txtAlcProblemsDays")));
    reportAnswered(report, QStringLiteral("AlcTroubled"), lower("cboAlcTroubled"));
    reportAnswered(report, QStringLiteral("AlcNecessary"), lower("cboAlcImportance"));
    reportAnswered(report, QStringLiteral("$Drugs"), t("txtDollarsDrugs30"));
    reportAnswered(report, QStringLiteral("DrugProblemsDays"), days(t("txtDrugProblemsDays")));
    reportAnswered(report, QStringLiteral("DrugsTroubled"), lower("cboDrugTroubled"));
    reportAnswered(report, QStringLiteral("DrugsNecessary"), lower("cboDrugImportance"));

    // The chart says which substances were used once a row is answered; with none
    // its marker stays. The comments are optional and follow the chart's rows.
    bool rowAnswered = false;
    for (int i = 0; i < drugs::kSubstances; ++i)
        rowAnswered = rowAnswered || choice(rowFields(i).at(0)) >= 0;
    if (rowAnswered) report.RP(QStringLiteral("DrugChart"), drugChart());
    report.RP(QStringLiteral("DrugComments"), drugComments());
    report.RP(QStringLiteral("DAComments"), CapitalizeFirst(t("txtDrugInformation")));

    reportRating(report, QStringLiteral("IRAlcohol"),
                 listText(QStringLiteral("cboNeedAlcTreatment")));
    reportRating(report, QStringLiteral("IRDrugs"),
                 listText(QStringLiteral("cboNeedDrugTreatment")));
}

}  // namespace yrn
