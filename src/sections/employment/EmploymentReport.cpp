// The education and employment part of the client report: 22 placeholders, in
// template order.
#include "interview/Interview.h"
#include "interview/ReportWriter.h"
#include "report/Phrases.h"
#include "sections/CommonAnswers.h"
#include "sections/employment/EmploymentLists.h"
#include "sections/employment/EmploymentSection.h"

namespace yrn {

namespace {

// Inside the job sentences: "one year" for "1" or "01"; otherwise the count as
// typed and the plural (an empty box too).
QString years(const QString& x) {
    return countPhrase(x, QStringLiteral("one year"), QStringLiteral("years"));
}

QString months(const QString& x) {
    return countPhrase(x, QStringLiteral("one month"), QStringLiteral("months"));
}

}  // namespace

QString EmploymentSection::professionalSkill() const {
    if (chosen(QStringLiteral("optProfession"), 0))
        return QStringLiteral("has no professional skills");
    if (chosen(QStringLiteral("optProfession"), 1))
        return "has professional skills of:  " + text(QStringLiteral("txtProfession"));
    return {};
}

// The two sentences on the job: never employed, the last job, or the current one;
// neither when question 6 is unanswered, as it says which job they speak of.
std::pair<QString, QString> EmploymentSection::jobSentences() const {
    const QString jobType = listText(QStringLiteral("cboJobtype")).toLower();
    const QString started =
        text(QStringLiteral("txtStartJobM")) + '/' + text(QStringLiteral("txtStartJobY"));
    const Pronouns& pronouns = interview().pronouns();
    if (position(QStringLiteral("cboJobtype")) == kNeverHadAJob)
        return {interview().identity().FirstName() + " has never been employed in " +
                    pronouns.hisher() + " lifetime.",
                QString()};
    if (chosen(QStringLiteral("optCurrEmp"), 0))
        return {"The last job " + pronouns.heshe() + " had was for " +
                    years(text(QStringLiteral("txtLastJobY"))) + " and " +
                    months(text(QStringLiteral("txtLastJobM"))) + " and it was a " + jobType +
                    " job.  ",
                pronouns.HeSheC() + " started that job in " + started + " and ended this job in " +
                    text(QStringLiteral("txtLeaveJobM")) + '/' +
                    text(QStringLiteral("txtLeaveJobY")) +
                    " because: " + listText(QStringLiteral("cboReasonLeft")) + '.'};
    if (!chosen(QStringLiteral("optCurrEmp"), 1)) return {};
    return {"This job has lasted for " + years(text(QStringLiteral("txtCurrJobY"))) + " and " +
                months(text(QStringLiteral("txtCurrJobM"))) + " and is a " + jobType + " job.  ",
            pronouns.HeSheC() + " started this job in " + started + " and is still working there."};
}

// Every source with an amount, as typed; an amount of 0 however it is typed ("0",
// "00") is no income. No income at all needs a source answered; with none, ""
// (the marker stays).
QString EmploymentSection::moneySources() const {
    const QStringList labels = employment::moneySourceLabels();
    QString lines;
    bool answered = false;
    for (int i = 0; i < kMoneySources; ++i) {
        const QString amount = text(arr(QStringLiteral("txtMoneySources"), i));
        answered = answered || typedAnswer(amount);
        if (zeroOrEmpty(amount)) continue;
        lines += MoneyLine(labels.at(i), amount);
    }
    if (!lines.isEmpty() || !answered) return lines;
    return QStringLiteral("*No extra income received*");
}

// Every debt answered "Yes" with its amount. No debts needs a debt answered; with
// none, "" (the marker stays).
QString EmploymentSection::amountOwed() const {
    const QStringList names = employment::debtNames();
    QString lines;
    bool answered = false;
    for (int i = 0; i < kDebts; ++i) {
        const QString owed = arr(QStringLiteral("optMoneyOwed"), i);
        answered = answered || choice(owed) >= 0;
        if (chosen(owed, 1))
            lines += ComboLine(names.at(i), listText(arr(QStringLiteral("cboAmountOwed"), i)));
    }
    if (!lines.isEmpty() || !answered) return lines;
    return QStringLiteral("*Client currently has no debts*");
}

void EmploymentSection::ClientReport(ReportWriter& report) {
    guard(QStringLiteral("ctlEmployment.ClientReport"), [&] {
        const QString firstName = interview().identity().FirstName();
        const QString hisher = interview().pronouns().hisher();

        // No license: no number applies. A number typed stands whatever question 4 says.
        const QString license = text(QStringLiteral("txtDriversLicenseNumber"));
        reportAnswered(report, QStringLiteral("DLN"),
                       typedAnswer(license) || !chosen(QStringLiteral("optDrLic"), 0)
                           ? license
                           : QStringLiteral("N/A"));
        reportAnswered(report, QStringLiteral("SchoolYears"),
                       countAnswer(text(QStringLiteral("txtEducation")), QStringLiteral("one year"),
                                   QStringLiteral("years")));
        reportAnswered(report, QStringLiteral("TechEdMonths"),
                       countAnswer(text(QStringLiteral("txtTraining")), QStringLiteral("one month"),
                                   QStringLiteral("months")));
        const QString skill = professionalSkill();
        if (!skill.isEmpty()) report.RP(QStringLiteral("ProfessionalSkill"), skill);

        if (chosen(QStringLiteral("optDrLic"), 0)) {
            report.RP(QStringLiteral("DoesDoesNotDL"), QStringLiteral("does not have"));
            report.RP(QStringLiteral("DriversLicenseReason"),
                      " due to the following reasons:  " +
                          text(QStringLiteral("txtNoDriversLicenseReason")));
        } else if (chosen(QStringLiteral("optDrLic"), 1)) {
            report.RP(QStringLiteral("DoesDoesNotDL"), QStringLiteral("has"));
            report.RP(QStringLiteral("DriversLicenseReason"), QString());
        }
        if (chosen(QStringLiteral("optAuto"), 0))
            report.RP(QStringLiteral("DoesDoesNotAuto"), QStringLiteral("does not"));
        else if (chosen(QStringLiteral("optAuto"), 1))
            report.RP(QStringLiteral("DoesDoesNotAuto"), QStringLiteral("does"));
        reportAnswered(report, QStringLiteral("IsIsNotCE"),
                       noYesWords(choice(QStringLiteral("optCurrEmp")), QStringLiteral("is not"),
                                  QStringLiteral("is")));
        // Both sentences, or with question 6 unanswered (and a job) neither.
        const auto [job1, job2] = jobSentences();
        reportAnswered(report, QStringLiteral("JobSentence1"), job1);
        if (!job1.isEmpty()) report.RP(QStringLiteral("JobSentence2"), job2);

        // None of the three forms ends with a full stop: the template has it.
        const auto supports = [&](const QString& majority) {
            return listText(QStringLiteral("cboGreatestContributor")) + " contributes to " +
                   firstName + "'s support which " + majority + hisher + " support";
        };
        if (chosen(QStringLiteral("optContributor"), 0))
            report.RP(QStringLiteral("ContributorSentence"),
                      "There is no one currently contributing to " + firstName + "'s support");
        else if (chosen(QStringLiteral("optMajSupp"), 0))
            report.RP(QStringLiteral("ContributorSentence"),
                      supports(QStringLiteral(" does not constitute the majority of ")));
        else if (chosen(QStringLiteral("optMajSupp"), 1))
            report.RP(QStringLiteral("ContributorSentence"),
                      supports(QStringLiteral(" constitutes the majority of ")));

        reportAnswered(report, QStringLiteral("EmploymentPattern"),
                       listText(QStringLiteral("cboEmploymentPattern")));
        reportAnswered(report, QStringLiteral("NetIncome"),
                       text(arr(QStringLiteral("txtMoneySources"), 0)));
        reportAnswered(report, QStringLiteral("MoneySources"), moneySources());
        reportAnswered(report, QStringLiteral("DaysWorked"),
                       countAnswer(text(QStringLiteral("txtDaysWorked")), QStringLiteral("one day"),
                                   QStringLiteral("days")));
        reportAnswered(report, QStringLiteral("Dependents"),
                       countAnswer(text(QStringLiteral("txtDependants")),
                                   QStringLiteral("one dependant"), QStringLiteral("dependants")));
        reportAnswered(report, QStringLiteral("AmountOwed"), amountOwed());
        reportAnswered(report, QStringLiteral("EmploymentProblems"),
                       countAnswer(text(QStringLiteral("txtEmploymentProblems")),
                                   QStringLiteral("one time"), QStringLiteral("times")));
        reportAnswered(report, QStringLiteral("EResponse"),
                       listText(QStringLiteral("cboEmploymentTroubleE")).toLower());
        reportAnswered(report, QStringLiteral("EIResponse"),
                       listText(QStringLiteral("cboImportantE")).toLower());
        report.RP(QStringLiteral("EmploymentComments"),
                  CapitalizeFirst(text(QStringLiteral("txtEmployment"))));
        reportRating(report, QStringLiteral("IREmployment"),
                     listText(QStringLiteral("cboInterviewerRatingE")));
    });
}

}  // namespace yrn
