// The follow-up rules, checks, page skips and reset of the demographic pane. Each
// rule runs by the person's clicks and then again by reading the saved answers.
#include "sections/demographic/DemographicFixture.h"

namespace yrn::test {
namespace {

class DemographicRules : public ::testing::Test {
  protected:
    Client c;
    DemographicSection& dem = c.dem;
    QTemporaryDir dir;

    // The readers replay the rules: they must rebuild what the clicks built, quietly.
    void expectSameAfterReload() {
        const QString path = dir.filePath("Demographic.YRN");
        ASSERT_TRUE(dem.SaveYRN(path));
        Client other;
        EXPECT_TRUE(other.load(path).complete);
        EXPECT_EQ(paneState(dem), paneState(other.dem))
            << differences(paneState(dem), paneState(other.dem));
        EXPECT_TRUE(other.prompts.boxes.isEmpty() && other.prompts.focusRequests.isEmpty());
    }
    void fillRow(int row) {
        dem.choose(arr("optGender", row), 1);
        c.type(arr("txtChildsDOBM", row), "4");
        c.type(arr("txtChildsDOBD", row), "15");
        c.type(arr("txtChildsDOBY", row), "2001");
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
    QStringList focused() const {
        QStringList out;
        for (const auto& request : c.prompts.focusRequests)
            out.append(request.fieldId);
        return out;
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
    const QStringList fresh = paneState(dem);

    dem.choose("optSex", 1);
    dem.choose("optOrigin", 1);
    dem.choose("optContEnv", 1);
    dem.choose("optJail", 0);
    dem.setText("txtPregnancies", "2");
    c.type("txtChildren", "2");
    fillRow(0);
    dem.choose("optOtherChildren", 1);
    dem.setCheck("chkD1", CheckState::Ticked);
    dem.setPosition("cboRace", 8);
    dem.choose("optEthnicity", 1);
    c.reset();
    EXPECT_EQ(fresh, paneState(dem)) << differences(fresh, paneState(dem));
}

TEST_F(DemographicRules, OriginOpensYearsInTheUSAndGenderWordsQuestion12) {
    dem.choose("optOrigin", 1);
    EXPECT_TRUE(dem.usable("txtYearsUS"));
    EXPECT_EQ(focused(), QStringList{"txtYearsUS"});
    c.type("txtYearsUS", "12");
    dem.choose("optSex", 0);
    EXPECT_EQ(dem.label("lblQuestion11"),
              "12.    How many pregnancies have you been responsible for?");
    EXPECT_EQ(dem.label("lblQ11Caption"), "Pregnancies");
    EXPECT_TRUE(dem.usable("txtPregnancies"));
    expectSameAfterReload();

    dem.choose("optOrigin", 0);
    EXPECT_FALSE(dem.usable("txtYearsUS"));
    EXPECT_EQ(dem.field("txtYearsUS").background, Background::NotApplicable);
    EXPECT_EQ(dem.text("txtYearsUS"), "");
    dem.choose("optSex", 1);
    EXPECT_EQ(dem.label("lblQuestion11"), "12.    How many times have you been pregnant?");
    EXPECT_EQ(dem.label("lblQ11Caption"), "Times");
    expectSameAfterReload();
}

TEST_F(DemographicRules, ControlledEnvironmentTableAndItsRows) {
    dem.choose("optContEnv", 1);
    dem.choose("optJail", 0);  // "No" in a row: 0 days, box closed
    EXPECT_EQ(dem.text("txtJailDays"), "0");
    EXPECT_FALSE(dem.usable("txtJailDays"));
    dem.choose("optJail", 1);  // "Yes": the days are asked
    EXPECT_EQ(dem.text("txtJailDays"), "");
    EXPECT_TRUE(dem.usable("txtJailDays"));
    c.type("txtJailDays", "4");
    dem.choose("optOther", 0);
    EXPECT_FALSE(dem.usable("txtOther"));
    dem.choose("optOther", 1);
    c.type("txtOther", "Halfway house");
    dem.choose("optPsy", 0);
    expectSameAfterReload();

    // "No" for the question empties every box (no "0") and greys the table out;
    // the rows closed by their own "No" read back the same.
    dem.choose("optContEnv", 0);
    EXPECT_FALSE(dem.frameEnabled("fmeControlledEnv"));
    for (const char* id : {"txtOther", "txtJailDays", "txtPsychiatricDays"}) {
        EXPECT_EQ(dem.text(id), "") << id;
        EXPECT_EQ(dem.field(id).background, Background::NotApplicable) << id;
    }
    EXPECT_EQ(dem.choice("optPsy"), -1);
    expectSameAfterReload();
    dem.choose("optContEnv", 1);
    EXPECT_TRUE(dem.usable("txtPsychiatricDays"));
    EXPECT_EQ(dem.field("optJail").background, Background::Normal);
    expectSameAfterReload();
}

TEST_F(DemographicRules, NoLiveBirthResetsAndSkipsTheChildrenPage) {
    dem.choose("optSex", 1);
    dem.setText("txtPregnancies", "3");
    EXPECT_TRUE(dem.usable("txtLiveBirths"));
    c.type("txtLiveBirths", "2");
    c.type("txtFirstBaby", "19");
    c.type("txtChildren", "2");
    fillRow(1);
    c.type("txtChildSupportOrdered", "200");
    EXPECT_EQ(dem.nextPage(1), 2);
    EXPECT_EQ(dem.backPage(3), 2);
    expectSameAfterReload();

    // Leaving live births at "0" (or "00", which skips the page as well) resets it.
    for (const char* none : {"0", "00"}) {
        c.type("txtChildren", "1");
        fillRow(0);
        c.type("txtLiveBirths", none);
        EXPECT_EQ(dem.text("txtChildren"), "0") << none;
        EXPECT_EQ(dem.text("txtFirstBaby") + dem.text("txtChildSupportOrdered"), "") << none;
        EXPECT_TRUE(rowEmptyAndClosed(0) && rowEmptyAndClosed(1)) << none;
        EXPECT_EQ(dem.nextPage(1), 3) << none;
        EXPECT_EQ(dem.backPage(3), 1) << none;
    }
    expectSameAfterReload();

    // No pregnancy closes live births at "0", a box never left, so leaving the
    // pregnancies resets the page; a "0" on the way to "05" loses nothing.
    c.type("txtLiveBirths", "1");
    c.type("txtChildren", "1");
    fillRow(0);
    dem.setText("txtPregnancies", "0");
    dem.setText("txtPregnancies", "05");
    dem.leave("txtPregnancies");
    EXPECT_TRUE(rowFilled(0));
    c.type("txtPregnancies", "0");
    EXPECT_EQ(dem.text("txtLiveBirths"), "0");
    EXPECT_FALSE(dem.usable("txtLiveBirths"));
    EXPECT_TRUE(rowEmptyAndClosed(0));
    expectSameAfterReload();
    EXPECT_EQ(dem.nextPage(4), -1);  // hands over to the medical pane
    EXPECT_EQ(dem.backPage(0), -1);  // and back to the locator
}

TEST_F(DemographicRules, ChildrenCountOpensRowsAndLosesNoneWhileTyped) {
    c.type("txtChildren", "3");
    EXPECT_TRUE(dem.frameEnabled("fmeChildren"));
    for (int i = 0; i < 3; ++i)
        fillRow(i);
    EXPECT_FALSE(dem.usable(arr("cboCustody", 3)));
    EXPECT_EQ(dem.field(arr("cboCustody", 3)).background, Background::NotApplicable);
    expectSameAfterReload();

    // "3" to "10" by typing "1" then "0" (and a click between) keeps rows 1 and 2.
    dem.setText("txtChildren", "1");
    EXPECT_FALSE(dem.usable(arr("cboCustody", 1)));
    dem.textClick("txtChildren");
    dem.setText("txtChildren", "10");
    dem.leave("txtChildren");
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(dem.usable(arr("cboCustody", i))) << i;
    EXPECT_TRUE(rowFilled(1) && rowFilled(2));
    expectSameAfterReload();

    // Left at 1 the count is final: rows 1 and 2 are emptied.
    c.type("txtChildren", "1");
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
    c.prompts.clear();
    dem.setText("txtChildren", "11");
    EXPECT_EQ(dem.text("txtChildren"), "");
    dem.setText("txtChildren", "0");
    dem.textClick("txtChildren");
    ASSERT_EQ(c.prompts.titles(), (QStringList{"Input Error", "Input Error"}));
    EXPECT_EQ(c.prompts.boxes.at(0).text,
              "Invalid data range or type!\r\nMust be a numeric value between 0 and 10");
    EXPECT_TRUE(c.prompts.boxes.at(1).text.endsWith("between 1 and 10"));
}

// A count typed but never left is final once the client is saved; a refused count
// (emptied) ends the rows the count typed before it had closed.
TEST_F(DemographicRules, ACountNotLeftIsFinalWhenSavedAndARefusedCountEndsHeldRows) {
    c.type("txtChildren", "3");
    for (int i = 0; i < 3; ++i)
        fillRow(i);
    dem.setText("txtChildren", "1");  // saved straight from the menu
    ASSERT_TRUE(dem.SaveYRN(dir.filePath("Demographic.YRN")));
    EXPECT_TRUE(rowFilled(0));
    EXPECT_TRUE(rowEmptyAndClosed(1) && rowEmptyAndClosed(2));
    Client other;
    ASSERT_TRUE(other.load(dir.filePath("Demographic.YRN")).complete);
    EXPECT_EQ(other.dem.position(arr("cboChildSupport", 1)), -1);

    c.type("txtChildren", "3");
    fillRow(1);
    fillRow(2);
    dem.setText("txtChildren", "1");
    dem.setText("txtChildren", "11");  // refused and emptied
    EXPECT_EQ(dem.text("txtChildren"), "");
    dem.leave("txtChildren");
    EXPECT_TRUE(rowFilled(0));
    EXPECT_TRUE(rowEmptyAndClosed(1) && rowEmptyAndClosed(2));
}

// Leaving an unchanged "0" of pregnancies keeps the children page's answers; a "0"
// just typed resets it.
TEST_F(DemographicRules, OnlyANewlyTypedZeroOfPregnanciesResetsTheChildrenPage) {
    dem.choose("optSex", 1);
    c.type("txtPregnancies", "0");
    c.type("txtChildSupportOrdered", "200");
    dem.setText("txtPregnancies", "0");
    dem.leave("txtPregnancies");
    EXPECT_EQ(dem.text("txtChildSupportOrdered"), "200");
    c.type("txtPregnancies", "2");
    c.type("txtPregnancies", "0");
    EXPECT_EQ(dem.text("txtChildSupportOrdered"), "");
}

TEST_F(DemographicRules, OtherChildrenAndTheDependentRows) {
    dem.choose("optOtherChildren", 1);
    EXPECT_TRUE(dem.frameEnabled("fmeOtherChildren"));
    dem.setCheck("chkD2", CheckState::Ticked);
    dem.choose("optD2Gender", 0);
    c.type("txtD2DOBM", "4");
    c.type("txtD2DOBD", "31");  // the dependent rows have no date check
    c.type("txtD2DOBY", "2010");
    EXPECT_EQ(dem.text("txtD2DOBM"), "04");
    EXPECT_TRUE(c.prompts.boxes.isEmpty());
    expectSameAfterReload();

    dem.setCheck("chkD2", CheckState::Grey);  // changes nothing
    EXPECT_TRUE(dem.usable("txtD2DOBY") && dem.choice("optD2Gender") == 0);
    dem.setCheck("chkD2", CheckState::Clear);
    EXPECT_EQ(dem.choice("optD2Gender"), -1);
    EXPECT_EQ(dem.text("txtD2DOBY"), "");
    EXPECT_FALSE(dem.usable("txtD2DOBM"));
    expectSameAfterReload();

    dem.setCheck("chkD1", CheckState::Ticked);
    c.type("txtD1DOBY", "2012");
    dem.choose("optOtherChildren", 0);
    EXPECT_FALSE(dem.frameEnabled("fmeOtherChildren"));
    EXPECT_EQ(dem.checkState("chkD1"), CheckState::Clear);
    EXPECT_EQ(dem.text("txtD1DOBY"), "");
    EXPECT_EQ(dem.field("optD3Gender").background, Background::NotApplicable);
    expectSameAfterReload();
}

TEST_F(DemographicRules, ChecksDatesReminderAndAdvances) {
    // Range checks: on change as typed, on leave when left; padding.
    dem.setText("txtAlcDrugDays", "31");
    dem.setText("txtJailDays", "31");
    EXPECT_EQ(c.prompts.titles(), QStringList{"Input Error"});
    dem.leave("txtJailDays");
    EXPECT_EQ(c.prompts.titles().size(), 2);
    EXPECT_EQ(dem.text("txtAlcDrugDays") + dem.text("txtJailDays"), "");
    dem.setText("txtChildSupportActual", "99999");
    EXPECT_EQ(c.prompts.titles().size(), 2);

    // An impossible birth date is pointed out and kept; the focus goes back.
    c.type("txtBDateMonth", "2");
    c.type("txtBDateDay", "30");
    c.prompts.clear();
    c.type("txtBDateYear", "1970");
    ASSERT_EQ(c.prompts.boxes.size(), 1);
    EXPECT_EQ(c.prompts.last().kind, RecordingPrompts::Kind::Critical);
    EXPECT_EQ(c.prompts.last().title, "Incorrect Date");
    EXPECT_EQ(c.prompts.last().text,
              "Invalid assessment date!!\r\nProbably invalid months and days and change.");
    EXPECT_EQ(focused(), QStringList{"txtBDateMonth"});
    EXPECT_EQ(dem.BirthDate(), "02-30-1970");

    // A child's date: months from 1; no focus move while loading.
    c.type("txtChildren", "1");
    c.type(arr("txtVisitationDays", 0), "7");
    EXPECT_EQ(dem.text(arr("txtVisitationDays", 0)), "07");
    c.type(arr("txtChildsDOBM", 0), "4");
    c.type(arr("txtChildsDOBD", 0), "31");
    c.prompts.clear();
    c.interview->BeginLoading();
    c.type(arr("txtChildsDOBY", 0), "2005");
    c.interview->EndLoading();
    EXPECT_EQ(c.prompts.titles(), QStringList{"Incorrect Date"});
    EXPECT_TRUE(focused().isEmpty());

    // The social security reminder; Cancel changes nothing.
    c.prompts.clear();
    c.prompts.answer({false});
    c.type("txtSSN", "123-45-6789");
    ASSERT_EQ(c.prompts.boxes.size(), 1);
    EXPECT_EQ(c.prompts.last().kind, RecordingPrompts::Kind::OkCancel);
    EXPECT_EQ(c.prompts.last().title, "Verify Social Security Number");
    EXPECT_EQ(c.prompts.last().text,
              "Interviewer, if possible verify this number with a social security card.\r\n"
              "This number needs to be accurate!");
    EXPECT_EQ(dem.text("txtSSN"), "123-45-6789");

    // Full two-digit boxes hand the focus on (the birth day does not).
    c.prompts.clear();
    dem.setText("txtBDateMonth", "11");
    dem.setText("txtBDateDay", "12");
    dem.setText(arr("txtChildsDOBM", 0), "10");
    dem.setText(arr("txtChildsDOBD", 0), "10");
    dem.choose("optOtherChildren", 1);
    dem.setCheck("chkD3", CheckState::Ticked);
    dem.setText("txtD3DOBM", "10");
    dem.setText("txtD3DOBD", "10");
    EXPECT_EQ(focused(), (QStringList{"txtBDateDay", arr("txtChildsDOBD", 0),
                                      arr("txtChildsDOBY", 0), "txtD3DOBD", "txtD3DOBY"}));

    // Nothing moves or asks while a client is read.
    c.prompts.clear();
    c.interview->BeginLoading();
    dem.setText("txtBDateMonth", "12");
    dem.leave("txtSSN");
    dem.choose("optOrigin", 1);
    c.interview->EndLoading();
    EXPECT_TRUE(c.prompts.boxes.isEmpty() && focused().isEmpty());
}

}  // namespace
}  // namespace yrn::test
