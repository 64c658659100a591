// An interviewer types a client into the real window: the date boxes advance by
// themselves, a one-digit month gets its leading zero, and a month out of range is
// refused with the "Input Error" box and the focus back in the box.
#include "app/TypingFixture.h"

namespace yrn::test {
namespace {

TEST_F(TypingTest, DateBoxesAdvancePadAndRefuseAsAPersonTypes) {
    Section& l = locator();

    // "13" fills the month box, the focus moves on, and leaving the box refuses it.
    typeInto("txtAssessmentDate1", "13");
    EXPECT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(lastBox(prompts),
              "Critical|Input Error|Invalid data range or type!\r\n"
              "Must be a numeric value between 0 and 12");
    EXPECT_EQ(l.text("txtAssessmentDate1"), "");
    EXPECT_EQ(box("txtAssessmentDate1")->text(), "");
    EXPECT_EQ(focus(), box("txtAssessmentDate1"));

    // "5" then Tab becomes "05"; the day and the year follow.
    keys("5");
    tab();
    EXPECT_EQ(l.text("txtAssessmentDate1"), "05");
    EXPECT_EQ(box("txtAssessmentDate1")->text(), "05");
    EXPECT_EQ(focus(), box("txtAssessmentDate2"));
    keys("07");
    EXPECT_EQ(focus(), box("txtAssessmentDate3"));
    keys("2001");
    tab();
    EXPECT_EQ(l.text("txtAssessmentDate3"), "2001");
    EXPECT_EQ(prompts.boxes.size(), 1);  // a valid date: no further box

    // The hour box pads and advances the same way.
    typeInto("txtTime1", "9");
    tab();
    EXPECT_EQ(l.text("txtTime1"), "09");
    EXPECT_EQ(focus(), box("txtTime2"));

    // An impossible date is named when the year box is left, and the focus goes
    // back to the month; the values stay for the interviewer to correct.
    typeInto("txtAssessmentDate1", "02");
    typeInto("txtAssessmentDate2", "30");
    QTest::mouseClick(box("txtAssessmentDate3"), Qt::LeftButton);
    settle();
    tab();
    EXPECT_EQ(prompts.boxes.size(), 2);
    EXPECT_EQ(lastBox(prompts),
              "Critical|Incorrect Date|Invalid assessment date!!\r\n"
              "Please check months and dates and change.");
    EXPECT_EQ(focus(), box("txtAssessmentDate1"));
    EXPECT_EQ(l.text("txtAssessmentDate2"), "30");

    typeInto("txtLastName", "Doe");
    typeInto("txtFirstName", "Jane");
    EXPECT_EQ(window->interview().identity().YRNDirectory(), "DoeJane02-30-2001");
}

}  // namespace
}  // namespace yrn::test
