#include <gtest/gtest.h>

#include "interview/CalendarDate.h"
#include "interview/Interview.h"
#include "interview/NumericCheck.h"
#include "interview/RecordingPrompts.h"
#include "support/SampleSection.h"

using namespace yrn;
using yrn::test::SampleSection;

namespace {

struct CheckTest : ::testing::Test {
    RecordingPrompts prompts;
    Interview interview{prompts};
    Section& s = interview.add(std::make_unique<SampleSection>(interview));

    // Types a text and leaves the box; returns what the box then holds.
    QString check(const QString& text, qint32 min, qint32 max, bool pad = false) {
        s.setText("txtDays", text);
        prompts.clear();
        CD(s, "txtDays", min, max, pad);
        return s.text("txtDays");
    }
    bool failed() const { return !prompts.boxes.isEmpty(); }
};

TEST_F(CheckTest, AcceptsPlainNumbersInRangeAndPadsOneDigit) {
    EXPECT_EQ(check("", 0, 30), "");
    EXPECT_FALSE(failed());
    EXPECT_EQ(check("5", 0, 12, true), "05");
    EXPECT_EQ(check("0", 0, 12, true), "00");
    EXPECT_EQ(check("05", 0, 12, true), "05");
    EXPECT_EQ(check("5", 0, 12, false), "5");
    EXPECT_EQ(check("12.5", 0, 31), "12.5");  // taken as 12, kept as typed
    EXPECT_FALSE(failed());
    EXPECT_EQ(check("30", 0, 30), "30");
    EXPECT_EQ(check("-5", -10, 10, true), "-5");  // two characters: not padded
    EXPECT_EQ(check(" 7 ", 0, 10), " 7 ");
    EXPECT_EQ(check("+3", 0, 10), "+3");
    EXPECT_FALSE(failed());
}

TEST_F(CheckTest, RefusesOutOfRangeAndNonNumbersEmptyingTheBoxAndAskingForTheFocus) {
    for (const QString text : {"31.6", "-1", "abc", "1e2", "1,000", "$5", "12abc", ".", "-"}) {
        EXPECT_EQ(check(text, 0, 30), "") << qPrintable(text);
        ASSERT_EQ(prompts.boxes.size(), 1) << qPrintable(text);
        EXPECT_EQ(prompts.last().kind, RecordingPrompts::Kind::Critical);
        EXPECT_EQ(prompts.last().title, "Input Error");
        EXPECT_EQ(prompts.last().text,
                  "Invalid data range or type!\r\nMust be a numeric value between 0 and 30");
        ASSERT_EQ(prompts.focusRequests.size(), 1);
        EXPECT_EQ(prompts.focusRequests[0].fieldId, "txtDays");
    }
}

TEST_F(CheckTest, NumbersBeyondThirtyTwoBitsFailLikeAnyOtherOutOfRangeValue) {
    EXPECT_EQ(check("123456789012", 0, 99999), "");
    EXPECT_EQ(prompts.last().title, "Input Error");
    EXPECT_EQ(check("99999999999999999999999999", -2147483647 - 1, 2147483647), "");
    EXPECT_EQ(prompts.last().title, "Input Error");
}

TEST_F(CheckTest, NoFocusRequestForADisabledBox) {
    s.setEnabled("txtDays", false);
    EXPECT_EQ(check("99", 0, 30), "");
    EXPECT_EQ(prompts.boxes.size(), 1);
    EXPECT_TRUE(prompts.focusRequests.isEmpty());
}

TEST_F(CheckTest, DeclaredRangeChecksRunOnTheirEventBeforeTheRules) {
    QString seenByRule = "unset";
    s.rangeCheck("txtName", 0, 10, false, Event::Change);
    s.onChange("txtName", [&] { seenByRule = s.text("txtName"); });
    s.setText("txtName", "11");
    EXPECT_EQ(seenByRule, "");  // emptied by the check before the rule looked
    s.rangeCheck("txtDays", 1, 12, true, Event::Leave);
    s.setText("txtDays", "3");
    EXPECT_EQ(s.text("txtDays"), "3");
    s.leave("txtDays");
    EXPECT_EQ(s.text("txtDays"), "03");
}

TEST(RoundingTest, TiesGoToEvenAndParsingIsExact) {
    EXPECT_EQ(roundedValue("12.5"), 12);
    EXPECT_EQ(roundedValue("13.5"), 14);
    EXPECT_EQ(roundedValue("2.5000001"), 3);
    EXPECT_EQ(roundedValue("-2.5"), -2);
    EXPECT_EQ(roundedValue("-3.5"), -4);
    EXPECT_EQ(roundedValue(".5"), 0);
    EXPECT_EQ(roundedValue("0.51"), 1);
    EXPECT_EQ(roundedValue("007"), 7);
    EXPECT_EQ(roundedValue("5."), 5);
    EXPECT_FALSE(roundedValue("1234567890123456789").has_value());
    EXPECT_FALSE(roundedValue("").has_value());
    EXPECT_FALSE(roundedValue("1 2").has_value());
    EXPECT_FALSE(roundedValue("١٢").has_value());  // digits of other scripts are letters here
}

TEST(CalendarDateTest, ADateExactlyWhenThatDayExists) {
    EXPECT_TRUE(isCalendarDate("05/07/2001"));
    EXPECT_TRUE(isCalendarDate("5/7/2001"));
    EXPECT_TRUE(isCalendarDate("02/29/2000"));
    EXPECT_FALSE(isCalendarDate("02/29/2001"));
    EXPECT_FALSE(isCalendarDate("02/30/2001"));
    EXPECT_FALSE(isCalendarDate("13/01/2001"));
    EXPECT_FALSE(isCalendarDate("00/10/2001"));
    EXPECT_FALSE(isCalendarDate("04/31/2001"));
    EXPECT_FALSE(isCalendarDate("/07/2001"));
    EXPECT_FALSE(isCalendarDate("05/07/"));
    EXPECT_FALSE(isCalendarDate("05/07/20011"));
    EXPECT_FALSE(isCalendarDate("5a/07/2001"));
    EXPECT_FALSE(isCalendarDate("05-07-2001"));
    EXPECT_EQ(calendarDate("12/31/1970"), QDate(1970, 12, 31));  // month first in every locale
}

}  // namespace
