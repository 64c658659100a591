// "Employment.YRN": a file written on a Windows machine, saving and reading back,
// and damaged files.
#include "sections/SectionFileTest.h"
#include "sections/employment/EmploymentAnswers.h"
#include "sections/employment/EmploymentSection.h"

namespace yrn::test {
namespace {

class EmploymentFile : public SectionFileTest<EmploymentSection> {
  protected:
    EmploymentSection& emp = pane;
};

TEST_F(EmploymentFile, WindowsFileLoadsExactlyAndSavesBackUnchanged) {
    const QStringList values = windowsEmploymentClient();
    ASSERT_EQ(values.size(), 50);
    EXPECT_TRUE(load(values).complete);
    EXPECT_TRUE(prompts.boxes.isEmpty() && prompts.focusRequests.isEmpty());
    EXPECT_TRUE(shows(emp, {"txtEducation=12",
                            "txtTraining=6",
                            "optProfession=1",
                            "optDrLic=1",
                            "optAuto=0",
                            "txtProfession=soudure (welding)",
                            "txtNoDriversLicenseReason= (off)",
                            "txtDriversLicenseNumber=S123-4567",
                            "optCurrEmp=0",
                            "txtLastJobY=1",
                            "txtLastJobM=01",
                            "txtCurrJobY= (off)",
                            "txtCurrJobM= (off)",
                            "cboJob=Full Time",
                            "cboJobtype=Craft and kindred",
                            "txtStartJobM=03",
                            "txtStartJobY=1999",
                            "cboReasonLeft=Laid off",
                            "txtLeaveJobM=10",
                            "txtLeaveJobY=2000",
                            "optContributor=1",
                            "cboGreatestContributor=Parent/foster parent",
                            "optMajSupp=0",
                            "cboEmploymentPattern=Unemployed",
                            "txtDaysWorked=00",
                            "txtMoneySources(0)=",
                            "txtMoneySources(2)=0",
                            "txtMoneySources(4)=150",
                            "txtMoneySources(6)=00",
                            "txtDependants=2",
                            "optMoneyOwed(0)=1",
                            "cboAmountOwed(0)=$2,001-$5,000",
                            "optMoneyOwed(1)=1",
                            "cboAmountOwed(1)=Less than $500",
                            "optMoneyOwed(2)=0",
                            "cboAmountOwed(2)= (off)",
                            "optMoneyOwed(3)=-1",
                            "cboAmountOwed(3)=",
                            "optMoneyOwed(4)=0",
                            "cboAmountOwed(4)= (off)",
                            "txtOtherDebt= (off)",
                            "txtEmploymentProblems=3",
                            "cboEmploymentTroubleE=considerably",
                            "cboImportantE=slightly",
                            "cboInterviewerRatingE=7 - Considerable problem",
                            "txtEmployment=Looking for work; résumé ready"}));

    // Written back: 50 fields and 49 separators, byte for byte.
    ASSERT_TRUE(emp.SaveYRN(path));
    EXPECT_EQ(readFile(path), windowsSectionFile(values));
}

TEST_F(EmploymentFile, SavingAndReadingBackRestoresEveryAnswerAndEveryClosedBox) {
    answerEmployment(emp);
    ASSERT_TRUE(emp.SaveYRN(path));
    EXPECT_EQ(readFile(path).count("\r\n"), 50 + 49);
    Client<EmploymentSection> other;
    EXPECT_TRUE(other.load(path).complete);
    EXPECT_TRUE(sameState(emp, other.pane));
    // The debts are stored answer, amount, answer, amount; the "other" debts after them.
    EXPECT_EQ(other.pane.text("txtOtherDebt"), "credit card,\r\nphone bill");
    EXPECT_EQ(other.pane.listText(arr("cboAmountOwed", 1)), "$501-$2,000");

    // The other answers of every question that closes boxes.
    emp.choose("optProfession", 0);
    emp.choose("optDrLic", 0);
    type("txtNoDriversLicenseReason", "never applied");
    emp.choose("optCurrEmp", 0);
    emp.setPosition("cboJobtype", EmploymentSection::kNeverHadAJob);
    emp.choose("optContributor", 0);
    for (int i = 0; i < EmploymentSection::kDebts; ++i)
        emp.choose(arr("optMoneyOwed", i), i == 2 ? 1 : 0);
    ASSERT_TRUE(emp.SaveYRN(path));
    EXPECT_TRUE(other.load(path).complete);
    EXPECT_TRUE(sameState(emp, other.pane));
    for (const char* id :
         {"txtProfession", "txtDriversLicenseNumber", "txtCurrJobY", "txtStartJobM", "txtStartJobY",
          "cboGreatestContributor", "optMajSupp", "cboAmountOwed(0)", "txtOtherDebt"})
        EXPECT_FALSE(other.pane.usable(id)) << id;
    EXPECT_TRUE(other.pane.usable(arr("cboAmountOwed", 2)));
}

TEST_F(EmploymentFile, DamagedFilesKeepWhatWasReadAndNeverCrash) {
    const QByteArray bytes = windowsSectionFile(windowsEmploymentClient());
    writeFile(path, bytes.left(bytes.indexOf("1999")));
    const LoadResult cut = load(path);
    EXPECT_TRUE(cut.found && !cut.complete);
    EXPECT_TRUE(shows(emp, {"txtDriversLicenseNumber=S123-4567", "cboJobtype=Craft and kindred",
                            "txtStartJobM=03", "txtStartJobY=", "optContributor=-1"}));

    // A job type outside the list is the reader's error; the rest is read.
    QStringList values = windowsEmploymentClient();
    values[14] = " 15 ";
    EXPECT_FALSE(load(values).complete);
    EXPECT_EQ(prompts.last().text, "Error in module MainModule.LoadCombo");
    EXPECT_TRUE(shows(emp, {"cboJobtype=", "txtStartJobY=1999",
                            "txtEmployment=Looking for work; "
                            "résumé ready"}));

    EXPECT_FALSE(loadBytes(junkBytes(91, 7)).complete);
    EXPECT_TRUE(load(QStringList(50, "x9")).found);
    EXPECT_FALSE(load(dir.filePath("Missing.YRN")).found);
}

}  // namespace
}  // namespace yrn::test
