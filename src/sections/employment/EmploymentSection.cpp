#include "sections/employment/EmploymentSection.h"

#include "sections/CommonAnswers.h"
#include "sections/Pages.h"
#include "sections/employment/EmploymentLists.h"

namespace yrn {

namespace {

const QString kSeparateAnswers = QStringLiteral("(Separate answers with commas)");
const QString kMonthYear = QStringLiteral("Month      Year");

// Questions 20 to 24, by debt.
const QStringList kDebtQuestions{
    QStringLiteral("20.  Do you owe money for child support arrearage (back child              "
                   "        support payment)?"),
    QStringLiteral("21.  Do you owe money for court fees?"),
    QStringLiteral("22.  Do you owe money for restitution?"),
    QStringLiteral("23.  Do you owe money for legal fees?"),
    QStringLiteral("24.  Do you owe money for other kinds of debt (do not include car          "
                   "        loans and house mortgage payments)?"),
};

}  // namespace

EmploymentSection::EmploymentSection(Interview& interview)
    : DeclaredSection(
          interview,
          SectionInfo{QStringLiteral("ctlEmployment"), QStringLiteral("Employment"),
                      QStringLiteral("Employment.YRN"),
                      QStringLiteral("Halverin Drug Court YRN -- Employment Information "), 3}) {
    // One named button per page; the number in a name is the page it shows.
    for (int page = 1; page <= 6; ++page) {
        const bool last = page == 6;
        addPage(page).nav(
            last ? QStringLiteral("&Drugs && Alcohol") : kNextPage, kPreviousPage,
            last ? QStringLiteral("cmdDrugs") : "cmdNextE" + QString::number(page + 1),
            page == 1 ? QStringLiteral("cmdMedical") : "cmdBackE" + QString::number(page - 1));
    }
    declarePage1();
    declarePage2();
    declarePage3();
    declarePage4();
    declarePage5();
    declarePage6();
    declareRules();
    declareFile();
    captureStartState();
}

// --- Page 1: education, profession, license, car, employment ---

void EmploymentSection::declarePage1() {
    addText(QStringLiteral("txtEducation"));
    addText(QStringLiteral("txtTraining"));
    addOption(QStringLiteral("optProfession"), noYes());
    addText(QStringLiteral("txtProfession"));
    addOption(QStringLiteral("optDrLic"), noYes());
    addText(QStringLiteral("txtNoDriversLicenseReason"), 30);
    addText(QStringLiteral("txtDriversLicenseNumber"), 30);
    addOption(QStringLiteral("optAuto"), noYes());
    addOption(QStringLiteral("optCurrEmp"), noYes());
    addText(QStringLiteral("txtLastJobY"), 2);
    addText(QStringLiteral("txtLastJobM"), 2);
    addText(QStringLiteral("txtCurrJobY"), 2);
    addText(QStringLiteral("txtCurrJobM"), 2);

    // "(Verify)" stands under the license number's label.
    addPage(1)
        .heading(QStringLiteral("Education and Employment Information"))
        .question(QStringLiteral("1.  How many years of education have you completed?          "
                                 "(GED=12 years)"),
                  {{QStringLiteral("txtEducation"), QStringLiteral("Years")}})
        .question(QStringLiteral("2.  How many months of training or technical education have "
                                 "you         completed?"),
                  {{QStringLiteral("txtTraining"), QStringLiteral("Months")}})
        .question(QStringLiteral("3.  Do you have a profession, trade, or skill?  What?"),
                  {{QStringLiteral("optProfession"), QStringLiteral("Profession?")},
                   {QStringLiteral("txtProfession"), kSeparateAnswers}})
        .question(
            QStringLiteral("4.  Do you have a valid driver's license?  "),
            {{QStringLiteral("optDrLic"), QStringLiteral("Driver's License?")},
             {QStringLiteral("txtNoDriversLicenseReason"), QStringLiteral("Why not?")},
             {QStringLiteral("txtDriversLicenseNumber"),
              QStringLiteral("Driver's License Number?") + '\n' + QStringLiteral("(Verify)")}})
        .question(QStringLiteral("5.  Do you have an automobile available for use?"),
                  {{QStringLiteral("optAuto"), QStringLiteral("Have a car?")}})
        .question(QStringLiteral("6.  Are you currently employed?"),
                  {{QStringLiteral("optCurrEmp"), QStringLiteral("Currently employed?")}})
        .question(QStringLiteral("7a.  How long was your last job?"),
                  {{QStringLiteral("txtLastJobY"), QStringLiteral("Years")},
                   {QStringLiteral("txtLastJobM"), QStringLiteral("Months")}})
        .question(QStringLiteral("7b.  How long have you worked at your current job?"),
                  {{QStringLiteral("txtCurrJobY"), QStringLiteral("Years")},
                   {QStringLiteral("txtCurrJobM"), QStringLiteral("Months")}});
}

// --- Page 2: the job, support and the employment pattern ---

void EmploymentSection::declarePage2() {
    addList(QStringLiteral("cboJob"), employment::jobItems());
    addList(QStringLiteral("cboJobtype"), employment::jobTypeItems());
    addText(QStringLiteral("txtStartJobM"));
    addText(QStringLiteral("txtStartJobY"));
    addText(QStringLiteral("txtLeaveJobM"));
    addText(QStringLiteral("txtLeaveJobY"));
    addList(QStringLiteral("cboReasonLeft"), employment::reasonLeftItems());
    addOption(QStringLiteral("optContributor"), noYes());
    addList(QStringLiteral("cboGreatestContributor"), employment::contributorItems());
    addOption(QStringLiteral("optMajSupp"), noYes());
    addList(QStringLiteral("cboEmploymentPattern"), employment::employmentPatternItems());

    addPage(2)
        .question(QStringLiteral("8.    Is (was) this job:"),
                  {{QStringLiteral("cboJob"), QStringLiteral("Job type")}})
        .question(QStringLiteral("9.    What type of job is (was) it?"),
                  {{QStringLiteral("cboJobtype"), QStringLiteral("Job description")}})
        .question(QStringLiteral("10.  When did you start?"),
                  {{QStringLiteral("txtStartJobM")}, {QStringLiteral("txtStartJobY")}}, kMonthYear)
        .question(QStringLiteral("11.  When did you leave?"),
                  {{QStringLiteral("txtLeaveJobM")}, {QStringLiteral("txtLeaveJobY")}}, kMonthYear)
        .question(QStringLiteral("12.  Reason for leaving? If still employed specify."),
                  {{QStringLiteral("cboReasonLeft"), QStringLiteral("Reason for leaving job")}})
        .question(QStringLiteral("13.  Does someone contribute to your support in any way?"),
                  {{QStringLiteral("optContributor"), QStringLiteral("Contributors?")}})
        .question(
            QStringLiteral("14.  Who is the person who contributes the most to your support?"),
            {{QStringLiteral("cboGreatestContributor"), QStringLiteral("Greatest Contributor?")}})
        .question(QStringLiteral("15.  Does the support from this person constitute the majority "
                                 "of               your support?"),
                  {{QStringLiteral("optMajSupp"), QStringLiteral("Majority of support?")}})
        .question(QStringLiteral("16.  What has your usual employment pattern been the past 12    "
                                 "                months (past year)?"),
                  {{QStringLiteral("cboEmploymentPattern"), QStringLiteral("Usual employment")}});
}

// --- Page 3: days paid and income by source ---

void EmploymentSection::declarePage3() {
    addText(QStringLiteral("txtDaysWorked"));
    const QStringList labels = employment::moneySourceLabels();
    QList<TableRow> rows;
    for (int i = 0; i < kMoneySources; ++i) {
        addText(arr(QStringLiteral("txtMoneySources"), i));
        rows.append(TableRow{labels.at(i), {}, {arr(QStringLiteral("txtMoneySources"), i)}});
    }

    addPage(3)
        .question(QStringLiteral("17.  Including \"under the table work,\" how many days were you "
                                 "paid           for working in the past 30 days, or the last 30 "
                                 "days on the street?"),
                  {{QStringLiteral("txtDaysWorked"), QStringLiteral("Days")}})
        .question(QStringLiteral("18.  How much money did you receive from the following sources "
                                 "in           the last 30 days, or the last 30 days on the "
                                 "street?"))
        .table({}, {QStringLiteral("$ AMOUNT")}, rows);
}

// --- Page 4: dependants and money owed ---

void EmploymentSection::declarePage4() {
    addText(QStringLiteral("txtDependants"));
    PageBuilder page = addPage(4);
    page.question(QStringLiteral("19.  How many people depend on you for the majority of their "
                                 "food,               shelter, etc?"),
                  {{QStringLiteral("txtDependants"), QStringLiteral("People")}});
    for (int i = 0; i < kDebts; ++i) {
        addOption(arr(QStringLiteral("optMoneyOwed"), i), noYes());
        addList(arr(QStringLiteral("cboAmountOwed"), i), employment::amountOwedItems());
        QList<Answer> answers{
            {arr(QStringLiteral("optMoneyOwed"), i), QStringLiteral("Owe money?")},
            {arr(QStringLiteral("cboAmountOwed"), i), QStringLiteral("$ AMOUNT")}};
        if (i == kDebts - 1) {
            addMultiLine(QStringLiteral("txtOtherDebt")).optional = true;
            answers.append({QStringLiteral("txtOtherDebt"),
                            QStringLiteral("Specify") + '\n' + kSeparateAnswers});
        }
        page.question(kDebtQuestions.at(i), answers);
    }
}

// --- Page 5: problem days and ratings ---

void EmploymentSection::declarePage5() {
    addText(QStringLiteral("txtEmploymentProblems"));
    addList(QStringLiteral("cboEmploymentTroubleE"), lowerCaseFiveStepItems());
    addList(QStringLiteral("cboImportantE"), lowerCaseFiveStepItems());
    addList(QStringLiteral("cboInterviewerRatingE"), ratingItems());

    addPage(5)
        .question(QStringLiteral("25.  How many days have you experienced employment              "
                                 "            problems in the last 30 days, or the last 30 days "
                                 "on the street?"),
                  {{QStringLiteral("txtEmploymentProblems"), QStringLiteral("Days")}})
        .question(QStringLiteral("26.  How troubled or bothered have you been by employment       "
                                 "            problems in the past 30 days, or the last 30 days "
                                 "on the street?"),
                  {{QStringLiteral("cboEmploymentTroubleE"),
                    QStringLiteral("Employment problem severity")}})
        .question(
            QStringLiteral("27.  How important to you now is counseling for employment      "
                           "                    problems?"),
            {{QStringLiteral("cboImportantE"), QStringLiteral("Employment treatment importance")}})
        .question(
            QStringLiteral("28.  How would you (interviewer) rate the client's need for     "
                           "                           employment or support counseling?"),
            {{QStringLiteral("cboInterviewerRatingE"), QStringLiteral("Interviewer's rating")}});
}

// --- Page 6: comments ---

void EmploymentSection::declarePage6() {
    addMultiLine(QStringLiteral("txtEmployment")).optional = true;
    addPage(6).question(
        QStringLiteral("29.  Interviewer comments on employment and education information:"),
        {{QStringLiteral("txtEmployment"), {}}});
}

// --- Lists ---

void EmploymentSection::ClearEmploymentLists() {
    for (const char* id :
         {"cboJob", "cboJobtype", "cboReasonLeft", "cboGreatestContributor", "cboEmploymentPattern",
          "cboEmploymentTroubleE", "cboImportantE", "cboInterviewerRatingE"})
        setItems(QString::fromLatin1(id), {});
    for (int i = 0; i < kDebts; ++i)
        setItems(arr(QStringLiteral("cboAmountOwed"), i), {});
}

void EmploymentSection::FillEmploymentLists() {
    setItems(QStringLiteral("cboJob"), employment::jobItems());
    setItems(QStringLiteral("cboJobtype"), employment::jobTypeItems());
    setItems(QStringLiteral("cboReasonLeft"), employment::reasonLeftItems());
    setItems(QStringLiteral("cboGreatestContributor"), employment::contributorItems());
    setItems(QStringLiteral("cboEmploymentPattern"), employment::employmentPatternItems());
    for (int i = 0; i < kDebts; ++i)
        setItems(arr(QStringLiteral("cboAmountOwed"), i), employment::amountOwedItems());
    setItems(QStringLiteral("cboEmploymentTroubleE"), lowerCaseFiveStepItems());
    setItems(QStringLiteral("cboImportantE"), lowerCaseFiveStepItems());
    setItems(QStringLiteral("cboInterviewerRatingE"), ratingItems());
}

}  // namespace yrn
