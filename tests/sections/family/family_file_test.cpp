// "FamilySocial.YRN": a file written on a Windows machine, round trips and damage.
#include "sections/SectionFileTest.h"
#include "sections/family/FamilyAnswers.h"

namespace yrn::test {
namespace {

// 70 fields: the grid by column (alcohol, drug, psychiatric), each in relative
// order; then the answers of questions 2 to 23.
QList<QByteArray> storedClient() {
    QList<QByteArray> v;
    // The mother (relative 2) has a mixed row: "Yes", "Uncertain", "No relative";
    // the father's aunt (8) has no relative; brother #1 (10) is unanswered.
    const char* alcohol[] = {"0", "1", "1", "0", "1", "2", "2", "1", "3", "0", "-1", "3", "0", "3"};
    const char* drug[] = {"0", "0", "2", "0", "1", "2", "2", "0", "3", "0", "-1", "3", "0", "3"};
    const char* psych[] = {"0", "2", "3", "0", "0", "2", "2", "0", "3", "0", "-1", "3", "1", "3"};
    for (const auto* column : {alcohol, drug, psych})
        for (int r = 0; r < 14; ++r)
            v << column[r];
    v += {" 4 ", "3", "-1 ", "0", "2", "1", "0"};         // questions 2 to 7
    v += {" 8 ", "12", "6", "2", "1", "1", " 5 "};        // questions 8 to 13
    v += {"356", "-1 ", "1", "0", "1", "-1", "0", "30"};  // 14 to 17
    v += {" 0 ", " 4 ", " 2 ", "-1 ", " 9 "};             // 18 to 22
    // 23, with the typographic quotes of a Windows keyboard
    v << "Lives with Mom\x92s sister; \x93"
         "close\x94";
    return v;
}

class FamilyFile : public SectionFileTest<FamilySocialSection> {
  protected:
    FamilySocialSection& fs = pane;
};

TEST_F(FamilyFile, WindowsFileLoadsExactlyAndSavesBackUnchanged) {
    const QList<QByteArray> values = storedClient();
    ASSERT_EQ(values.size(), 70);
    EXPECT_TRUE(load(values).complete);
    EXPECT_TRUE(prompts.boxes.isEmpty() && prompts.focusRequests.isEmpty());
    // The mixed row is read as stored: the "No relative" read last spreads nowhere.
    EXPECT_EQ(fs.choice("optFamilyHistory(2)"), 1);
    EXPECT_EQ(fs.choice("optFamilyHistory(16)"), 2);
    EXPECT_EQ(fs.choice("optFamilyHistory(30)"), 3);
    EXPECT_EQ(fs.choice("optFamilyHistory(10)"), -1);
    EXPECT_EQ(fs.choice("optFamilyHistory(40)"), 1);
    EXPECT_TRUE(
        shows(fs, {"cboMaritalStatus=Divorced",
                   "txtMSYears=3",
                   "txtMSMonths=",
                   "optMSSatisfied=0",
                   "txtTimesMarried=2",
                   "txtTimesDivorced=1",
                   "txtLiveInSexPartnersNum=0",
                   "cboUsualLivingArrangments=No stable arrangements (include shelter)",
                   "txtUsualLivingArrangmentsY=12",
                   "optLASatisified=2",
                   "optHomeless=1",
                   "cboHomelessLiving=Other",
                   "txtDifferentPlaces=356",
                   "txtCloseFriends=",
                   "optAbuse(0)=1",
                   "optAbuse(3)=-1",
                   "txtConflictsOthers=30",
                   "cboFamilyProblems30=Not at all",
                   "cboTreatmentFamily=Moderately",
                   "cboTreatmentSocial=",
                   "cboNeedFamilyTreatment=9 - Extreme problem",
                   QString::fromUtf8("txtFamilySocialComments=Lives with Mom’s sister; “close”")}));

    // Written back: 70 value lines and 69 separators, byte for byte.
    ASSERT_TRUE(fs.SaveYRN(path));
    EXPECT_EQ(readFile(path), windowsSectionFile(values));
}

TEST_F(FamilyFile, EveryAnswerSurvivesASaveAndALoad) {
    Client<FamilySocialSection> other;
    const auto roundTrip = [&] {
        EXPECT_TRUE(fs.SaveYRN(path));
        EXPECT_TRUE(other.load(path).complete);
        EXPECT_TRUE(sameState(fs, other.pane));
    };
    // A divorce count after "Divorced", the place after "Yes" to question 12, rows
    // of "No relative", a comment of several lines.
    answerFamily(fs);
    fs.setText("txtFamilySocialComments", "First line\r\n;\r\n-1");
    roundTrip();
    EXPECT_TRUE(shows(other.pane, {"txtTimesDivorced=1", "cboHomelessLiving=With friends",
                                   "optFamilyHistory(22)=3", "optFamilyHistory(36)=3"}));
    // Never married (the counts closed at "0"), not homeless (the list closed).
    fs.setPosition("cboMaritalStatus", 5);
    fs.choose("optHomeless", 0);
    roundTrip();
    EXPECT_TRUE(shows(other.pane, {"txtTimesDivorced=0 (off)", "cboHomelessLiving= (off)"}));
    EXPECT_EQ(readFile(path).count("\r\n;\r\n"), 69);
}

TEST_F(FamilyFile, DamagedFilesKeepWhatWasReadAndNeverCrash) {
    const QByteArray bytes = windowsSectionFile(storedClient());
    // Cut after the marital status: the grid and the status are there.
    writeFile(path, bytes.left(bytes.indexOf(" 4 ") + 5));
    LoadResult result = load(path);
    EXPECT_TRUE(result.found && !result.complete);
    EXPECT_EQ(fs.choice("optFamilyHistory(30)"), 3);
    EXPECT_EQ(fs.listText("cboMaritalStatus"), "Divorced");
    EXPECT_EQ(fs.text("txtMSYears"), "");

    // A list position beyond the list: the reader's box, and the rest is read.
    QList<QByteArray> values = storedClient();
    values[42] = " 6 ";
    EXPECT_FALSE(load(values).complete);
    EXPECT_EQ(prompts.titles(), QStringList{"Program Error"});
    EXPECT_EQ(fs.position("cboMaritalStatus"), -1);
    EXPECT_EQ(fs.text("txtMSYears"), "3");
    EXPECT_EQ(fs.listText("cboNeedFamilyTreatment"), "9 - Extreme problem");

    EXPECT_FALSE(loadBytes(junkBytes(37, 5)).complete);
    prompts.clear();
    EXPECT_TRUE(load(QList<QByteArray>(70, "7")).found);
    for (const auto& box : prompts.boxes)
        EXPECT_EQ(box.title, "Program Error");
    EXPECT_FALSE(load(dir.filePath("Missing.YRN")).found);
}

}  // namespace
}  // namespace yrn::test
