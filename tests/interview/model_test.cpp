#include <gtest/gtest.h>

#include "support/SampleSection.h"
#include "support/TestSupport.h"

using namespace yrn;
using namespace yrn::test;

namespace {

struct ModelTest : ::testing::Test {
    RecordingPrompts prompts;
    Interview interview{prompts};
    SampleSection& s =
        static_cast<SampleSection&>(interview.add(std::make_unique<SampleSection>(interview)));
};

TEST_F(ModelTest, RulesRunOnEveryChangeWhoeverMadeItButNotWhenAGroupIsCleared) {
    QStringList log;
    s.onClick("optWorking", [&](int b) { log << "click " + QString::number(b); });
    s.onChange("txtName", [&] { log << "change " + s.text("txtName"); });
    s.onClick("cboLanguage", [&](int p) { log << "list " + QString::number(p); });
    s.onClick("chkAbstinence", [&](int v) { log << "check " + QString::number(v); });

    s.choose("optWorking", 1);
    s.choose("optWorking", 1);    // already chosen: nothing fires
    s.clearOption("optWorking");  // clearing a group fires nothing
    s.setText("txtName", "Doe");
    s.setText("txtName", "Doe");  // unchanged text: nothing fires
    s.setPosition("cboLanguage", 2);
    s.setPosition("cboLanguage", -1);  // to "none" fires too
    s.setCheck("chkAbstinence", CheckState::Grey);
    EXPECT_EQ(log, QStringList({"click 1", "change Doe", "list 2", "list -1", "check 2"}));
    EXPECT_EQ(s.choice("optWorking"), -1);
}

TEST_F(ModelTest, RulesChangeOtherFieldsWhoseRulesRunInTurnAndFramesGuardTheFocus) {
    s.onClick("optWorking", [&](int b) {
        if (b == 0)
            s.clearField("txtWorkPlace");
        else
            s.openField("txtWorkPlace");
    });
    int changes = 0;
    s.onChange("txtWorkPlace", [&] { ++changes; });

    // A closed frame makes its members unusable: no focus is sent there.
    EXPECT_TRUE(s.field("txtWorkPlace").enabled && !s.usable("txtWorkPlace"));
    s.requestFocus("txtWorkPlace");
    EXPECT_TRUE(prompts.focusRequests.isEmpty());
    s.setFrameEnabled("fmeWork", true);
    s.requestFocus("txtWorkPlace");
    EXPECT_EQ(focused(prompts), QStringList{"txtWorkPlace"});
    EXPECT_EQ(prompts.focusRequests.value(0).module, "ctlSample");

    s.setText("txtWorkPlace", "Mill");
    s.choose("optWorking", 0);
    EXPECT_TRUE(shows(s, {"txtWorkPlace= (off)"}));
    EXPECT_EQ(s.field("txtWorkPlace").background, Background::NotApplicable);
    EXPECT_EQ(changes, 2);
    s.requestFocus("txtWorkPlace");
    EXPECT_EQ(prompts.focusRequests.size(), 1);
    s.choose("optWorking", 1);
    EXPECT_TRUE(shows(s, {"txtWorkPlace="}));
    EXPECT_EQ(s.field("txtWorkPlace").background, Background::Normal);
}

TEST_F(ModelTest, ResetRestoresTheStartStateOfFieldsLabelsAndFramesWithoutRunningRules) {
    int fired = 0;
    s.onChange("txtName", [&] { ++fired; });
    s.onClick("optWorking", [&](int) { ++fired; });
    s.setText("txtName", "Doe");
    s.choose("optWorking", 1);
    s.setEnabled("txtDays", false);
    s.setBackground("txtDays", Background::NotApplicable);
    s.setLabel("lblQuestion", "12.    How many times have you been pregnant?");
    s.setFrameEnabled("fmeWork", true);
    s.setPosition("cboRace", 3);
    fired = 0;

    s.NewYRN();
    EXPECT_EQ(fired, 0);
    EXPECT_TRUE(
        shows(s, {"txtName=", "optWorking=-1", "txtDays=", "cboRace=", "txtWorkPlace= (off)"}));
    EXPECT_EQ(s.field("txtDays").background, Background::Normal);
    EXPECT_EQ(s.label("lblQuestion"), "Choose the gender first.");
}

TEST_F(ModelTest, ObserversHearEveryChangeAndFaultsAreReportedAsProgramError) {
    QStringList seen;
    const int handle = s.observe([&](const QString& id) { seen << id; });
    s.setText("txtName", "x");
    s.setLabel("lblQuestion", "y");
    s.setFrameEnabled("fmeWork", true);
    EXPECT_EQ(seen, QStringList({"txtName", "lblQuestion", "fmeWork"}));
    s.unobserve(handle);
    s.setText("txtName", "z");
    EXPECT_EQ(seen.size(), 3);

    s.onChange(
        "txtName", [&] { s.setText("txtNoSuchBox", "1"); }, "ctlSample.txtName_Change");
    s.setText("txtName", "again");
    EXPECT_EQ(prompts.boxes.size(), 1);
    EXPECT_TRUE(lastBox(prompts).startsWith(
        "Critical|Program Error|Error in module ctlSample.txtName_Change\r\nError description:  "));
    EXPECT_EQ(s.text("txtName"), "again");

    // The shared module's texts name the procedure only.
    EXPECT_EQ(ErrorSite::shared("LoadCombo").message("Overflow"),
              "Error in module MainModule.LoadCombo");
    EXPECT_EQ(ErrorSite::module("frmDialog.cmdOKButton_Click").message("Path not found"),
              "Error in module frmDialog.cmdOKButton_Click\r\nError description:  Path not found");
    prompts.clear();
    EXPECT_FALSE(guarded(prompts, ErrorSite::shared("CD"), [] { throw std::runtime_error("x"); }));
    EXPECT_TRUE(guarded(prompts, ErrorSite::shared("CD"), [] {}));
    EXPECT_EQ(prompts.titles(), QStringList({"Program Error"}));
}

TEST_F(ModelTest, ListsReportTheirTextAndCodeAndArraysTheirStem) {
    s.setPosition("cboRace", 3);
    EXPECT_EQ(s.listText("cboRace"), "Multi-race");
    EXPECT_EQ(s.field("cboRace").code(), 65);
    s.setPosition("cboLanguage", 1);
    EXPECT_EQ(s.field("cboLanguage").code(), 1);
    EXPECT_THROW(s.setPosition("cboLanguage", 3), ProgramError);
    EXPECT_EQ(arr("txtCharges", 2), "txtCharges(2)");
    EXPECT_EQ(s.field("txtCharges(2)").stem, "txtCharges");
    EXPECT_EQ(s.field("txtCharges(2)").index, 2);
}

// A held answer is closed and out of sight but kept: opening the field shows it
// again; any new value, and a reset, end the hold.
TEST_F(ModelTest, HeldAnswersAreKeptUntilTheFieldOpensOrChanges) {
    s.setText("txtName", "Doe");
    s.choose("optWorking", 1);
    s.holdField("txtName");
    s.holdField("optWorking");
    const Field& name = s.field("txtName");
    EXPECT_TRUE(name.held && !name.enabled && name.background == Background::NotApplicable);
    EXPECT_EQ(name.text, "Doe");
    s.openField("txtName");
    EXPECT_FALSE(s.field("txtName").held);
    EXPECT_EQ(s.text("txtName"), "Doe");

    s.holdField("txtName");
    s.setText("txtName", "Roe");  // a file reader or a rule puts a value there
    EXPECT_FALSE(s.field("txtName").held);
    s.clearOption("optWorking");
    EXPECT_FALSE(s.field("optWorking").held);
    s.holdField("txtDays");
    s.NewYRN();
    EXPECT_FALSE(s.field("txtDays").held);
}

// A box is drawn for its maximum length, or for the digits of its range.
TEST_F(ModelTest, ShownLengthComesFromTheLimitOrTheRange) {
    EXPECT_EQ(s.shownLength("txtName"), 25);
    EXPECT_EQ(s.shownLength("txtWorkPlace"), 25);
    EXPECT_EQ(s.shownLength("txtComments"), 0);
    s.rangeCheck("txtComments", -1000, 99);
    EXPECT_EQ(s.shownLength("txtComments"), 5);
}

TEST(PageTest, FieldsFollowTheDeclaredOrderOfAnswersAndTableCells) {
    QList<Page> pages;
    PageBuilder(pages, 0)
        .heading("Heading")
        .question("1.", {{"txtA"}, {"optB"}})
        .table({}, {"One", "Two"}, {{"Row 1", {}, {"optC(0)", ""}}, {"Row 2", {}, {"", "txtD"}}})
        .note("A note")
        .question("2.", {{"cboE"}});
    EXPECT_EQ(pages.first().fields(), QStringList({"txtA", "optB", "optC(0)", "txtD", "cboE"}));
}

TEST(InterviewTest, WithoutSectionsTheIdentityAndPronounsAreEmpty) {
    RecordingPrompts prompts;
    Interview interview(prompts);
    EXPECT_FALSE(interview.identity().CheckSaveValues());
    EXPECT_EQ(interview.pronouns().heshe(), "");
}

}  // namespace
