// The demographic pane's rules, checks, page skips and reset. Each rule runs by
// the person's clicks and then again by reading the saved answers.
#include "sections/ClientFixture.h"

namespace yrn::test {
namespace {

class DemographicRules : public ::testing::Test, public Client<DemographicSection> {
  protected:
    DemographicSection& dem = pane;
    QTemporaryDir dir;

    void fillRow(int row) {
        dem.choose(arr("optGender", row), 1);
        type(arr("txtChildsDOBM", row), "4");
        type(arr("txtChildsDOBD", row), "15");
        type(arr("txtChildsDOBY", row), "2001");
        dem.setPosition(arr("cboChildSupport", row), 0);
    }
    bool rowFilled(int row) const {
        return dem.choice(arr("optGender", row)) == 1 &&
               dem.text(arr("txtChildsDOBM", row)) == "04" &&
               dem.position(arr("cboChildSupport", row)) == 0;
    }
    bool rowEmptyAndClosed(int row) const {
        for (const QString& id : DemographicSection::childRowFields(row)) {
            const Field& f = dem.field(id);
            if (f.enabled || !f.text.isEmpty() || f.choice != -1 || f.position != -1) return false;
        }
        return true;
    }
};

TEST_F(DemographicRules, StartStateAndResetReturnEverythingToProgramStart) {
    for (const char* id : {"txtYearsUS", "txtPregnancies", "txtLiveBirths", "optD1Gender"})
        EXPECT_FALSE(dem.field(id).enabled) << id;
    for (const char* frame : {"fmeControlledEnv", "fmeChildren", "fmeOtherChildren"})
        EXPECT_FALSE(dem.frameEnabled(frame)) << frame;
    EXPECT_EQ(dem.label("lblQuestion11"),
              "You must go back and select client's sex before answering question 12.");
    EXPECT_EQ(dem.label("lblQ11Caption"), "");
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(rowEmptyAndClosed(i)) << i;
    EXPECT_EQ(dem.field("cboRace").codes, (QList<int>{30, 35, 40, 45, 50, 55, 60, 70, 65}));

    for (const char* id : {"optSex", "optOrigin", "optContEnv", "optOtherChildren", "optEthnicity"})
        dem.choose(id, 1);
    dem.choose("optJail", 0);
    dem.setText("txtPregnancies", "2");
    type("txtChildren", "2");
    fillRow(0);
    dem.setCheck("chkD1", CheckState::Ticked);
    dem.setPosition("cboRace", 8);
    reset();
    EXPECT_TRUE(sameState(dem, Client<DemographicSection>().pane));
}

TEST_F(DemographicRules, OriginOpensYearsInTheUSAndGenderWordsQuestion12) {
    dem.choose("optOrigin", 1);
    EXPECT_EQ(focused(prompts), QStringList{"txtYearsUS"});
    type("txtYearsUS", "12");
    dem.choose("optSex", 0);
    EXPECT_EQ(dem.label("lblQuestion11"),
              "12.    How many pregnancies have you been responsible for?");
    EXPECT_EQ(dem.label("lblQ11Caption"), "Pregnancies");
    EXPECT_TRUE(shows(dem, {"txtYearsUS=12", "txtPregnancies="}));
    expectSameAfterReload();

    dem.choose("optOrigin", 0);
    EXPECT_TRUE(shows(dem, {"txtYearsUS= (off)"}));
    EXPECT_EQ(dem.field("txtYearsUS").background, Background::NotApplicable);
    dem.choose("optSex", 1);
    EXPECT_EQ(dem.label("lblQuestion11"), "12.    How many times have you been pregnant?");
    EXPECT_EQ(dem.label("lblQ11Caption"), "Times");
    expectSameAfterReload();
}

TEST_F(DemographicRules, ControlledEnvironmentTableAndItsRows) {
    dem.choose("optContEnv", 1);
    dem.choose("optJail", 0);  // "No" in a row: 0 days, box closed
    dem.choose("optOther", 0);
    EXPECT_TRUE(shows(dem, {"txtJailDays=0 (off)", "txtOther= (off)"}));
    dem.choose("optJail", 1);  // "Yes": the days are asked
    EXPECT_TRUE(shows(dem, {"txtJailDays="}));
    type("txtJailDays", "4");
    dem.choose("optOther", 1);
    type("txtOther", "Halfway house");
    dem.choose("optPsy", 0);
    expectSameAfterReload();

    // "No" for the question empties every box (no "0") and greys the table out.
    dem.choose("optContEnv", 0);
    EXPECT_TRUE(shows(dem, {"txtOther= (off)", "txtJailDays= (off)", "txtPsychiatricDays= (off)",
                            "optPsy=-1 (off)"}));
    for (const char* id : {"txtOther", "txtJailDays", "txtPsychiatricDays"})
        EXPECT_EQ(dem.field(id).background, Background::NotApplicable) << id;
    expectSameAfterReload();
    dem.choose("optContEnv", 1);
    EXPECT_TRUE(shows(dem, {"txtPsychiatricDays="}));
    EXPECT_EQ(dem.field("optJail").background, Background::Normal);
    expectSameAfterReload();
}

TEST_F(DemographicRules, NoLiveBirthOrPregnancyResetsAndSkipsTheChildrenPage) {
    dem.choose("optSex", 1);
    dem.setText("txtPregnancies", "3");
    EXPECT_TRUE(shows(dem, {"txtLiveBirths="}));
    type("txtLiveBirths", "2");
    type("txtFirstBaby", "19");
    type("txtChildren", "2");
    fillRow(1);
    type("txtChildSupportOrdered", "200");
    EXPECT_EQ(dem.nextPage(1), 2);
    EXPECT_EQ(dem.backPage(3), 2);
    expectSameAfterReload();

    // Leaving live births at "0" or "00" resets the page and skips it both ways.
    for (const char* none : {"0", "00"}) {
        type("txtChildren", "1");
        fillRow(0);
        type("txtLiveBirths", none);
        EXPECT_TRUE(shows(dem, {"txtChildren=0", "txtFirstBaby=", "txtChildSupportOrdered="}));
        EXPECT_TRUE(rowEmptyAndClosed(0) && rowEmptyAndClosed(1)) << none;
        EXPECT_EQ(dem.nextPage(1), 3) << none;
        EXPECT_EQ(dem.backPage(3), 1) << none;
    }
    expectSameAfterReload();

    // No pregnancy closes live births at "0", a box never left, so leaving the
    // pregnancies resets the page; a "0" on the way to "05" loses nothing.
    type("txtLiveBirths", "1");
    type("txtChildren", "1");
    fillRow(0);
    dem.setText("txtPregnancies", "0");
    type("txtPregnancies", "05");
    EXPECT_TRUE(rowFilled(0));
    type("txtPregnancies", "0");
    EXPECT_TRUE(shows(dem, {"txtLiveBirths=0 (off)"}));
    EXPECT_TRUE(rowEmptyAndClosed(0));
    expectSameAfterReload();
    EXPECT_EQ(dem.nextPage(4), -1);  // hands over to the medical pane
    EXPECT_EQ(dem.backPage(0), -1);  // and back to the locator

    // Leaving an unchanged "0" keeps the page's answers; a "0" just typed resets it.
    type("txtChildSupportOrdered", "200");
    type("txtPregnancies", "0");
    EXPECT_EQ(dem.text("txtChildSupportOrdered"), "200");
    type("txtPregnancies", "2");
    type("txtPregnancies", "0");
    EXPECT_EQ(dem.text("txtChildSupportOrdered"), "");
}

TEST_F(DemographicRules, ChildrenCountOpensRowsAndLosesNoneWhileTyped) {
    type("txtChildren", "3");
    for (int i = 0; i < 3; ++i)
        fillRow(i);
    EXPECT_TRUE(shows(dem, {"cboCustody(2)=", "cboCustody(3)= (off)"}));
    EXPECT_EQ(dem.field(arr("cboCustody", 3)).background, Background::NotApplicable);
    expectSameAfterReload();

    // "3" to "10" by typing "1" then "0" (and a click between) keeps rows 1 and 2.
    dem.setText("txtChildren", "1");
    EXPECT_TRUE(shows(dem, {"cboCustody(1)= (off)"}));
    // The closed rows are held: shown empty, their answers kept.
    EXPECT_TRUE(dem.field(arr("txtChildsDOBM", 2)).held && rowFilled(2));
    EXPECT_FALSE(dem.field(arr("txtChildsDOBM", 0)).held);
    dem.textClick("txtChildren");
    type("txtChildren", "10");
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(dem.usable(arr("cboCustody", i)) && !dem.field(arr("cboCustody", i)).held) << i;
    EXPECT_TRUE(rowFilled(1) && rowFilled(2));
    expectSameAfterReload();

    // Left at 1 the count is final: rows 1 and 2 are emptied.
    type("txtChildren", "1");
    EXPECT_TRUE(rowFilled(0));
    EXPECT_TRUE(rowEmptyAndClosed(1) && rowEmptyAndClosed(2));
    expectSameAfterReload();

    // A 0 typed changes no row; left at 0, every row is emptied.
    dem.setText("txtChildren", "0");
    EXPECT_TRUE(rowFilled(0));
    dem.leave("txtChildren");
    EXPECT_TRUE(rowEmptyAndClosed(0));
    expectSameAfterReload();

    // "11" is refused as it is typed; a click checks 1 to 10.
    dem.setText("txtChildren", "1");
    prompts.clear();
    dem.setText("txtChildren", "11");
    EXPECT_EQ(dem.text("txtChildren"), "");
    dem.setText("txtChildren", "0");
    dem.textClick("txtChildren");
    ASSERT_EQ(prompts.titles(), (QStringList{"Input Error", "Input Error"}));
    EXPECT_EQ(prompts.boxes.at(0).text,
              "Invalid data range or type!\r\nMust be a numeric value between 0 and 10");
    EXPECT_TRUE(prompts.boxes.at(1).text.endsWith("between 1 and 10"));
}

// A count typed but never left is final once the client is saved; a refused count
// (emptied) ends the rows the count typed before it had closed.
TEST_F(DemographicRules, ACountNotLeftIsFinalWhenSavedAndARefusedCountEndsHeldRows) {
    type("txtChildren", "3");
    for (int i = 0; i < 3; ++i)
        fillRow(i);
    dem.setText("txtChildren", "1");  // saved straight from the menu
    ASSERT_TRUE(dem.SaveYRN(dir.filePath("Demographic.YRN")));
    EXPECT_TRUE(rowFilled(0));
    EXPECT_TRUE(rowEmptyAndClosed(1) && rowEmptyAndClosed(2));
    Client<DemographicSection> other;
    ASSERT_TRUE(other.load(dir.filePath("Demographic.YRN")).complete);
    EXPECT_EQ(other.pane.position(arr("cboChildSupport", 1)), -1);

    type("txtChildren", "3");
    fillRow(1);
    fillRow(2);
    dem.setText("txtChildren", "1");
    dem.setText("txtChildren", "11");  // refused and emptied
    EXPECT_EQ(dem.text("txtChildren"), "");
    dem.leave("txtChildren");
    EXPECT_TRUE(rowFilled(0));
    EXPECT_TRUE(rowEmptyAndClosed(1) && rowEmptyAndClosed(2));
}

TEST_F(DemographicRules, OtherChildrenAndTheDependentRows) {
    dem.choose("optOtherChildren", 1);
    EXPECT_TRUE(dem.frameEnabled("fmeOtherChildren"));
    dem.setCheck("chkD2", CheckState::Ticked);
    dem.choose("optD2Gender", 0);
    type("txtD2DOBM", "4");
    type("txtD2DOBD", "31");  // the dependent rows have no date check
    type("txtD2DOBY", "2010");
    EXPECT_TRUE(shows(dem, {"txtD2DOBM=04", "txtD2DOBD=31"}));
    EXPECT_TRUE(prompts.boxes.isEmpty());
    expectSameAfterReload();

    dem.setCheck("chkD2", CheckState::Grey);  // changes nothing
    EXPECT_TRUE(shows(dem, {"txtD2DOBY=2010", "optD2Gender=0"}));
    dem.setCheck("chkD2", CheckState::Clear);
    EXPECT_TRUE(shows(dem, {"optD2Gender=-1 (off)", "txtD2DOBY= (off)", "txtD2DOBM= (off)"}));
    expectSameAfterReload();

    dem.setCheck("chkD1", CheckState::Ticked);
    type("txtD1DOBY", "2012");
    dem.choose("optOtherChildren", 0);
    EXPECT_FALSE(dem.frameEnabled("fmeOtherChildren"));
    EXPECT_TRUE(shows(dem, {"chkD1=0 (off)", "txtD1DOBY= (off)"}));
    EXPECT_EQ(dem.field("optD3Gender").background, Background::NotApplicable);
    expectSameAfterReload();
}

TEST_F(DemographicRules, ChecksDatesReminderAndAdvances) {
    // Range checks: on change as typed, on leave when left; padding.
    dem.setText("txtAlcDrugDays", "31");
    dem.setText("txtJailDays", "31");
    EXPECT_EQ(prompts.titles(), QStringList{"Input Error"});
    dem.leave("txtJailDays");
    EXPECT_EQ(prompts.titles().size(), 2);
    EXPECT_TRUE(shows(dem, {"txtAlcDrugDays= (off)", "txtJailDays= (off)"}));
    dem.setText("txtChildSupportActual", "99999");
    EXPECT_EQ(prompts.titles().size(), 2);

    // An impossible birth date is pointed out and kept; the focus goes back.
    type("txtBDateMonth", "2");
    type("txtBDateDay", "30");
    prompts.clear();
    type("txtBDateYear", "1970");
    EXPECT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(lastBox(prompts),
              "Critical|Incorrect Date|Invalid assessment date!!\r\n"
              "Probably invalid months and days and change.");
    EXPECT_EQ(focused(prompts), QStringList{"txtBDateMonth"});
    EXPECT_EQ(dem.BirthDate(), "02-30-1970");

    // A child's date: months from 1; no focus move while loading.
    type("txtChildren", "1");
    type(arr("txtVisitationDays", 0), "7");
    EXPECT_TRUE(shows(dem, {"txtVisitationDays(0)=07"}));
    type(arr("txtChildsDOBM", 0), "4");
    type(arr("txtChildsDOBD", 0), "31");
    prompts.clear();
    interview->BeginLoading();
    type(arr("txtChildsDOBY", 0), "2005");
    interview->EndLoading();
    EXPECT_EQ(prompts.titles(), QStringList{"Incorrect Date"});
    EXPECT_TRUE(prompts.focusRequests.isEmpty());

    // The social security reminder; Cancel changes nothing.
    prompts.clear();
    prompts.answer({false});
    type("txtSSN", "123-45-6789");
    EXPECT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(lastBox(prompts),
              "OkCancel|Verify Social Security Number|Interviewer, if possible verify this "
              "number with a social security card.\r\nThis number needs to be accurate!");
    EXPECT_EQ(dem.text("txtSSN"), "123-45-6789");

    // Full two-digit boxes hand the focus on, the birth day to the year as well.
    prompts.clear();
    dem.choose("optOtherChildren", 1);
    dem.setCheck("chkD3", CheckState::Ticked);
    set({{"txtBDateMonth", "11"},
         {"txtBDateDay", "12"},
         {arr("txtChildsDOBM", 0), "10"},
         {arr("txtChildsDOBD", 0), "10"},
         {"txtD3DOBM", "10"},
         {"txtD3DOBD", "10"}});
    EXPECT_EQ(focused(prompts), (QStringList{"txtBDateDay", "txtBDateYear", arr("txtChildsDOBD", 0),
                                             arr("txtChildsDOBY", 0), "txtD3DOBD", "txtD3DOBY"}));

    // Nothing moves or asks while a client is read.
    prompts.clear();
    interview->BeginLoading();
    dem.setText("txtBDateMonth", "12");
    dem.leave("txtSSN");
    dem.choose("optOrigin", 1);
    interview->EndLoading();
    EXPECT_TRUE(prompts.boxes.isEmpty() && prompts.focusRequests.isEmpty());
}

}  // namespace
}  // namespace yrn::test
