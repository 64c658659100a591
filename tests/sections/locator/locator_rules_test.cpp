// The locator pane: the court sites, the automatic advances, the date check,
// question 7's work boxes, and the names it gives the client's folder and report.
#include <QSet>
#include <algorithm>

#include "sections/CourtSites.h"
#include "sections/SectionRules.h"

namespace yrn::test {
namespace {

const FollowUp kLocatorFollowUps[] = {yesNo("ctlLocatorInformation", "optWorking", kWorkBoxes)};
INSTANTIATE_TEST_SUITE_P(Locator, FollowUpTest, ::testing::ValuesIn(kLocatorFollowUps),
                         followUpName);

struct LocatorTest : ::testing::Test, Client<LocatorSection> {};

TEST_F(LocatorTest, CourtSitesAreTheSiteList) {
    const QStringList& names = courtSiteNames();
    ASSERT_EQ(names.size(), 27);
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), 27);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.begin() + 24));
    EXPECT_FALSE(std::is_sorted(names.begin() + 23, names.end()));
    for (int i = 0; i < 27; ++i)
        EXPECT_EQ(courtSiteCodes().at(i), i);
    EXPECT_EQ(pane.field("cboSite").items, names);
    EXPECT_EQ(pane.field("cboSite").codes, courtSiteCodes());
}

TEST_F(LocatorTest, FullMonthDayAndHourMoveOnAndChecksWaitForLeaving) {
    set({{"txtAssessmentDate1", "1"},
         {"txtAssessmentDate1", "12"},
         {"txtAssessmentDate2", "07"},
         {"txtAssessmentDate3", "20"},
         {"txtTime1", "10"},
         {"txtTime2", "60"}});
    EXPECT_EQ(focused(prompts),
              QStringList({"txtAssessmentDate2", "txtAssessmentDate3", "txtTime2"}));
    EXPECT_TRUE(prompts.boxes.isEmpty());
    pane.leave("txtAssessmentDate3");  // a year refused is no date to check
    EXPECT_EQ(prompts.titles(), QStringList{"Input Error"});
    prompts.clear();
    interview->BeginLoading();
    set({{"txtAssessmentDate1", "05"}, {"txtAssessmentDate2", "09"}, {"txtTime1", "11"}});
    EXPECT_TRUE(prompts.focusRequests.isEmpty());
}

TEST_F(LocatorTest, ImpossibleAssessmentDate) {
    set({{"txtAssessmentDate1", "02"},
         {"txtAssessmentDate2", "30"},
         {"txtAssessmentDate3", "2001"}});
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
    EXPECT_EQ(prompts.boxes.size(), 2);
    EXPECT_EQ(prompts.focusRequests.size(), 1);
    set({{"txtAssessmentDate2", "29"}, {"txtAssessmentDate3", "2000"}});
    pane.leave("txtAssessmentDate3");
    set({{"txtAssessmentDate2", "30"}, {"txtAssessmentDate3", ""}});
    pane.leave("txtAssessmentDate3");
    EXPECT_EQ(prompts.boxes.size(), 2) << "a leap day and an empty year pass";
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

TEST_F(LocatorTest, SaveNeedsNameAndWholeDateAndBlanksCount) {
    EXPECT_FALSE(pane.CheckSaveValues());
    nameClient(pane, "Doe", "Jane", "");
    EXPECT_TRUE(pane.CheckSaveValues()) << "MI, time, interviewer and site are not needed";
    for (const char* id : {"txtAssessmentDate1", "txtAssessmentDate2", "txtAssessmentDate3",
                           "txtLastName", "txtFirstName"}) {
        const QString kept = pane.text(id);
        pane.setText(id, "");
        EXPECT_FALSE(pane.CheckSaveValues()) << id;
        pane.setText(id, " ");
        EXPECT_TRUE(pane.CheckSaveValues()) << id << ": a blank is content";
        pane.setText(id, kept);
    }
}

TEST_F(LocatorTest, FolderCaptionAndReportNames) {
    nameClient(pane);
    EXPECT_EQ(pane.YRNDirectory(), "DoeJaneQ05-07-2001");
    EXPECT_EQ(interview->identity().YRNDirectory(), "DoeJaneQ05-07-2001");
    EXPECT_EQ(pane.frmMainCaptionName(), "  [Doe, Jane Q]");
    EXPECT_EQ(pane.AssessmentDate(), "05/07/2001");
    set({{"txtMI", "q"}});
    EXPECT_EQ(pane.WholeName(), "Jane Q. Doe");
    set({{"txtMI", " "}});
    EXPECT_EQ(pane.WholeName(), "Jane  . Doe");
    set({{"txtMI", ""}, {"txtAssessmentDate1", "12"}, {"txtAssessmentDate2", "01"}});
    EXPECT_EQ(pane.YRNDirectory(), "DoeJane12-01-2001");
    EXPECT_EQ(pane.WholeName(), "Jane Doe");
    EXPECT_EQ(pane.frmMainCaptionName(), "  [Doe, Jane ]") << "the blank before MI stays";
    set({{"txtFirstName", " Jane "}});
    EXPECT_EQ(pane.FirstName(), " Jane ") << "no trimming";
    set({{"txtLastName", ""}});
    EXPECT_EQ(pane.frmMainCaptionName(), "");
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

}  // namespace
}  // namespace yrn::test
