// The demographic pane's rules: origin and sex, the controlled environment, the
// pregnancies and children (and the page they skip), the other children, the
// dates and the reminder.
#include "interview/NumericCheck.h"
#include "sections/SectionRules.h"

namespace yrn::test {
namespace {

struct DemographicRules : ::testing::Test, Client<DemographicSection> {
    void fillRow(int r) {
        answer(pane, {arr("optGender", r) + "=1", arr("txtChildsDOBM", r) + "=4",
                      arr("txtChildsDOBD", r) + "=15", arr("txtChildsDOBY", r) + "=2001",
                      arr("cboChildSupport", r) + "=0"});
    }
    bool rowFilled(int r) const {
        return pane.choice(arr("optGender", r)) == 1 &&
               pane.text(arr("txtChildsDOBM", r)) == "04" &&
               pane.position(arr("cboChildSupport", r)) == 0;
    }
    bool rowEmptyAndClosed(int r) const {
        for (const QString& id : DemographicSection::childRowFields(r))
            if (pane.field(id).enabled || !unanswered(pane.field(id))) return false;
        return true;
    }
    QString q12() const { return pane.label("lblQuestion11") + '|' + pane.label("lblQ11Caption"); }
};

TEST_F(DemographicRules, SexWordsQuestion12AndOriginAsksTheYears) {
    EXPECT_EQ(q12(), "You must go back and select client's sex before answering question 12.|");
    play(*this, {{{"optSex=0", "optOrigin=1"}, {"txtPregnancies=", "txtYearsUS="}}});
    EXPECT_EQ(q12(), "12.    How many pregnancies have you been responsible for?|Pregnancies");
    EXPECT_EQ(focused(prompts), QStringList{"txtYearsUS"});
    play(*this, {{{"optSex=1", "reload"}, {}}});
    EXPECT_EQ(q12(), "12.    How many times have you been pregnant?|Times");
}

TEST_F(DemographicRules, ControlledEnvironmentTableAndItsRows) {
    play(*this,
         {{{"optContEnv=1", "optJail=0", "optOther=0"}, {"txtJailDays=0 (off)", "txtOther= (off)"}},
          {{"optJail=1"}, {"txtJailDays="}},
          {{"txtJailDays=4", "optOther=1", "txtOther=Halfway house", "optPsy=0", "reload"},
           {"txtJailDays=4", "txtOther=Halfway house", "txtPsychiatricDays=0 (off)"}},
          // "No" empties every box (no "0") and greys the table out.
          {{"optContEnv=0", "reload"},
           {"txtOther= (off) [n/a]", "txtJailDays= (off) [n/a]", "txtPsychiatricDays= (off) [n/a]",
            "optPsy=-1 (off) [n/a]"}},
          {{"optContEnv=1", "reload"}, {"txtPsychiatricDays=", "optJail=-1"}}});
    EXPECT_TRUE(pane.frameEnabled("fmeControlledEnv"));
}

TEST_F(DemographicRules, NoLiveBirthOrPregnancyResetsAndSkipsTheChildrenPage) {
    play(*this, {{{"optSex=1", "txtPregnancies:=3"}, {"txtLiveBirths="}}});
    answer(pane, steps("txtLiveBirths=2;txtFirstBaby=19;txtChildren=2"));
    fillRow(1);
    type("txtChildSupportOrdered", "200");
    EXPECT_TRUE(pane.nextPage(1) == 2 && pane.backPage(3) == 2);
    expectSameAfterReload();
    for (const char* none : {"0", "00"}) {  // leaving live births at none
        answer(pane, {"txtChildren=1"});
        fillRow(0);
        type("txtLiveBirths", none);
        EXPECT_TRUE(shows(pane, {"txtChildren=0", "txtFirstBaby=", "txtChildSupportOrdered="}));
        EXPECT_TRUE(rowEmptyAndClosed(0) && rowEmptyAndClosed(1)) << none;
        EXPECT_TRUE(pane.nextPage(1) == 3 && pane.backPage(3) == 1) << none;
    }
    expectSameAfterReload();
    // No pregnancy closes live births at a "0" never left: leaving the pregnancies
    // resets the page; a "0" on the way to "05" loses nothing.
    answer(pane, {"txtLiveBirths=1", "txtChildren=1"});
    fillRow(0);
    answer(pane, {"txtPregnancies:=0", "txtPregnancies=05"});
    EXPECT_TRUE(rowFilled(0));
    play(*this, {{{"txtPregnancies=0", "reload"}, {"txtLiveBirths=0 (off)"}}});
    EXPECT_TRUE(rowEmptyAndClosed(0));
    // Leaving an unchanged "0" keeps the page's answers; a "0" just typed resets it.
    play(*this,
         {{{"txtChildSupportOrdered=200", "txtPregnancies=0"}, {"txtChildSupportOrdered=200"}},
          {{"txtPregnancies=2", "txtPregnancies=0"}, {"txtChildSupportOrdered="}}});
}

TEST_F(DemographicRules, ChildrenCountOpensRowsAndLosesNoneWhileTyped) {
    type("txtChildren", "3");
    for (int i = 0; i < 3; ++i)
        fillRow(i);
    play(*this, {{{"reload"}, {"cboCustody(2)=", "cboCustody(3)= (off) [n/a]"}},
                 {{"txtChildren:=1"}, {"cboCustody(1)= (off) [n/a]"}}});
    // The rows closed while typed are held: shown empty, their answers kept.
    EXPECT_TRUE(pane.field("txtChildsDOBM(2)").held && rowFilled(2));
    EXPECT_FALSE(pane.field("txtChildsDOBM(0)").held);
    answer(pane, {"txtChildren=10"});
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(pane.usable(arr("cboCustody", i)) && !pane.field(arr("cboCustody", i)).held);
    EXPECT_TRUE(rowFilled(1) && rowFilled(2));
    expectSameAfterReload();
    pane.setText("txtChildren", "1");  // typed, not left: final once saved
    expectSameAfterReload();
    EXPECT_TRUE(rowFilled(0) && rowEmptyAndClosed(1) && rowEmptyAndClosed(2));
    // A refused count (emptied) ends the rows the count typed before it had closed.
    type("txtChildren", "3");
    fillRow(1);
    fillRow(2);
    answer(pane, {"txtChildren:=1", "txtChildren:=11"});
    EXPECT_TRUE(shows(pane, {"txtChildren="}));
    pane.leave("txtChildren");
    EXPECT_TRUE(rowFilled(0) && rowEmptyAndClosed(1) && rowEmptyAndClosed(2));
    pane.setText("txtChildren", "0");  // a 0 typed changes no row; left, it empties all
    EXPECT_TRUE(rowFilled(0));
    pane.leave("txtChildren");
    EXPECT_TRUE(rowEmptyAndClosed(0));
    expectSameAfterReload();
    // A click checks 1 to 10.
    prompts.clear();
    answer(pane, {"txtChildren:=0"});
    pane.textClick("txtChildren");
    EXPECT_EQ(lastBox(prompts), "Critical|Input Error|" + inputErrorText(1, 10));
}

TEST_F(DemographicRules, OtherChildrenOpenTheDependentRowsWithoutADateCheck) {
    play(*this, {{{"optOtherChildren=1", "chkD2=1", "optD2Gender=0", "txtD2DOBM=4", "txtD2DOBD=31",
                   "txtD2DOBY=2010", "reload"},
                  {"txtD2DOBM=04", "txtD2DOBD=31", "txtD2DOBY=2010", "optD2Gender=0"}},
                 {{"chkD2=2"}, {"txtD2DOBY=2010", "optD2Gender=0"}},  // grey changes nothing
                 {{"chkD1=1", "txtD1DOBY=2012", "optOtherChildren=0", "reload"},
                  {"chkD1=0 (off)", "txtD1DOBY= (off) [n/a]", "optD3Gender=-1 (off) [n/a]"}}});
    EXPECT_FALSE(pane.frameEnabled("fmeOtherChildren"));
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

TEST_F(DemographicRules, DatesReminderAndAdvancesButNothingWhileAClientIsRead) {
    // An impossible birth date is pointed out and kept; the focus goes back.
    answer(pane, {"txtBDateMonth=2", "txtBDateDay=30"});
    prompts.clear();
    type("txtBDateYear", "1970");
    EXPECT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(lastBox(prompts),
              "Critical|Incorrect Date|Invalid assessment date!!\r\n"
              "Probably invalid months and days and change.");
    EXPECT_EQ(focused(prompts), QStringList{"txtBDateMonth"});
    EXPECT_EQ(pane.BirthDate(), "02-30-1970");
    // A child's date: the box, but no focus move while loading.
    answer(pane, steps("txtChildren=1;txtChildsDOBM(0)=4;txtChildsDOBD(0)=31"));
    prompts.clear();
    interview->BeginLoading();
    type("txtChildsDOBY(0)", "2005");
    interview->EndLoading();
    EXPECT_EQ(prompts.titles(), QStringList{"Incorrect Date"});
    EXPECT_TRUE(prompts.focusRequests.isEmpty());
    // The social security reminder; Cancel changes nothing.
    prompts.clear();
    prompts.answer({false});
    type("txtSSN", "123-45-6789");
    EXPECT_EQ(lastBox(prompts),
              "OkCancel|Verify Social Security Number|Interviewer, if possible verify this "
              "number with a social security card.\r\nThis number needs to be accurate!");
    EXPECT_EQ(pane.text("txtSSN"), "123-45-6789");
    // Full two-digit boxes hand the focus on.
    prompts.clear();
    answer(pane, steps("optOtherChildren=1;chkD3=1;txtBDateMonth:=11;txtBDateDay:=12;"
                       "txtChildsDOBM(0):=10;txtChildsDOBD(0):=10;txtD3DOBM:=10;txtD3DOBD:=10"));
    EXPECT_EQ(focused(prompts), (QStringList{"txtBDateDay", "txtBDateYear", "txtChildsDOBD(0)",
                                             "txtChildsDOBY(0)", "txtD3DOBD", "txtD3DOBY"}));
    prompts.clear();
    interview->BeginLoading();
    answer(pane, steps("txtBDateMonth:=12;txtSSN=1;optOrigin=1"));
    interview->EndLoading();
    EXPECT_TRUE(prompts.boxes.isEmpty() && prompts.focusRequests.isEmpty());
}

}  // namespace
}  // namespace yrn::test
