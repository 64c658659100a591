// The family and social pane's rules, range checks, reset and pages.
#include "sections/ClientFixture.h"
#include "sections/family/FamilyAnswers.h"

namespace yrn::test {
namespace {

class FamilyRules : public ::testing::Test, public Client<FamilySocialSection> {
  protected:
    FamilySocialSection& fs = pane;
    static QString cell(int problem, int relative) {
        return FamilySocialSection::cell(problem, relative);
    }
    // The three answers of a relative's row.
    QList<int> row(int relative) const {
        return {fs.choice(cell(0, relative)), fs.choice(cell(1, relative)),
                fs.choice(cell(2, relative))};
    }
};

TEST_F(FamilyRules, NoRelativeSpreadsAcrossTheRowFromEveryColumn) {
    // The mother's aunt in the drug column (cell 17) fills cells 3 and 31.
    fs.choose("optFamilyHistory(17)", 3);
    EXPECT_EQ(row(3), (QList<int>{3, 3, 3}));
    EXPECT_EQ(fs.choice("optFamilyHistory(3)"), 3);
    EXPECT_EQ(fs.choice("optFamilyHistory(31)"), 3);
    // The alcohol column (the father) and the psychiatric column (sister #2).
    fs.choose(cell(1, 7), 1);
    fs.choose(cell(0, 7), 3);
    EXPECT_EQ(row(7), (QList<int>{3, 3, 3}));
    fs.choose(cell(2, 13), 3);
    EXPECT_EQ(row(13), (QList<int>{3, 3, 3}));
    // Only "No relative" spreads, and only within its row.
    fs.choose(cell(2, 13), 1);
    EXPECT_EQ(row(13), (QList<int>{3, 3, 1}));
    fs.choose(cell(0, 0), 2);
    EXPECT_EQ(row(0), (QList<int>{2, -1, -1}));
    for (int r : {1, 2, 4, 5, 6, 8, 9, 10, 11, 12})
        EXPECT_EQ(row(r), (QList<int>{-1, -1, -1})) << r;
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

TEST_F(FamilyRules, AClientBeingOpenedKeepsMixedRows) {
    // A stored row of alcohol "Yes", drug "Uncertain", psychiatric "No relative".
    interview->BeginLoading();
    fs.choose(cell(0, 2), 1);
    fs.choose(cell(1, 2), 2);
    fs.choose(cell(2, 2), 3);
    interview->EndLoading();
    EXPECT_EQ(row(2), (QList<int>{1, 2, 3}));
    // The interviewer's own choice spreads again.
    fs.choose(cell(2, 2), 0);
    fs.choose(cell(2, 2), 3);
    EXPECT_EQ(row(2), (QList<int>{3, 3, 3}));
}

TEST_F(FamilyRules, NeverMarriedSetsTheCountsToZeroAndOtherStatusesOpenThem) {
    fs.setText("txtTimesMarried", "2");
    fs.setText("txtTimesDivorced", "1");
    fs.setPosition("cboMaritalStatus", 5);
    EXPECT_TRUE(shows(fs, {"txtTimesMarried=0 (off)", "txtTimesDivorced=0 (off)"}));
    EXPECT_EQ(fs.field("txtTimesMarried").background, Background::Normal);
    fs.setPosition("cboMaritalStatus", 4);  // Divorced: open, the "0" kept
    EXPECT_TRUE(shows(fs, {"txtTimesMarried=0", "txtTimesDivorced=0"}));
    fs.setPosition("cboMaritalStatus", 5);
    fs.setPosition("cboMaritalStatus", -1);  // no status opens them too
    EXPECT_TRUE(shows(fs, {"txtTimesMarried=0", "txtTimesDivorced=0"}));

    // Question 5 opens and closes question 6.
    fs.setText("txtTimesMarried", "2");
    EXPECT_TRUE(fs.usable("txtTimesDivorced"));
    fs.setText("txtTimesDivorced", "1");
    fs.setText("txtTimesMarried", "0");
    EXPECT_TRUE(shows(fs, {"txtTimesDivorced=0 (off)"}));
    fs.setText("txtTimesMarried", "");
    EXPECT_TRUE(shows(fs, {"txtTimesDivorced=0"}));
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

TEST_F(FamilyRules, HomelessAnswerOpensOrClosesWhereTheClientStayed) {
    const QString place = "cboHomelessLiving";
    fs.choose("optHomeless", 1);
    fs.setPosition(place, 2);
    fs.choose("optHomeless", 0);
    EXPECT_TRUE(shows(fs, {"cboHomelessLiving= (off)"}));
    EXPECT_EQ(fs.field(place).background, Background::NotApplicable);
    fs.choose("optHomeless", 1);
    EXPECT_TRUE(shows(fs, {"cboHomelessLiving="}));
    EXPECT_EQ(fs.field(place).background, Background::Normal);
    fs.setPosition(place, 3);
    fs.choose("optHomeless", 1);  // chosen again: nothing changes
    EXPECT_EQ(fs.listText(place), "In a building");
}

TEST_F(FamilyRules, RangeChecksRefuseWhatIsOutOfBounds) {
    const struct {
        const char* id;
        const char* refused;
        const char* kept;
    } cases[] = {
        {"txtDifferentPlaces", "357", "356"}, {"txtMSMonths", "12", "11"},
        {"txtCloseFriends", "51", "50"},      {"txtTimesMarried", "11", "10"},
        {"txtConflictsOthers", "31", "30"},   {"txtUsualLivingArrangmentsY", "x", "99"},
    };
    for (const auto& c : cases) {
        prompts.clear();
        type(c.id, c.refused);
        EXPECT_EQ(fs.text(c.id), "") << c.id;
        EXPECT_EQ(prompts.titles(), QStringList{"Input Error"}) << c.id;
        EXPECT_EQ(focused(prompts), QStringList{c.id});
        type(c.id, c.kept);
        EXPECT_EQ(fs.text(c.id), c.kept) << c.id;
    }
    // No leading "0" is asked for.
    type("txtMSYears", "7");
    EXPECT_EQ(fs.text("txtMSYears"), "7");
}

TEST_F(FamilyRules, NewClientClearsEveryAnswerAndOpensEveryBox) {
    answerFamily(fs);
    fs.setPosition("cboMaritalStatus", 5);
    fs.choose("optHomeless", 0);
    Client<FamilySocialSection> fresh;
    EXPECT_FALSE(sameState(fs, fresh.pane));
    reset();
    EXPECT_TRUE(sameState(fs, fresh.pane));
    EXPECT_TRUE(fs.usable("txtTimesDivorced") && fs.usable("cboHomelessLiving"));
    EXPECT_EQ(fs.choice(cell(0, 8)), -1);
}

TEST_F(FamilyRules, PagesHandOverToTheNeighbouringSections) {
    ASSERT_EQ(fs.pages().size(), 6);
    EXPECT_EQ(fs.nextPage(5), -1);
    EXPECT_EQ(fs.backPage(0), -1);
    EXPECT_EQ(fs.page(5)->nextCaption, "&Mental Health");
    EXPECT_EQ(fs.page(0)->backButton, "cmdBackFS(0)");
    // The grid: a heading over each group, fourteen relatives of three cells.
    const Block& grid = fs.page(0)->blocks.last();
    ASSERT_EQ(grid.rows.size(), 17);
    EXPECT_EQ(grid.rows.at(6).label, "FATHER'S SIDE");
    EXPECT_EQ(grid.rows.at(9).cells, (QStringList{cell(0, 7), cell(1, 7), cell(2, 7)}));
    EXPECT_EQ(fs.label(FamilySocialSection::relativeLabel(7)), "Father");
    EXPECT_EQ(fs.field(cell(1, 7)).tip, "Drug problems: Father (father's side)");
    EXPECT_EQ(fs.field(cell(2, 12)).captions,
              (QStringList{"No", "Yes", "Uncertain", "No relative"}));
}

}  // namespace
}  // namespace yrn::test
