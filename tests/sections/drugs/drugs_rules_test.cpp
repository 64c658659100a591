// The drug and alcohol pane's rules: the substance rows and their comments, the
// abstinence, treatment and meeting questions.
#include "sections/SectionRules.h"

namespace yrn::test {
namespace {

struct DrugsRules : ::testing::Test, Client<DrugsSection> {
    DrugCommentDialogModel& dialog = pane.commentDialog();
};

// Typed and written before "Yes": kept; "No" empties the comment and the button
// goes off and plain. One blank is a comment; nothing at all is none.
TEST_F(DrugsRules, ARowsCommentButtonFollowsItsYesAndItsComment) {
    type(arr("txtAge1stUse", 3), "9");
    writeComment(pane, 3, "first tried at a party");
    EXPECT_TRUE(pane.commentIndicator(3));
    prompts.clear();
    play(*this, {{{"optEverUse(3)=1"}, {"txtAge1stUse(3)=09", "optDrugComments(3)=-1"}},
                 {{"optEverUse(3)=0", "reload"}, {"optDrugComments(3)=-1 (off)"}}});
    EXPECT_FALSE(pane.commentIndicator(3));
    EXPECT_EQ(focused(prompts), QStringList{"txtAge1stUse(3)"});  // Yes moves on, not No
    answer(pane, {"optEverUse(3)=1", "optEverUse(3)=1"});
    interview->BeginLoading();
    answer(pane, {"optEverUse(4)=1"});
    interview->EndLoading();
    EXPECT_EQ(prompts.focusRequests.size(), 2);  // not again, nor while loading
    writeComment(pane, 7, " ");
    EXPECT_TRUE(pane.commentIndicator(7));
    writeComment(pane, 7, "");
    EXPECT_FALSE(pane.commentIndicator(7));
}

// The dialog's model: OK returns, Cancel keeps, a second row or a new client cancels.
TEST_F(DrugsRules, TheCommentDialogPassesOkReturnsAndCancelKeeps) {
    int told = 0;
    dialog.observe([&] { ++told; });
    answer(pane, {"optEverUse(2)=1", "optDrugComments(2)=0"});
    EXPECT_TRUE(dialog.isOpen() && told == 1 && dialog.index() == 2 && dialog.comments() == "");
    EXPECT_EQ(dialog.label(), "Cocaine comments");
    dialog.setComments("uses\r\nat weekends");
    dialog.OKButton();
    EXPECT_TRUE(!dialog.isOpen() && told == 2);
    const QStringList kept{"txtDrugComments(2)=uses\r\nat weekends", "optDrugComments(2)=-1"};
    EXPECT_TRUE(looks(pane, kept));  // the button can be clicked again
    answer(pane, {"optDrugComments(2)=0"});
    EXPECT_EQ(dialog.comments(), "uses\r\nat weekends");
    dialog.setComments("thrown away");
    dialog.CancelButton();
    EXPECT_TRUE(!dialog.isOpen() && looks(pane, kept) && pane.commentIndicator(2));
    answer(pane, {"optDrugComments(2)=0"});
    dialog.setComments("lost");
    answer(pane, {"optDrugComments(4)=0"});
    EXPECT_TRUE(dialog.index() == 4 && looks(pane, kept));
    dialog.setComments("of the old client");
    reset();
    EXPECT_FALSE(dialog.isOpen());
    dialog.OKButton();
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(pane.text(arr("txtDrugComments", i)), "");
    EXPECT_TRUE(prompts.boxes.isEmpty());
    // A row outside the table is a program error.
    pane.ReturnComments("x", "Heroin comments", 12);
    pane.CancelledComments(-1);
    EXPECT_EQ(prompts.titles(), (QStringList{"Program Error", "Program Error"}));
    EXPECT_TRUE(prompts.boxes.first().text.startsWith("Error in module ctlDrugs\r\n"));
}

TEST_F(DrugsRules, AbstinenceAndOutpatientDaysFollowWhatGovernsThem) {
    const QString days = "txtOutpatientSettingPast30=";
    play(*this,
         {{{"cboMajorSubstance=13"}, {"chkAbstinence=1 (off)"}},
          {{"cboMajorSubstance=0"}, {"chkAbstinence=0"}},
          {{"chkAbstinence=2"}, {"txtEndAbstinence= (off) [n/a]"}},
          // Choosing the chosen substance again leaves the box as it is.
          {{"chkAbstinence=1", "cboMajorSubstance=0", "reload"},
           {"chkAbstinence=1", "txtMonthsAbstinence= (off) [n/a]"}},
          // Question 11 closes only when neither alcohol nor drugs were treated.
          {{"optDrugTreat=1", "txtOutpatientSettingPast30=5", "optAlcTreat=0"}, {days + "5"}},
          {{"reset", "optAlcTreat=1", "txtOutpatientSettingPast30=4", "optDrugTreat=0", "reload"},
           {days + "4"}},
          {{"optAlcTreat=0", "reload"}, {days + " (off) [n/a]"}},
          {{"optDrugTreat=1"}, {days}},
          {{"reset", "optDrugTreat=1", "txtOutpatientSettingPast30=3", "optAlcTreat=1"},
           {days + "3"}}});
}

}  // namespace
}  // namespace yrn::test
