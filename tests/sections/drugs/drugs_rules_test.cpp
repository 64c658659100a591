// The drug and alcohol pane's rules, checks, comment dialog, page skips and reset.
// The rules run by the person's clicks and again by reading the saved answers.
#include "sections/drugs/DrugsClient.h"

namespace yrn::test {
namespace {

class DrugsRules : public ::testing::Test, public Client<DrugsSection> {
  protected:
    DrugsSection& drugs = pane;

    QStringList row(int i) const { return DrugsSection::rowFields(i); }
    // The three numbers and the comment of a row: empty, closed and dark red.
    ::testing::AssertionResult rowClosed(int i) const {
        for (const QString& id : row(i).mid(1)) {
            const Field& f = drugs.field(id);
            if (f.enabled || !f.text.isEmpty() || f.background != Background::NotApplicable)
                return ::testing::AssertionFailure() << qPrintable(id);
        }
        return ::testing::AssertionSuccess();
    }
    bool open(const QString& id) const {
        return drugs.field(id).enabled && drugs.field(id).background == Background::Normal;
    }
};

TEST_F(DrugsRules, NoEmptiesAndClosesTheRowAndSwitchesItsIndicatorOff) {
    drugs.choose(arr("optEverUse", 3), 1);
    type(arr("txtAge1stUse", 3), "15");
    type(arr("txtDaysUsedLast30", 3), "4");
    writeComment(drugs, 3, "smokes with friends");
    EXPECT_TRUE(drugs.commentIndicator(3));

    drugs.choose(arr("optEverUse", 3), 0);
    EXPECT_TRUE(rowClosed(3));
    const Field& button = drugs.field(arr("optDrugComments", 3));
    EXPECT_FALSE(button.enabled);
    EXPECT_EQ(button.choice, -1);
    EXPECT_FALSE(drugs.commentIndicator(3));
    expectSameAfterReload();
}

TEST_F(DrugsRules, YesAfterNoOpensEmptyBoxesAndMovesTheFocusButNotWhileLoading) {
    drugs.choose(arr("optEverUse", 5), 0);
    prompts.clear();
    drugs.choose(arr("optEverUse", 5), 1);
    for (const QString& id : row(5).mid(1)) {
        EXPECT_TRUE(open(id)) << qPrintable(id);
        EXPECT_TRUE(drugs.text(id).isEmpty()) << qPrintable(id);
    }
    EXPECT_TRUE(drugs.field(arr("optDrugComments", 5)).enabled);
    EXPECT_EQ(focused(prompts), QStringList{"txtAge1stUse(5)"});

    // Clicking the chosen "Yes" again changes nothing.
    type(arr("txtAge1stUse", 5), "19");
    drugs.choose(arr("optEverUse", 5), 1);
    EXPECT_EQ(drugs.text(arr("txtAge1stUse", 5)), "19");
    EXPECT_EQ(prompts.focusRequests.size(), 1);

    interview->BeginLoading();
    drugs.choose(arr("optEverUse", 6), 1);
    interview->EndLoading();
    EXPECT_EQ(prompts.focusRequests.size(), 1);
    expectSameAfterReload();
}

TEST_F(DrugsRules, YesOnAnUnansweredRowKeepsWhatWasTypedAndWritten) {
    type(arr("txtAge1stUse", 2), "9");
    writeComment(drugs, 2, "first tried at a party");
    drugs.choose(arr("optEverUse", 2), 1);
    EXPECT_TRUE(shows(drugs, {"txtAge1stUse(2)=09", "txtDrugComments(2)=first tried at a party"}));
    EXPECT_TRUE(drugs.commentIndicator(2));
    expectSameAfterReload();
}

TEST_F(DrugsRules, TheCommentDialogPassesOkReturnsAndCancelKeeps) {
    DrugCommentDialogModel& dialog = drugs.commentDialog();
    int told = 0;
    dialog.observe([&] { ++told; });

    drugs.choose(arr("optEverUse", 2), 1);
    drugs.choose(arr("optDrugComments", 2), 0);
    EXPECT_TRUE(dialog.isOpen());
    EXPECT_EQ(told, 1);
    EXPECT_EQ(dialog.index(), 2);
    EXPECT_EQ(dialog.label(), "Cocaine comments");
    EXPECT_EQ(dialog.comments(), "");
    dialog.setComments("uses\r\nat weekends");
    dialog.OKButton();
    EXPECT_FALSE(dialog.isOpen());
    EXPECT_EQ(told, 2);
    EXPECT_EQ(drugs.text(arr("txtDrugComments", 2)), "uses\r\nat weekends");
    EXPECT_EQ(drugs.choice(arr("optDrugComments", 2)), -1);  // can be clicked again
    EXPECT_TRUE(drugs.commentIndicator(2));

    // Cancel keeps the comment and its indicator.
    drugs.choose(arr("optDrugComments", 2), 0);
    EXPECT_EQ(dialog.comments(), "uses\r\nat weekends");
    dialog.setComments("thrown away");
    dialog.CancelButton();
    EXPECT_FALSE(dialog.isOpen());
    EXPECT_EQ(drugs.text(arr("txtDrugComments", 2)), "uses\r\nat weekends");
    EXPECT_EQ(drugs.choice(arr("optDrugComments", 2)), -1);
    EXPECT_TRUE(drugs.commentIndicator(2));

    // One blank is a comment; nothing at all is none.
    writeComment(drugs, 7, " ");
    EXPECT_TRUE(drugs.commentIndicator(7));
    writeComment(drugs, 7, "");
    EXPECT_FALSE(drugs.commentIndicator(7));

    // A second row asking while the dialog is up cancels the first.
    drugs.choose(arr("optDrugComments", 2), 0);
    dialog.setComments("lost");
    drugs.choose(arr("optDrugComments", 4), 0);
    EXPECT_EQ(dialog.index(), 4);
    EXPECT_EQ(drugs.text(arr("txtDrugComments", 2)), "uses\r\nat weekends");
    EXPECT_EQ(drugs.choice(arr("optDrugComments", 2)), -1);

    // A new client while it is up: closed as Cancel, nothing reaches the new client.
    dialog.setComments("of the old client");
    reset();
    EXPECT_FALSE(dialog.isOpen());
    dialog.OKButton();
    for (int i = 0; i < 12; ++i)
        EXPECT_TRUE(drugs.text(arr("txtDrugComments", i)).isEmpty());
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

TEST_F(DrugsRules, ARowIndexOutsideTheTableIsAProgramError) {
    drugs.ReturnComments("x", "Heroin comments", 12);
    drugs.CancelledComments(-1);
    EXPECT_EQ(prompts.titles(), (QStringList{"Program Error", "Program Error"}));
    EXPECT_TRUE(prompts.boxes.first().text.startsWith("Error in module ctlDrugs\r\n"));
}

TEST_F(DrugsRules, NoProblemClosesTheAbstinenceQuestionsAndAnotherSubstanceOpensThem) {
    type("txtMonthsAbstinence", "6");
    type("txtEndAbstinence", "2");
    drugs.setPosition("cboMajorSubstance", 13);
    EXPECT_TRUE(shows(
        drugs, {"chkAbstinence=1 (off)", "txtMonthsAbstinence= (off)", "txtEndAbstinence= (off)"}));
    EXPECT_EQ(drugs.field("txtEndAbstinence").background, Background::NotApplicable);
    expectSameAfterReload();

    drugs.setPosition("cboMajorSubstance", 0);
    EXPECT_TRUE(shows(drugs, {"chkAbstinence=0", "txtMonthsAbstinence=", "txtEndAbstinence="}));
    EXPECT_TRUE(open("txtMonthsAbstinence") && open("txtEndAbstinence"));

    // The check box alone closes and reopens the boxes; choosing the chosen
    // substance again leaves it as it is.
    drugs.setCheck("chkAbstinence", CheckState::Ticked);
    EXPECT_FALSE(drugs.field("txtMonthsAbstinence").enabled);
    drugs.setPosition("cboMajorSubstance", 0);
    EXPECT_EQ(drugs.checkState("chkAbstinence"), CheckState::Ticked);
    expectSameAfterReload();
    drugs.setCheck("chkAbstinence", CheckState::Clear);
    EXPECT_TRUE(open("txtMonthsAbstinence") && open("txtEndAbstinence"));
}

TEST_F(DrugsRules, TreatmentQuestionsCloseAndOpenTheirCounts) {
    const QStringList alcohol{"txtAlcAbuseL", "txtAlcAbusePY",  "txtDetoxL",
                              "txtDetoxPY",   "txtOutpatientL", "txtOutpatientPY"};
    for (const QString& id : alcohol)
        type(id, "1");
    drugs.choose("optAlcTreat", 0);
    for (const QString& id : alcohol)
        EXPECT_TRUE(shows(drugs, {id + "= (off)"}));
    drugs.choose("optAlcTreat", 1);
    for (const QString& id : alcohol)
        EXPECT_TRUE(open(id) && drugs.text(id).isEmpty()) << qPrintable(id);
    type("txtDetoxL", "3");
    drugs.choose("optAlcTreat", 1);  // the chosen answer again
    EXPECT_EQ(drugs.text("txtDetoxL"), "3");

    drugs.choose("optDrugTreat", 0);
    EXPECT_TRUE(shows(drugs, {"txtDrugDetoxPY= (off)", "txtDrugOutpatientL= (off)"}));
    expectSameAfterReload();
}

// Question 11 counts outpatient days for alcohol or drugs.
TEST_F(DrugsRules, OutpatientDaysCloseOnlyWhenNeitherAlcoholNorDrugsWereTreated) {
    const QString days = "txtOutpatientSettingPast30";
    // Drugs only: treated for drugs, never for alcohol.
    drugs.choose("optDrugTreat", 1);
    type(days, "5");
    drugs.choose("optAlcTreat", 0);
    EXPECT_TRUE(shows(drugs, {days + "=5"}));

    // Alcohol only: "No" to drugs keeps the days of the alcohol treatment.
    reset();
    drugs.choose("optAlcTreat", 1);
    type(days, "4");
    drugs.choose("optDrugTreat", 0);
    EXPECT_TRUE(shows(drugs, {days + "=4"}));
    expectSameAfterReload();

    // Neither: closed and emptied; a "Yes" to either opens it again.
    drugs.choose("optAlcTreat", 0);
    EXPECT_TRUE(shows(drugs, {days + "= (off)"}));
    EXPECT_EQ(drugs.field(days).background, Background::NotApplicable);
    expectSameAfterReload();
    drugs.choose("optDrugTreat", 1);
    EXPECT_TRUE(open(days));

    // A second "Yes" does not empty what the first one opened.
    reset();
    drugs.choose("optDrugTreat", 1);
    type(days, "3");
    drugs.choose("optAlcTreat", 1);
    EXPECT_TRUE(shows(drugs, {days + "=3"}));
}

TEST_F(DrugsRules, MeetingQuestionsCloseAndOpenWhatFollows) {
    drugs.choose("optAAL", 1);
    drugs.choose("optAAPY", 1);
    type("txtAANAMeetings30", "8");
    drugs.choose("optAAPY", 1);  // again: the days stay
    EXPECT_TRUE(shows(drugs, {"txtAANAMeetings30=8"}));
    expectSameAfterReload();

    drugs.choose("optAAL", 0);
    EXPECT_TRUE(shows(drugs, {"optAAPY=-1 (off)", "txtAANAMeetings30= (off)"}));
    EXPECT_EQ(drugs.field("optAAPY").background, Background::NotApplicable);
    expectSameAfterReload();

    drugs.choose("optAAL", 1);
    EXPECT_TRUE(shows(drugs, {"optAAPY=-1", "txtAANAMeetings30="}));
    EXPECT_TRUE(open("optAAPY") && open("txtAANAMeetings30"));
    drugs.choose("optAAPY", 0);
    EXPECT_TRUE(shows(drugs, {"txtAANAMeetings30= (off)"}));
    drugs.choose("optAAPY", 1);
    EXPECT_TRUE(open("txtAANAMeetings30"));
    expectSameAfterReload();
}

// Each range: the bounds pass, one beyond fails with the range in its message.
TEST_F(DrugsRules, RangeChecksRefuseValuesBeyondTheirBounds) {
    struct Range {
        const char* id;
        int min;
        int max;
    };
    const Range ranges[] = {
        {"txtAge1stUse(0)", 5, 50},
        {"txtDaysUsedLast30(11)", 0, 30},
        {"txtYearsUsedLife(6)", 0, 50},
        {"txtMonthsAbstinence", 1, 200},
        {"txtEndAbstinence", 0, 200},
        {"txtNumDTs", 0, 20},
        {"txtNumODs", 0, 20},
        {"txtOutpatientL", 0, 30},
        {"txtOutpatientPY", 0, 14},
        {"txtAlcAbuseL", 0, 30},
        {"txtAlcAbusePY", 0, 15},
        {"txtDetoxL", 0, 30},
        {"txtDetoxPY", 0, 15},
        {"txtDrugOutpatientL", 0, 30},
        {"txtDrugOutpatientPY", 0, 15},
        {"txtDrugAbuseL", 0, 30},
        {"txtDrugAbusePY", 0, 15},
        {"txtDrugDetoxL", 0, 30},
        {"txtDrugDetoxPY", 0, 15},
        {"txtOutpatientSettingPast30", 0, 30},
        {"txtAANAMeetings30", 0, 30},
        {"txtDollarsAlc30", 0, 999999},
        {"txtDollarsDrugs30", 0, 999999},
        {"txtAlcProblemsDays", 0, 30},
        {"txtDrugProblemsDays", 0, 30},
    };
    for (const Range& r : ranges) {
        const QString id = QString::fromLatin1(r.id);
        for (int value : {r.min, r.max}) {
            type(id, QString::number(value));
            EXPECT_FALSE(drugs.text(id).isEmpty()) << r.id << ' ' << value;
        }
        for (int value : {r.min - 1, r.max + 1}) {
            prompts.clear();
            type(id, QString::number(value));
            EXPECT_TRUE(drugs.text(id).isEmpty()) << r.id << ' ' << value;
            EXPECT_EQ(lastBox(prompts),
                      QStringLiteral("Critical|Input Error|Invalid data range or type!\r\nMust be "
                                     "a numeric value between %1 and %2")
                          .arg(r.min)
                          .arg(r.max))
                << r.id;
        }
    }
    // The table's columns pad; the other boxes keep what was typed.
    type(arr("txtAge1stUse", 4), "7");
    type(arr("txtYearsUsedLife", 4), "0");
    type("txtNumDTs", "3");
    EXPECT_TRUE(shows(drugs, {"txtAge1stUse(4)=07", "txtYearsUsedLife(4)=00", "txtNumDTs=3"}));
}

TEST_F(DrugsRules, PagesSkipTheCommentPageAndHandOverAtBothEnds) {
    QList<int> indexes;
    for (const Page& page : drugs.pages())
        indexes << page.index;
    EXPECT_EQ(indexes, (QList<int>{0, 1, 2, 5, 6, 7, 8}));
    EXPECT_EQ(drugs.firstPage(), 0);
    EXPECT_EQ(drugs.lastPage(), 8);
    QList<int> forward{0};
    while (forward.last() >= 0)
        forward << drugs.nextPage(forward.last());
    EXPECT_EQ(forward, (QList<int>{0, 1, 5, 6, 7, 8, -1}));
    QList<int> backward{8};
    while (backward.last() >= 0)
        backward << drugs.backPage(backward.last());
    EXPECT_EQ(backward, (QList<int>{8, 7, 6, 5, 1, 0, -1}));
    EXPECT_TRUE(drugs.page(2)->nextCaption.isEmpty() && drugs.page(2)->backCaption.isEmpty());
    EXPECT_EQ(drugs.page(8)->nextCaption, "&Criminal History");
    EXPECT_EQ(drugs.page(8)->nextButton, "cmdNextD(8)");
    EXPECT_EQ(drugs.page(0)->backButton, "cmdBackD(0)");
}

TEST_F(DrugsRules, ANewClientStartsFromTheStateOfProgramStart) {
    Client<DrugsSection> fresh;
    answerDrugs(drugs);
    drugs.choose(arr("optEverUse", 4), 0);
    drugs.choose("optAAL", 0);
    drugs.choose("optAlcTreat", 0);
    drugs.choose("optDrugTreat", 0);
    drugs.setPosition("cboMajorSubstance", 13);
    reset();
    EXPECT_TRUE(sameState(drugs, fresh.pane));
    EXPECT_EQ(drugs.field("cboMajorSubstance").items.size(), 14);
    EXPECT_EQ(drugs.field("cboNeedDrugTreatment").items.last(), "9 - Extreme problem");
}

}  // namespace
}  // namespace yrn::test
