// The locator pane: the court sites, the automatic advances, the date check,
// question 7's work boxes, and the names it gives the client's folder and report.
#include <algorithm>

#include "sections/CourtSites.h"
#include "sections/SectionRules.h"

namespace yrn::test {
namespace {

struct LocatorTest : ::testing::Test, Client<LocatorSection> {};

// 24 sites in order, then three added later; the code of a site is its place.
TEST_F(LocatorTest, CourtSitesAreTheSiteList) {
    const QStringList& names = courtSiteNames();
    ASSERT_EQ(names.size(), 27);
    EXPECT_EQ(QStringList(names).removeDuplicates(), 0);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.begin() + 24) &&
                !std::is_sorted(names.begin() + 23, names.end()));
    for (int i = 0; i < 27; ++i)
        EXPECT_EQ(courtSiteCodes().at(i), i);
    EXPECT_TRUE(pane.field("cboSite").items == names &&
                pane.field("cboSite").codes == courtSiteCodes());
}

TEST_F(LocatorTest, FullMonthDayAndHourMoveOnAndChecksWaitForLeaving) {
    answer(pane, steps("txtAssessmentDate1:=1;txtAssessmentDate1:=12;txtAssessmentDate2:=07;"
                       "txtAssessmentDate3:=20;txtTime1:=10;txtTime2:=60"));
    EXPECT_EQ(focused(prompts),
              QStringList({"txtAssessmentDate2", "txtAssessmentDate3", "txtTime2"}));
    EXPECT_TRUE(prompts.boxes.isEmpty());
    pane.leave("txtAssessmentDate3");  // a year refused is no date to check
    EXPECT_EQ(prompts.titles(), QStringList{"Input Error"});
    prompts.clear();
    interview->BeginLoading();
    answer(pane, steps("txtAssessmentDate1:=05;txtAssessmentDate2:=09;txtTime1:=11"));
    EXPECT_TRUE(prompts.focusRequests.isEmpty());
}

TEST_F(LocatorTest, ImpossibleAssessmentDate) {
    answer(pane, steps("txtAssessmentDate1:=02;txtAssessmentDate2:=30;txtAssessmentDate3:=2001"));
    prompts.clear();
    pane.leave("txtAssessmentDate3");
    EXPECT_EQ(lastBox(prompts),
              "Critical|Incorrect Date|Invalid assessment date!!\r\n"
              "Please check months and dates and change.");
    EXPECT_EQ(focused(prompts), QStringList{"txtAssessmentDate1"});
    EXPECT_EQ(pane.AssessmentDate(), "02/30/2001") << "the wrong values stay";
    interview->BeginLoading();  // the box, but no focus move
    pane.leave("txtAssessmentDate3");
    interview->EndLoading();
    EXPECT_TRUE(prompts.boxes.size() == 2 && prompts.focusRequests.size() == 1);
    // A leap day and an empty year pass.
    answer(pane, steps("txtAssessmentDate2:=29;txtAssessmentDate3=2000;txtAssessmentDate2:=30;"
                       "txtAssessmentDate3="));
    EXPECT_EQ(prompts.boxes.size(), 2);
}

TEST_F(LocatorTest, QuestionSevenClosesTheWorkBoxesInOrder) {
    pane.choose("optWorking", 1);
    QStringList order;
    const int handle = pane.observe([&](const QString& id) {
        if (kWorkBoxes.contains(id) && !order.contains(id)) order << id;
    });
    pane.choose("optWorking", 0);
    pane.unobserve(handle);
    EXPECT_EQ(order, kWorkBoxes);
}

// Saving needs the name and the whole date (a blank is content); the middle
// initial, time, interviewer and site are not needed.
TEST_F(LocatorTest, SaveNeedsNameAndWholeDateAndBlanksCount) {
    EXPECT_FALSE(pane.CheckSaveValues());
    nameClient(pane, "Doe", "Jane", "");
    EXPECT_TRUE(pane.CheckSaveValues());
    for (const char* id : {"txtAssessmentDate1", "txtAssessmentDate2", "txtAssessmentDate3",
                           "txtLastName", "txtFirstName"}) {
        const QString kept = pane.text(id);
        for (const char* text : {"", " "}) {
            pane.setText(id, text);
            EXPECT_EQ(pane.CheckSaveValues(), *text != 0) << id;
        }
        pane.setText(id, kept);
    }
}

// Set in turn: folder | caption | whole name | first name | assessment date.
TEST_F(LocatorTest, FolderCaptionAndReportNames) {
    nameClient(pane);
    EXPECT_EQ(interview->identity().YRNDirectory(), "DoeJaneQ05-07-2001");
    const std::pair<const char*, const char*> rows[] = {
        {"", "DoeJaneQ05-07-2001|  [Doe, Jane Q]|Jane Q. Doe|Jane|05/07/2001"},
        {"txtMI:=q", "DoeJaneq05-07-2001|  [Doe, Jane q]|Jane Q. Doe|Jane|05/07/2001"},
        {"txtMI:= ", "DoeJane 05-07-2001|  [Doe, Jane  ]|Jane  . Doe|Jane|05/07/2001"},
        // The blank before the middle initial stays; nothing is trimmed.
        {"txtMI:=;txtAssessmentDate1:=12;txtAssessmentDate2:=01;txtFirstName:= Jane ",
         "Doe Jane 12-01-2001|  [Doe,  Jane  ]| Jane  Doe| Jane |12/01/2001"},
        {"txtLastName:=", " Jane 12-01-2001|| Jane  | Jane |12/01/2001"},
    };
    for (const auto& [set, expected] : rows) {
        if (*set) answer(pane, steps(set));
        EXPECT_EQ(QStringList({pane.YRNDirectory(), pane.frmMainCaptionName(), pane.WholeName(),
                               pane.FirstName(), pane.AssessmentDate()})
                      .join('|'),
                  expected)
            << set;
    }
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

}  // namespace
}  // namespace yrn::test
