// "CriminalJustice.YRN": a file written on a Windows machine, the repeated
// question 5, the round trip and damaged files.
#include "sections/SectionFileTest.h"
#include "sections/criminal/CriminalFixture.h"

namespace yrn::test {
namespace {

// The 72 fields of a client, in file order, as the bytes a Windows machine
// writes (Windows-1252 text, lists by position).
QList<QByteArray> storedClient() {
    QList<QByteArray> v{"1", "0"};                            // 1, 2: prompted, probation
    v += {"2", "0", "0", "1", "0", "3", "0", "0", "0", "0"};  // 3-12: counts of rows 0-9
    v += {"0", "0", "0", "0", "0", "0", "0", "0", "2"};       // 13-21: rows 10-18
    v += {"Caf\xE9 brawl", "3", " 2 ", " 1 "};                // 22-25
    for (int row = 0; row < 19; ++row)                        // 26-44: reasons
        v += row == 3 || row == 18 ? "1" : "0";
    v += {" 2 ", "resisting arrest \x96 twice", "1"};  // 45-47
    for (int row = 0; row < 19; ++row)                 // 48-66: awaited
        v += row == 3 || row == 18 ? QByteArray("1") : row == 2 ? QByteArray("0") : "-1";
    v += {"05", "fraud", " 3 ", " 0 ", " 7 "};  // 67-71
    v += "Confirmed by P.O. \x93Smith\x94";     // 72
    return v;
}

class CriminalFile : public SectionFileTest<CriminalJusticeSection> {
  protected:
    CriminalJusticeSection& cj = pane;
};

TEST_F(CriminalFile, AWindowsFileLoadsExactlyAndSavesBackUnchanged) {
    const QList<QByteArray> values = storedClient();
    ASSERT_EQ(values.size(), 72);
    EXPECT_TRUE(load(values).complete);
    EXPECT_TRUE(prompts.boxes.isEmpty() && prompts.focusRequests.isEmpty());
    EXPECT_TRUE(shows(cj, {"optPrompted=1",
                           "optProb=0",
                           "txtCharges(0)=2",
                           "txtCharges(3)=1",
                           "txtCharges(5)=3",
                           "txtCharges(17)=0",
                           "txtCharges(18)=2",
                           "txtOther=Caf\u00e9 brawl",
                           "txtConvictions=3",
                           "cboIncarceration=1-3 months",
                           "cboLastIncarceration=1-3 months",
                           "optReasonIncar(0)=0",
                           "optReasonIncar(3)=1",
                           "optReasonIncar(18)=1",
                           "txtOtherIncarceration=resisting arrest \u2013 twice",
                           "optPresAwCharges=1",
                           "optAwaitCharges(0)=-1",
                           "optAwaitCharges(2)=0",
                           "optAwaitCharges(3)=1",
                           "optAwaitCharges(18)=1",
                           "txtIllegalActivities=05",
                           "txtOtherChargeAwaited=fraud",
                           "cboLegalProblems=Considerably",
                           "cboCounselingImportance=Not at all",
                           "cboNeedLegalTreatment=7 - Considerable problem",
                           "txtCriminalJusticeInformation=Confirmed by P.O. \u201cSmith\u201d"}));
    EXPECT_EQ(cj.chargesList(),
              "shoplifting 2 times;  drug charges 1 time;  DWI 3 times;  Caf\u00e9 brawl 2 times");

    // Written back: 72 fields, 71 separators, byte for byte.
    ASSERT_TRUE(cj.SaveYRN(path));
    EXPECT_EQ(readFile(path), windowsSectionFile(values));
}

TEST_F(CriminalFile, TheSecondCopyOfQuestion5WinsAndAMatchingOneChangesNothing) {
    // A corrected period keeps questions 6 and 7 as read.
    QList<QByteArray> values = storedClient();
    values[44] = " 3 ";
    EXPECT_TRUE(load(values).complete);
    EXPECT_TRUE(shows(cj, {"cboIncarceration=3-6 months", "cboLastIncarceration=1-3 months",
                           "optReasonIncar(3)=1", "optReasonIncar(18)=1",
                           "txtOtherIncarceration=resisting arrest \u2013 twice"}));

    // "Never" first and a period second: the period opens questions 6 and 7 afresh.
    values[23] = " 0 ";
    values[44] = " 2 ";
    EXPECT_TRUE(load(values).complete);
    EXPECT_EQ(cj.listText("cboIncarceration"), "1-3 months");
    EXPECT_TRUE(
        shows(cj, {"cboLastIncarceration=", "optReasonIncar(3)=0", "optReasonIncar(18)=0"}));
    EXPECT_EQ(cj.incarcerationList(), "");

    // A period first and "Never" second: questions 6 and 7 are cleared and closed.
    values[23] = " 2 ";
    values[44] = " 0 ";
    EXPECT_TRUE(load(values).complete);
    EXPECT_TRUE(
        shows(cj, {"cboIncarceration=Never been incarcerated", "cboLastIncarceration= (off)",
                   "optReasonIncar(3)=-1 (off)", "optReasonIncar(18)=-1 (off)"}));
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

TEST_F(CriminalFile, EveryAnswerAndEveryOpenOrClosedBoxComesBackAfterASave) {
    nameClient(locator);
    answerCriminal(cj);
    cj.setText("txtCriminalJusticeInformation", "line one\r\n;\r\n-1\r\n\u0141\u00f3d\u017a");
    ASSERT_TRUE(cj.SaveYRN(path));
    const QList<QByteArray> lines = readFile(path).split('\n');
    ASSERT_EQ(lines.size(), 72 + 71 + 1);  // and the file ends with its line break
    // Field 45 repeats field 24.
    EXPECT_EQ(lines.at(2 * 23), " 5 \r");
    EXPECT_EQ(lines.at(2 * 44), " 5 \r");

    Client<CriminalJusticeSection> other;
    EXPECT_TRUE(other.load(path).complete);
    EXPECT_TRUE(sameState(cj, other.pane));
    EXPECT_TRUE(other.prompts.boxes.isEmpty() && other.prompts.focusRequests.isEmpty());

    // Never incarcerated, no charges awaited: the closed rows come back closed.
    cj.setPosition("cboIncarceration", 0);
    cj.choose("optPresAwCharges", 0);
    ASSERT_TRUE(cj.SaveYRN(path));
    EXPECT_TRUE(other.load(path).complete);
    EXPECT_TRUE(sameState(cj, other.pane));
}

TEST_F(CriminalFile, DamagedFilesKeepWhatWasReadAndNeverCrash) {
    // Cut in the reasons: the fields before are there, the rest as reset.
    const QByteArray bytes = windowsSectionFile(storedClient());
    writeFile(path, bytes.left(bytes.indexOf("\xE9 brawl") + 12));
    LoadResult result = load(path);
    EXPECT_TRUE(result.found && !result.complete);
    EXPECT_TRUE(shows(cj, {"txtCharges(18)=2", "txtOther=Caf\u00e9 brawl",
                           "txtConvictions=", "cboIncarceration="}));

    // A list position outside its list is the reader's error; the rest is read.
    QList<QByteArray> values = storedClient();
    values[68] = " 9 ";
    EXPECT_FALSE(load(values).complete);
    EXPECT_EQ(lastBox(prompts), "Critical|Program Error|Error in module MainModule.LoadCombo");
    EXPECT_EQ(cj.position("cboLegalProblems"), -1);
    EXPECT_EQ(cj.listText("cboNeedLegalTreatment"), "7 - Considerable problem");

    EXPECT_FALSE(loadBytes(junkBytes(73, 11)).complete);
    prompts.clear();
    EXPECT_TRUE(load(QList<QByteArray>(72, "99999999999")).found);
    for (const auto& box : prompts.boxes)
        EXPECT_EQ(box.title, "Program Error");
    EXPECT_FALSE(load(dir.filePath("Missing.YRN")).found);
}

}  // namespace
}  // namespace yrn::test
