// The education and employment pane's rules, checks, pages and reset. Each rule
// runs by the person's clicks and then again by reading the saved answers.
#include "interview/NumericCheck.h"
#include "sections/ClientFixture.h"
#include "sections/employment/EmploymentAnswers.h"
#include "sections/employment/EmploymentSection.h"

namespace yrn::test {
namespace {

const QStringList kDurations{"txtLastJobY", "txtLastJobM", "txtCurrJobY", "txtCurrJobM"};

class EmploymentRules : public ::testing::Test, public Client<EmploymentSection> {
  protected:
    EmploymentSection& emp = pane;

    void typeJob() {
        for (const QString& id : kDurations)
            if (emp.usable(id)) type(id, "2");
        type("txtStartJobM", "3");
        type("txtStartJobY", "1999");
        if (emp.usable("txtLeaveJobM")) type("txtLeaveJobM", "10");
        if (emp.usable("txtLeaveJobY")) type("txtLeaveJobY", "2000");
        if (emp.usable("cboReasonLeft")) emp.setPosition("cboReasonLeft", 1);
    }
    bool closedAsNotApplying(const QString& id) const {
        return !emp.usable(id) && emp.field(id).background == Background::NotApplicable;
    }
};

TEST_F(EmploymentRules, PagesOneToSixAndStartStateOpenAndReset) {
    QList<int> pages;
    for (const Page& p : emp.pages())
        pages << p.index;
    EXPECT_EQ(pages, (QList<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(emp.firstPage(), 1);
    EXPECT_EQ(emp.lastPage(), 6);
    EXPECT_EQ(emp.backPage(1), -1);  // back to the medical pane
    EXPECT_EQ(emp.nextPage(6), -1);  // on to the drug pane
    EXPECT_EQ(emp.page(1)->backButton, "cmdMedical");
    EXPECT_EQ(emp.page(3)->nextButton, "cmdNextE4");
    EXPECT_EQ(emp.page(3)->backButton, "cmdBackE2");
    EXPECT_EQ(emp.page(6)->nextCaption, "&Drugs && Alcohol");
    for (const QString& id : emp.fieldOrder())
        EXPECT_TRUE(emp.usable(id)) << id.toStdString();

    answerEmployment(emp);
    emp.choose("optProfession", 0);
    emp.choose("optContributor", 0);
    emp.setPosition("cboJobtype", EmploymentSection::kNeverHadAJob);
    emp.choose(arr("optMoneyOwed", 4), 0);
    reset();
    EXPECT_TRUE(sameState(emp, Client<EmploymentSection>().pane));
}

TEST_F(EmploymentRules, ProfessionAndLicenseQuestions) {
    emp.choose("optProfession", 1);
    type("txtProfession", "welding");
    emp.choose("optProfession", 1);  // the same answer again empties nothing
    EXPECT_TRUE(shows(emp, {"txtProfession=welding"}));
    emp.choose("optProfession", 0);
    EXPECT_TRUE(closedAsNotApplying("txtProfession"));
    expectSameAfterReload();
    emp.choose("optProfession", 1);
    EXPECT_TRUE(shows(emp, {"txtProfession="}));
    EXPECT_EQ(emp.field("txtProfession").background, Background::Normal);

    // "Yes" after "No" empties a profession a file left in the closed box.
    emp.choose("optProfession", 0);
    emp.setText("txtProfession", "welding");
    emp.choose("optProfession", 1);
    EXPECT_TRUE(shows(emp, {"txtProfession="}));

    emp.choose("optDrLic", 0);
    type("txtNoDriversLicenseReason", "suspended");
    EXPECT_TRUE(closedAsNotApplying("txtDriversLicenseNumber"));
    emp.choose("optDrLic", 0);
    EXPECT_TRUE(shows(emp, {"txtNoDriversLicenseReason=suspended"}));
    expectSameAfterReload();
    emp.choose("optDrLic", 1);
    EXPECT_TRUE(closedAsNotApplying("txtNoDriversLicenseReason"));
    EXPECT_TRUE(shows(emp, {"txtNoDriversLicenseReason= (off)", "txtDriversLicenseNumber="}));
    type("txtDriversLicenseNumber", "S123");
    expectSameAfterReload();
    emp.choose("optDrLic", 0);
    EXPECT_TRUE(shows(emp, {"txtNoDriversLicenseReason=", "txtDriversLicenseNumber= (off)"}));
    EXPECT_EQ(emp.field("txtDriversLicenseNumber").maxLength, 30);
}

TEST_F(EmploymentRules, CurrentlyEmployedChoosesTheLastOrTheCurrentJob) {
    // "Yes": the current job is asked; the last job and how it ended are not.
    emp.choose("optCurrEmp", 1);
    typeJob();
    for (const char* id :
         {"txtLastJobY", "txtLastJobM", "txtLeaveJobM", "txtLeaveJobY", "cboReasonLeft"})
        EXPECT_TRUE(closedAsNotApplying(id)) << id;
    EXPECT_TRUE(shows(emp, {"txtCurrJobY=2", "txtCurrJobM=2", "txtStartJobM=03"}));
    emp.choose("optCurrEmp", 1);
    EXPECT_TRUE(shows(emp, {"txtCurrJobY=2"}));
    expectSameAfterReload();

    // "No": the opposite; each change empties all six duration and leave boxes.
    emp.choose("optCurrEmp", 0);
    EXPECT_TRUE(shows(
        emp, {"txtLastJobY=", "txtLastJobM=", "txtLeaveJobM=", "txtLeaveJobY=", "cboReasonLeft=",
              "txtCurrJobY= (off)", "txtCurrJobM= (off)", "txtStartJobM=03"}));
    EXPECT_TRUE(closedAsNotApplying("txtCurrJobY"));
    typeJob();
    EXPECT_TRUE(shows(emp, {"txtLeaveJobM=10", "cboReasonLeft=Laid off"}));
    expectSameAfterReload();
    emp.choose("optCurrEmp", 1);
    EXPECT_TRUE(
        shows(emp, {"txtLastJobY= (off)", "txtLeaveJobY= (off)", "txtCurrJobY=", "txtCurrJobM="}));
}

TEST_F(EmploymentRules, NeverHadAJobEmptiesTheDatesAndClosesTheStart) {
    emp.choose("optCurrEmp", 0);
    typeJob();
    emp.setPosition("cboJobtype", EmploymentSection::kNeverHadAJob);
    EXPECT_EQ(emp.listText("cboJobtype"), "Never had a job");
    EXPECT_TRUE(shows(emp, {"txtStartJobM= (off)", "txtStartJobY= (off)", "txtLeaveJobM=",
                            "txtLeaveJobY=", "txtLastJobY=2", "cboReasonLeft=Laid off"}));
    EXPECT_TRUE(closedAsNotApplying("txtStartJobY"));
    expectSameAfterReload();

    // Any other type, or none, opens the start date again, empty.
    emp.setPosition("cboJobtype", 2);
    EXPECT_TRUE(shows(emp, {"txtStartJobM=", "txtStartJobY="}));
    EXPECT_EQ(emp.field("txtStartJobM").background, Background::Normal);
    type("txtStartJobM", "3");
    emp.setPosition("cboJobtype", EmploymentSection::kNeverHadAJob);
    emp.setPosition("cboJobtype", -1);
    EXPECT_TRUE(shows(emp, {"txtStartJobM=", "txtStartJobY="}));

    // The leave boxes keep the state question 6 gave them.
    emp.choose("optCurrEmp", 1);
    emp.setPosition("cboJobtype", EmploymentSection::kNeverHadAJob);
    EXPECT_TRUE(closedAsNotApplying("txtLeaveJobM"));
    emp.setPosition("cboJobtype", 3);
    EXPECT_TRUE(closedAsNotApplying("txtLeaveJobM"));
    expectSameAfterReload();
}

TEST_F(EmploymentRules, ContributorOpensQuestions14And15) {
    emp.choose("optContributor", 1);
    emp.setPosition("cboGreatestContributor", 3);
    emp.choose("optMajSupp", 1);
    expectSameAfterReload();
    emp.choose("optContributor", 0);
    for (const char* id : {"cboGreatestContributor", "optMajSupp"})
        EXPECT_TRUE(closedAsNotApplying(id)) << id;
    EXPECT_TRUE(shows(emp, {"cboGreatestContributor= (off)", "optMajSupp=-1 (off)"}));
    expectSameAfterReload();
    emp.choose("optContributor", 1);
    EXPECT_TRUE(shows(emp, {"cboGreatestContributor=", "optMajSupp=-1"}));
    EXPECT_EQ(emp.field("optMajSupp").background, Background::Normal);
}

TEST_F(EmploymentRules, EachDebtOpensItsAmountAndTheLastItsSpecifyBox) {
    for (int i = 0; i < EmploymentSection::kDebts; ++i) {
        const QString owed = arr("optMoneyOwed", i), amount = arr("cboAmountOwed", i);
        emp.choose(owed, 1);
        emp.setPosition(amount, i + 2);
        emp.choose(owed, 1);
        EXPECT_EQ(emp.position(amount), i + 2);
        expectSameAfterReload();
        emp.choose(owed, 0);
        EXPECT_TRUE(closedAsNotApplying(amount)) << i;
        EXPECT_EQ(emp.position(amount), -1);
        expectSameAfterReload();
        // "Yes" opens the amount with its choice (none, after a "No").
        emp.choose(owed, 1);
        EXPECT_TRUE(emp.usable(amount));
        EXPECT_EQ(emp.field(amount).background, Background::Normal);
        emp.setPosition(amount, 1);
    }
    EXPECT_EQ(emp.listText(arr("cboAmountOwed", 2)), "$501-$2,000");

    // Question 24: "Yes" empties "Specify"; "No" clears it; other rows leave it.
    emp.setText("txtOtherDebt", "credit card\r\nphone");
    emp.choose(arr("optMoneyOwed", 3), 0);
    EXPECT_TRUE(shows(emp, {"txtOtherDebt=credit card\r\nphone"}));
    expectSameAfterReload();
    emp.choose(arr("optMoneyOwed", 4), 0);
    EXPECT_TRUE(closedAsNotApplying("txtOtherDebt"));
    EXPECT_TRUE(shows(emp, {"txtOtherDebt= (off)"}));
    expectSameAfterReload();
    emp.setText("txtOtherDebt", "left by a file");
    emp.choose(arr("optMoneyOwed", 4), 1);
    EXPECT_TRUE(shows(emp, {"txtOtherDebt=", arr("cboAmountOwed", 4) + "="}));
}

TEST_F(EmploymentRules, RangeChecksPadMonthsAndRefuseTheRest) {
    type("txtStartJobM", "3");
    type("txtLeaveJobM", "9");
    EXPECT_TRUE(shows(emp, {"txtStartJobM=03", "txtLeaveJobM=09"}));
    type("txtStartJobY", "1899");
    EXPECT_EQ(lastBox(prompts), "Critical|Input Error|" + inputErrorText(1900, 9999));
    EXPECT_EQ(emp.text("txtStartJobY"), "");
    struct Case {
        QString box;
        qint32 min, max;
    };
    QList<Case> cases{
        {"txtEducation", 0, 25},         {"txtTraining", 0, 99},       {"txtLastJobY", 0, 50},
        {"txtLastJobM", 0, 11},          {"txtCurrJobY", 0, 50},       {"txtCurrJobM", 0, 11},
        {"txtStartJobM", 1, 12},         {"txtStartJobY", 1900, 9999}, {"txtLeaveJobM", 1, 12},
        {"txtLeaveJobY", 1900, 9999},    {"txtDaysWorked", 0, 30},     {"txtDependants", 0, 20},
        {"txtEmploymentProblems", 0, 30}};
    for (int i = 0; i < EmploymentSection::kMoneySources; ++i)
        cases.append({arr("txtMoneySources", i), 0, 999999});
    for (const Case& c : cases) {
        prompts.clear();
        type(c.box, QString::number(c.max + 1));
        EXPECT_EQ(lastBox(prompts), "Critical|Input Error|" + inputErrorText(c.min, c.max))
            << c.box.toStdString();
        type(c.box, QString::number(c.min - 1));
        EXPECT_EQ(prompts.boxes.size(), 2) << c.box.toStdString();
        type(c.box, QString::number(c.max));
        EXPECT_EQ(emp.text(c.box), QString::number(c.max)) << c.box.toStdString();
    }
    // An amount past 32 bits fails like any other.
    prompts.clear();
    type(arr("txtMoneySources", 0), "99999999999");
    EXPECT_EQ(prompts.titles(), QStringList{"Input Error"});
}

}  // namespace
}  // namespace yrn::test
