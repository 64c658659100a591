// "Drugs.YRN": files written on Windows machines, old comments written raw over
// several lines, save and load of every answer, and damaged files.
#include <QRegularExpression>

#include "sections/SectionFileTest.h"
#include "sections/drugs/DrugsClient.h"

namespace yrn::test {
namespace {

// A client field by field, as a Windows machine writes it: Windows-1252 text.
// Rows 0, 3, 4 and 11 used, 1 and 5 to 10 not, 2 unanswered; dual addiction;
// treated for alcohol, not for drugs; meetings in the lifetime only.
QList<QByteArray> windowsClient() {
    QList<QByteArray> v;
    v += {"1", "15", "20", "17", "Drinks on weekends"};
    v += {"0", "-1 ", "-1 ", "-1 ", "-1 "};
    v += {"-1", "-1 ", "-1 ", "-1 ", "-1 "};
    v += {"1", "19", "04", "06", "Smokes crack at the caf\xe9 with his cousin"};
    v += {"1", "22", "00", "03", "-1 "};
    for (int i = 5; i <= 10; ++i)
        v += {"0", "-1 ", "-1 ", "-1 ", "-1 "};
    v += {"1", "14", "30", "10", "Beer and pills"};
    v += {" 11 ", "7", "3", " 0 ", "1", "0", " 2 "};
    v += {"1", "1", "0", "1", "0", "2", "0"};
    v += {"0", "-1 ", "-1 ", "-1 ", "-1 ", "-1 ", "-1 ", "4"};
    v += {"1", "0", "-1 ", "120", "40", "9", "2"};
    v += {" 3 ", " 1 ", " 4 ", " 2 ", " 6 ", " 3 "};
    v.append("Motivated \x96 asks for help");
    return v;
}

class DrugsFile : public SectionFileTest<DrugsSection> {
  protected:
    DrugsSection& drugs = pane;
};

TEST_F(DrugsFile, WindowsFileLoadsExactlyAndSavesBackUnchanged) {
    const QList<QByteArray> values = windowsClient();
    ASSERT_EQ(values.size(), 96);
    EXPECT_TRUE(load(values).complete);
    EXPECT_TRUE(prompts.boxes.isEmpty() && prompts.focusRequests.isEmpty());
    EXPECT_TRUE(
        shows(drugs, {"optEverUse(0)=1",
                      "txtAge1stUse(0)=15",
                      "txtYearsUsedLife(0)=17",
                      "txtDrugComments(0)=Drinks on weekends",
                      "txtAge1stUse(1)= (off)",
                      "optEverUse(2)=-1",
                      "txtAge1stUse(2)=",
                      QStringLiteral("txtDrugComments(3)=Smokes crack at the café with his cousin"),
                      "txtDaysUsedLast30(4)=00",
                      "txtDrugComments(4)=",
                      "optDrugComments(9)=-1 (off)",
                      "txtDrugComments(11)=Beer and pills",
                      "cboMajorSubstance=Alcohol & Drug (dual addiction)",
                      "txtMonthsAbstinence=7",
                      "chkAbstinence=0",
                      "cboUpLateOnDrugs=Twice",
                      "txtDetoxL=1",
                      "txtOutpatientPY=0",
                      "txtDrugAbuseL= (off)",
                      "txtOutpatientSettingPast30=4",
                      "optAAL=1",
                      "optAAPY=0",
                      "txtAANAMeetings30= (off)",
                      "txtDollarsAlc30=120",
                      "cboAlcTroubled=Considerably",
                      "cboNeedDrugTreatment=3 - Slight problem",
                      QStringLiteral("txtDrugInformation=Motivated – asks for help")}));
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(drugs.commentIndicator(i), i == 0 || i == 3 || i == 11) << i;

    ASSERT_TRUE(drugs.SaveYRN(path));
    EXPECT_EQ(readFile(path), windowsSectionFile(values));
}

// An older program wrote a comment with a line break raw: its lines run on up to
// the separator, and every field after it still reads in step.
TEST_F(DrugsFile, ARawTwoLineCommentOfAnOlderProgramLoadsWithTheFieldsAfterItInStep) {
    QList<QByteArray> values = windowsClient();
    values[3 * 5 + 4] = "Smokes crack with his cousin\r\nand his friends at the caf\xe9";
    EXPECT_TRUE(load(values).complete);
    EXPECT_TRUE(prompts.boxes.isEmpty());
    EXPECT_EQ(drugs.text("txtDrugComments(3)").split(QRegularExpression("\r?\n")),
              (QStringList{"Smokes crack with his cousin",
                           QStringLiteral("and his friends at the café")}));
    EXPECT_TRUE(drugs.commentIndicator(3));
    EXPECT_TRUE(shows(drugs, {"optEverUse(4)=1", "txtAge1stUse(4)=22", "optEverUse(5)=0",
                              "txtDrugComments(11)=Beer and pills", "cboUpLateOnDrugs=Twice",
                              "txtDollarsDrugs30=40",
                              QStringLiteral("txtDrugInformation=Motivated – asks for help")}));

    // Written back, the comment keeps its line break on one line of the file.
    ASSERT_TRUE(drugs.SaveYRN(path));
    EXPECT_EQ(readFile(path).count("\r\n"), 96 * 2 - 1);
    Client<DrugsSection> other;
    EXPECT_TRUE(other.load(path).complete);
    EXPECT_TRUE(sameState(drugs, other.pane));
}

TEST_F(DrugsFile, EveryAnswerStateAndIndicatorSurvivesSaveAndLoad) {
    answerDrugs(drugs);
    writeComment(drugs, 6, "line one\r\n;\r\n-1\r\n");
    writeComment(drugs, 8, "");
    drugs.choose("optEverUse(9)", 0);
    drugs.setCheck("chkAbstinence", CheckState::Ticked);
    drugs.setText("txtDrugInformation", "  spaced  ");
    ASSERT_TRUE(prompts.boxes.isEmpty()) << lastBox(prompts).toStdString();
    ASSERT_TRUE(drugs.SaveYRN(path));
    EXPECT_EQ(readFile(path).count("\r\n;\r\n"), 95);

    Client<DrugsSection> other;
    EXPECT_TRUE(other.load(path).complete);
    EXPECT_TRUE(sameState(drugs, other.pane));
    EXPECT_TRUE(other.prompts.boxes.isEmpty() && other.prompts.focusRequests.isEmpty());
    EXPECT_TRUE(other.pane.commentIndicator(6));
    EXPECT_FALSE(other.pane.commentIndicator(8));
    EXPECT_FALSE(other.pane.commentIndicator(9));
}

TEST_F(DrugsFile, DamagedFilesKeepWhatReadsAndSayWhatDoesNot) {
    // A major substance that is no position of the list: its reader's box; the
    // list stays unanswered and the rest reads on.
    QList<QByteArray> values = windowsClient();
    values[60] = "99";
    values[67] = "7";  // an option value the group does not know
    LoadResult result = load(values);
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(prompts.titles(), QStringList{"Program Error"});
    EXPECT_EQ(prompts.boxes.first().text, "Error in module MainModule.LoadCombo");
    EXPECT_TRUE(shows(drugs, {"cboMajorSubstance=", "optAlcTreat=-1", "txtDetoxL=1",
                              "cboNeedAlcTreatment=6 - Considerable problem"}));

    // A file that ends in the middle of row 4: the rows before it stay.
    prompts.clear();
    const QByteArray whole = windowsSectionFile(windowsClient());
    result = loadBytes(whole.left(whole.indexOf("22\r\n")));
    EXPECT_FALSE(result.complete);
    EXPECT_TRUE(prompts.boxes.isEmpty());
    EXPECT_TRUE(shows(drugs, {"txtAge1stUse(3)=19", "optEverUse(4)=1",
                              "txtAge1stUse(4)=", "cboMajorSubstance="}));

    // Binary junk reads as text without harm.
    prompts.clear();
    loadBytes(junkBytes(37, 11));
    Client<DrugsSection> fresh;
    EXPECT_EQ(drugs.fieldOrder(), fresh.pane.fieldOrder());
}

}  // namespace
}  // namespace yrn::test
