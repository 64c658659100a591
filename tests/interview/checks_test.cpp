// The numeric answer check, the rounding and parsing under it, and calendar dates.
#include <gtest/gtest.h>

#include <limits>

#include "interview/CalendarDate.h"
#include "interview/NumericCheck.h"
#include "support/SampleSection.h"
#include "support/TestSupport.h"

using namespace yrn;
using namespace yrn::test;

namespace {

TEST(CheckTest, KeepsNumbersInRangePaddingOneDigitAndEmptiesTheRestAskingForTheFocus) {
    RecordingPrompts prompts;
    Interview interview{prompts};
    Section& s = interview.add(std::make_unique<SampleSection>(interview));
    // "typed min max pad kept"; "12.5" is taken as 12 and kept as typed, "-5" is two
    // characters (not padded); numbers beyond 32 bits fail like any out of range.
    const QString rows =
        "|0|30|0|;5|0|12|1|05;0|0|12|1|00;05|0|12|1|05;5|0|12|0|5;30|0|30|0|30;"
        "0|0|30|0|0;12.5|0|31|0|12.5;-5|-10|10|1|-5; 7 |0|10|0| 7 ;+3|0|10|0|+3;"
        "10|0|12|1|10;31.6|0|30|0|;-1|0|30|0|;abc|0|30|0|;1e2|0|30|0|;1,000|0|30|0|;"
        "$5|0|30|0|;12abc|0|30|0|;.|0|30|0|;-|0|30|0|;123456789012|0|30|0|;"
        "99999999999999999999999999|0|30|0|;"
        "99999999999999999999999999|-2147483648|2147483647|0|";
    for (const QString& row : rows.split(';')) {
        const QStringList c = row.split('|');
        s.setText("txtDays", c[0]);
        prompts.clear();
        CD(s, "txtDays", c[1].toInt(), c[2].toInt(), c[3] == "1");
        EXPECT_EQ(s.text("txtDays"), c[4]) << qPrintable(row);
        const bool refused = !c[0].isEmpty() && c[4].isEmpty();
        EXPECT_EQ((prompts.boxes.size() == 1 ? lastBox(prompts) : "") + focused(prompts).join(','),
                  refused ? "Critical|Input Error|Invalid data range or type!\r\nMust be a "
                            "numeric value between " +
                                c[1] + " and " + c[2] + "txtDays"
                          : "")
            << qPrintable(row);
    }
    // No focus request for a disabled box.
    s.setEnabled("txtDays", false);
    s.setText("txtDays", "99");
    prompts.clear();
    CD(s, "txtDays", 0, 30, false);
    EXPECT_EQ(s.text("txtDays") + QString::number(prompts.boxes.size()), "1");
    EXPECT_TRUE(prompts.focusRequests.isEmpty());

    // Declared range checks run on their event, before the rules.
    QString seenByRule = "unset";
    s.rangeCheck("txtName", 0, 10, false, Event::Change);
    s.onChange("txtName", [&] { seenByRule = s.text("txtName"); });
    s.setText("txtName", "11");
    EXPECT_EQ(seenByRule, "");
    s.setEnabled("txtDays", true);
    s.rangeCheck("txtDays", 1, 12, true, Event::Leave);
    s.setText("txtDays", "3");
    EXPECT_EQ(s.text("txtDays"), "3");
    s.leave("txtDays");
    EXPECT_EQ(s.text("txtDays"), "03");
}

TEST(RoundingTest, TiesGoToEvenAndParsingIsExact) {
    const std::pair<const char*, int> rounded[] = {
        {"12.5", 12}, {"13.5", 14}, {"2.5000001", 3}, {"-2.5", -2}, {"-3.5", -4}, {".5", 0},
        {"0.51", 1},  {"0.49", 0},  {"007", 7},       {"5.", 5},    {"0", 0},     {"-0", 0}};
    for (const auto& [text, value] : rounded)
        EXPECT_EQ(roundedValue(text), value) << text;
    // Digits of other scripts are letters here.
    for (const char* text : {"1234567890123456789", "", "1 2", "١٢", "+", "1.2.3", "--1"})
        EXPECT_FALSE(roundedValue(QString::fromUtf8(text)).has_value()) << text;
    EXPECT_EQ(roundedValue("123456789012345678"), 123456789012345678);
    EXPECT_TRUE(isNumeric(" 5 ") && isNumeric(".5") && !isNumeric("5a"));
    // The checked conversion keeps to 32 bits: one past either end is no number.
    EXPECT_EQ(checkedValue(" 2147483647 "), 2147483647);
    EXPECT_EQ(checkedValue("-2147483648.4"), std::numeric_limits<qint32>::min());
    for (const char* text : {"2147483648", "2147483647.5", "-2147483649", "99999999999", "x"})
        EXPECT_FALSE(checkedValue(text).has_value()) << text;
}

TEST(CalendarDateTest, ADateExactlyWhenThatDayExists) {
    for (const char* date : {"05/07/2001", "5/7/2001", "02/29/2000", "12/31/0001"})
        EXPECT_TRUE(isCalendarDate(date)) << date;
    for (const char* date : {"02/29/2001", "02/30/2001", "13/01/2001", "00/10/2001", "04/31/2001",
                             "/07/2001", "05/07/", "05/07/20011", "5a/07/2001", "05-07-2001",
                             "05/07/0000", "005/07/2001", "05/007/2001", "05/07/2001/1"})
        EXPECT_FALSE(isCalendarDate(date)) << date;
    EXPECT_EQ(calendarDate("12/31/1970"), QDate(1970, 12, 31));  // month first in every locale
}

}  // namespace
