// The education and employment part of the client report.
#include "report/Phrases.h"
#include "sections/ClientFixture.h"
#include "sections/employment/EmploymentAnswers.h"
#include "sections/employment/EmploymentSection.h"

namespace yrn::test {
namespace {

class EmploymentReport : public ::testing::Test, public Client<EmploymentSection> {
  protected:
    EmploymentSection& emp = pane;

    void SetUp() override {
        nameClient(locator);
        demographic.choose("optSex", 0);
    }
    QString jobSentences() {
        const RecordingReport r = report();
        return r.value("JobSentence1") + '|' + r.value("JobSentence2");
    }
};

TEST_F(EmploymentReport, AFullClientFillsEveryPlaceholderInOrder) {
    answerEmployment(emp);
    const RecordingReport r = report();
    EXPECT_EQ(r.fields(),
              QString("DLN SchoolYears TechEdMonths ProfessionalSkill DoesDoesNotDL "
                      "DriversLicenseReason DoesDoesNotAuto IsIsNotCE JobSentence1 JobSentence2 "
                      "ContributorSentence EmploymentPattern NetIncome MoneySources DaysWorked "
                      "Dependents AmountOwed EmploymentProblems EResponse EIResponse "
                      "EmploymentComments IREmployment")
                  .split(' '));
    EXPECT_EQ(
        r.values(),
        (QStringList{
            "S123-4567",
            "12 years",
            "6 months",
            "has professional skills of:  welding",
            "has",
            "",
            "does",
            "is",
            "This job has lasted for one year and 3 months and is a craft and kindred job.  ",
            "He started this job in 02/2000 and is still working there.",
            "Parent/foster parent contributes to Jane's support which  does not "
            "constitute the majority of his support",
            "Full-time (35 hrs/week)",
            "900",
            MoneyLine("Employment (net income)", "900") + MoneyLine("Food stamps", "150"),
            "20 days",
            "2 dependants",
            ComboLine("Court fees", "$501-$2,000") + ComboLine("Other debts", "Less than $500"),
            "4 times",
            "moderately",
            "extremely",
            "Wants more hours.",
            "Moderate problem"}));
    // The money lines stand in columns: the amount after 45 characters.
    EXPECT_EQ(r.value("MoneySources"),
              "Employment (net income)                      $900\r\nFood stamps                  "
              "                $150\r\n");
}

TEST_F(EmploymentReport, NoAnswersAndUnansweredQuestions) {
    // Nothing answered: no count, amount, list or "none" is stated; the comments stand.
    RecordingReport r = report();
    EXPECT_EQ(r.fields(), QStringList{"EmploymentComments"});
    // Question 4 answered "Yes" without the number leaves its marker too.
    emp.choose("optDrLic", 1);
    EXPECT_EQ(report().value("DLN"), "<no call>");

    // "No" answers, and "1" or "01" counted as one.
    emp.choose("optProfession", 0);
    emp.choose("optDrLic", 0);
    type("txtNoDriversLicenseReason", "suspended");
    emp.choose("optAuto", 0);
    emp.choose("optContributor", 0);
    for (int i = 0; i < EmploymentSection::kDebts; ++i)
        emp.choose(arr("optMoneyOwed", i), 0);
    for (const char* id : {"txtEducation", "txtDaysWorked", "txtDependants"})
        type(id, "01");
    for (const char* id : {"txtTraining", "txtEmploymentProblems"})
        type(id, "1");
    r = report();
    for (const auto& [field, value] : {
             std::pair{"ProfessionalSkill", "has no professional skills"},
             {"DoesDoesNotDL", "does not have"},
             {"DriversLicenseReason", " due to the following reasons:  suspended"},
             {"DoesDoesNotAuto", "does not"},
             {"ContributorSentence", "There is no one currently contributing to Jane's support"},
             {"SchoolYears", "one year"},
             {"TechEdMonths", "one month"},
             {"DaysWorked", "one day"},
             {"Dependents", "one dependant"},
             {"EmploymentProblems", "one time"},
             {"AmountOwed", "*Client currently has no debts*"},
             {"DLN", "N/A"},
         })
        EXPECT_EQ(r.value(field), value) << field;
    // A typed 0 is an answer.
    for (const char* id : {"txtEducation", "txtDaysWorked", "txtEmploymentProblems"})
        type(id, "0");
    r = report();
    EXPECT_EQ(
        r.value("SchoolYears") + '|' + r.value("DaysWorked") + '|' + r.value("EmploymentProblems"),
        "0 years|0 days|0 times");
    // A license number given while question 4 says "No" still stands.
    emp.setText("txtDriversLicenseNumber", "S1");
    EXPECT_EQ(report().value("DLN"), "S1");
}

TEST_F(EmploymentReport, JobSentencesForNeverEmployedNotEmployedAndEmployed) {
    // Never had a job wins over question 6.
    emp.choose("optCurrEmp", 0);
    emp.setPosition("cboJobtype", EmploymentSection::kNeverHadAJob);
    EXPECT_EQ(jobSentences(), "Jane has never been employed in his lifetime.|");

    // Not employed now: the last job.
    emp.setPosition("cboJobtype", 2);
    type("txtLastJobY", "1");
    type("txtLastJobM", "01");
    type("txtStartJobM", "3");
    type("txtStartJobY", "1999");
    type("txtLeaveJobM", "10");
    type("txtLeaveJobY", "2000");
    emp.setPosition("cboReasonLeft", 1);
    EXPECT_EQ(jobSentences(),
              "The last job he had was for one year and one month and it was a sales job.  |"
              "He started that job in 03/1999 and ended this job in 10/2000 because: Laid off.");
    demographic.choose("optSex", 1);
    emp.setPosition("cboReasonLeft", 9);
    type("txtLastJobY", "2");
    EXPECT_EQ(jobSentences(),
              "The last job she had was for 2 years and one month and it was a sales job.  |"
              "She started that job in 03/1999 and ended this job in 10/2000 because: Problems "
              "w / co - workers.");

    // Employed now: the current job; the type in lower case.
    emp.choose("optCurrEmp", 1);
    emp.setPosition("cboJobtype", 6);
    type("txtCurrJobM", "1");
    type("txtStartJobM", "12");
    type("txtStartJobY", "2010");
    EXPECT_EQ(jobSentences(),
              "This job has lasted for  years and one month and is a transportation equipment "
              "operative job.  |She started this job in 12/2010 and is still working there.");
    // Question 6 unanswered says neither which job nor that it goes on, unless
    // there never was one.
    reset();
    emp.setPosition("cboJobtype", 0);
    EXPECT_EQ(jobSentences(), "<no call>|<no call>");
    EXPECT_FALSE(report().fields().contains("IsIsNotCE"));
    emp.setPosition("cboJobtype", EmploymentSection::kNeverHadAJob);
    EXPECT_EQ(jobSentences(), "Jane has never been employed in her lifetime.|");
}

TEST_F(EmploymentReport, MoneyListsLeaveOutZeroAmountsHoweverTyped) {
    const QStringList labels{"Employment (net income)",
                             "Unemployment compensation",
                             "Welfare (DPA) (AFDC)",
                             "WIC",
                             "Food stamps",
                             "Pension, benefits, or social security",
                             "Mate, family, friends, child support",
                             "Illegal activities"};
    // No source answered: neither the net income nor "no income" is stated; one
    // source answered 0 says no income.
    RecordingReport none = report();
    EXPECT_EQ(none.value("NetIncome") + '|' + none.value("MoneySources"), "<no call>|<no call>");
    type(arr("txtMoneySources", 3), "0");
    none = report();
    EXPECT_EQ(none.value("NetIncome") + '|' + none.value("MoneySources"),
              "<no call>|*No extra income received*");
    for (const char* zero : {"0", "00", "000", "0.0"}) {
        for (int i = 0; i < EmploymentSection::kMoneySources; ++i)
            type(arr("txtMoneySources", i), zero);
        const RecordingReport r = report();
        EXPECT_EQ(r.value("MoneySources"), "*No extra income received*") << zero;
        EXPECT_EQ(r.value("NetIncome"), zero);
    }
    // Every other amount is listed as typed, padded to its column, in source order.
    const QStringList amounts{"", "050", "1", "", "150", "999999", "00", "7.50"};
    QString expected;
    for (int i = 0; i < EmploymentSection::kMoneySources; ++i) {
        type(arr("txtMoneySources", i), amounts.at(i));
        if (!amounts.at(i).isEmpty() && amounts.at(i) != "00")
            expected += labels.at(i).leftJustified(45) + '$' + amounts.at(i) + "\r\n";
    }
    const RecordingReport r = report();
    EXPECT_EQ(r.value("MoneySources"), expected);
    EXPECT_EQ(r.value("NetIncome"), "<no call>");
    EXPECT_EQ(expected.count("\r\n"), 5);
    EXPECT_TRUE(expected.contains("Welfare (DPA) (AFDC)" + QString(25, ' ') + "$1\r\n"));
    EXPECT_TRUE(
        expected.contains("Pension, benefits, or social security" + QString(8, ' ') + "$999999"));
}

TEST_F(EmploymentReport, DebtsAnsweredYesWithOrWithoutAnAmount) {
    // No debt answered leaves the marker; one answered "No" says there are none.
    EXPECT_EQ(report().value("AmountOwed"), "<no call>");
    emp.choose(arr("optMoneyOwed", 2), 0);
    EXPECT_EQ(report().value("AmountOwed"), "*Client currently has no debts*");
    emp.choose(arr("optMoneyOwed", 0), 1);
    emp.setPosition(arr("cboAmountOwed", 0), 8);
    emp.choose(arr("optMoneyOwed", 1), 0);
    emp.choose(arr("optMoneyOwed", 3), 1);  // no amount chosen
    emp.choose(arr("optMoneyOwed", 4), 1);
    emp.setPosition(arr("cboAmountOwed", 4), 0);
    emp.setText("txtOtherDebt", "credit card");
    EXPECT_EQ(report().value("AmountOwed"), "Child support" + QString(32, ' ') +
                                                "$30,001 or above\r\n" + "Legal fees" +
                                                QString(35, ' ') + "\r\n" + "Other debts" +
                                                QString(34, ' ') + "Less than $500\r\n");
}

TEST_F(EmploymentReport, ContributorSentencesAndRatings) {
    const auto sentence = [&] { return report().value("ContributorSentence"); };
    emp.choose("optContributor", 1);
    EXPECT_EQ(sentence(), "<no call>");
    emp.setPosition("cboGreatestContributor", 0);
    emp.choose("optMajSupp", 1);
    EXPECT_EQ(sentence(),
              "Spouse/partner contributes to Jane's support which  constitutes the majority of "
              "his support");
    emp.choose("optMajSupp", 0);
    demographic.choose("optSex", 1);
    EXPECT_EQ(sentence(),
              "Spouse/partner contributes to Jane's support which  does not constitute the "
              "majority of her support");
    emp.choose("optContributor", 0);
    EXPECT_EQ(sentence(), "There is no one currently contributing to Jane's support");

    emp.setPosition("cboInterviewerRatingE", 2);
    emp.setPosition("cboEmploymentTroubleE", 4);
    emp.setPosition("cboEmploymentPattern", 1);
    const RecordingReport r = report();
    EXPECT_EQ(r.value("IREmployment"), "Slight problem");
    EXPECT_EQ(r.value("EResponse"), "extremely");
    EXPECT_EQ(r.value("EmploymentPattern"), "Part -Time");
    emp.setPosition("cboInterviewerRatingE", -1);
    EXPECT_EQ(report().value("IREmployment"), "<no call>");
}

}  // namespace
}  // namespace yrn::test
