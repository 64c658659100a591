// The drug and alcohol part of the client report: 25 placeholders, filled in the
// order the template holds them. Counts are printed as typed.
#include "interview/Interview.h"
#include "interview/ReportWriter.h"
#include "report/Phrases.h"
#include "sections/CommonAnswers.h"
#include "sections/drugs/DrugsLists.h"
#include "sections/drugs/DrugsSection.h"

namespace yrn {

namespace {

// Question 11 and the meeting days: an empty box reads "0 days".
QString daysOrNone(const QString& x) {
    return countPhrase(x, QStringLiteral("one day"), QStringLiteral("days"), true);
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

    report.RP(QStringLiteral("MajorProblem"), lower("cboMajorSubstance"));
    const QString months = QStringLiteral("months");
    const QString oneMonth = QStringLiteral("one month");
    report.RP(QStringLiteral("AbstinenceSentence"),
              checkState(QStringLiteral("chkAbstinence")) != CheckState::Clear
                  ? pronouns.HeSheC() + " has had no periods of abstinence from this substance"
                  : pronouns.HisHerC() + " longest period of abstinence was for " +
                        countPhrase(t("txtMonthsAbstinence"), oneMonth, months) +
                        " which occured " + countPhrase(t("txtEndAbstinence"), oneMonth, months) +
                        " ago");
    report.RP(QStringLiteral("NumberDTs"),
              countPhrase(t("txtNumDTs"), QStringLiteral("one D.T."), QStringLiteral("D.T.s")));
    report.RP(QStringLiteral("NumberOD"),
              countPhrase(t("txtNumODs"), QStringLiteral("one O.D."), QStringLiteral("O.D.s")));

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

    report.RP(QStringLiteral("NumOutpatient30"), daysOrNone(t("txtOutpatientSettingPast30")));
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
    report.RP(QStringLiteral("AADays"), daysOrNone(t("txtAANAMeetings30")));

    const QString oneDay = QStringLiteral("one day");
    const QString days = QStringLiteral("days");
    report.RP(QStringLiteral("$Alcohol"), t("txtDollarsAlc30"));
    report.RP(QStringLiteral("AlcProblemsDays"),
              countPhrase(t("txtAlcProblemsDays"), oneDay, days));
    report.RP(QStringLiteral("AlcTroubled"), lower("cboAlcTroubled"));
    report.RP(QStringLiteral("AlcNecessary"), lower("cboAlcImportance"));
    report.RP(QStringLiteral("$Drugs"), t("txtDollarsDrugs30"));
    report.RP(QStringLiteral("DrugProblemsDays"),
              countPhrase(t("txtDrugProblemsDays"), oneDay, days));
    report.RP(QStringLiteral("DrugsTroubled"), lower("cboDrugTroubled"));
    report.RP(QStringLiteral("DrugsNecessary"), lower("cboDrugImportance"));

    report.RP(QStringLiteral("DrugChart"), drugChart());
    report.RP(QStringLiteral("DrugComments"), drugComments());
    report.RP(QStringLiteral("DAComments"), CapitalizeFirst(t("txtDrugInformation")));

    reportRating(report, QStringLiteral("IRAlcohol"),
                 listText(QStringLiteral("cboNeedAlcTreatment")));
    reportRating(report, QStringLiteral("IRDrugs"),
                 listText(QStringLiteral("cboNeedDrugTreatment")));
}

}  // namespace yrn
