#include "records/ClientFolder.h"
#include "sections/Sections.h"
#include "sections/locator/LocatorFixture.h"

namespace yrn::locator_test {
namespace {

TEST_F(LocatorTest, SaveNeedsNameAndWholeDateAndBlanksCount) {
    EXPECT_FALSE(loc->CheckSaveValues());
    set({{"txtLastName", "Doe"},
         {"txtFirstName", "Jane"},
         {"txtAssessmentDate1", "05"},
         {"txtAssessmentDate2", "07"},
         {"txtAssessmentDate3", "2001"}});
    EXPECT_TRUE(loc->CheckSaveValues()) << "MI, time, interviewer and site are not needed";
    for (const char* id : {"txtAssessmentDate1", "txtAssessmentDate2", "txtAssessmentDate3",
                           "txtLastName", "txtFirstName"}) {
        const QString kept = loc->text(id);
        loc->setText(id, "");
        EXPECT_FALSE(loc->CheckSaveValues()) << id;
        loc->setText(id, " ");
        EXPECT_TRUE(loc->CheckSaveValues()) << id << ": a blank is content";
        loc->setText(id, kept);
    }
}

TEST_F(LocatorTest, FolderCaptionAndReportNames) {
    set({{"txtLastName", "Doe"},
         {"txtFirstName", "Jane"},
         {"txtMI", "Q"},
         {"txtAssessmentDate1", "05"},
         {"txtAssessmentDate2", "07"},
         {"txtAssessmentDate3", "2001"}});
    EXPECT_EQ(loc->YRNDirectory(), "DoeJaneQ05-07-2001");
    EXPECT_EQ(loc->frmMainCaptionName(), "  [Doe, Jane Q]");
    EXPECT_EQ(loc->AssessmentDate(), "05/07/2001");
    set({{"txtMI", "q"}});
    EXPECT_EQ(loc->WholeName(), "Jane Q. Doe");
    set({{"txtMI", " "}});
    EXPECT_EQ(loc->WholeName(), "Jane  . Doe");
    set({{"txtMI", ""}, {"txtAssessmentDate1", "12"}, {"txtAssessmentDate2", "01"}});
    EXPECT_EQ(loc->YRNDirectory(), "DoeJane12-01-2001");
    EXPECT_EQ(loc->WholeName(), "Jane Doe");
    EXPECT_EQ(loc->frmMainCaptionName(), "  [Doe, Jane ]") << "the blank before MI stays";
    set({{"txtFirstName", " Jane "}});
    EXPECT_EQ(loc->FirstName(), " Jane ") << "no trimming";
    set({{"txtLastName", ""}});
    EXPECT_EQ(loc->frmMainCaptionName(), "");

    // Typed names can hold anything; the folder check refuses what would leave
    // the program folder.
    for (const char* last : {"../x", "a/b", "..", "a\\b", "x\ty"}) {
        set({{"txtLastName", last}});
        EXPECT_TRUE(loc->YRNDirectory().startsWith(last)) << last;
        EXPECT_FALSE(ClientFolder::isSafeFolderName(loc->YRNDirectory())) << last;
    }
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

TEST(LocatorInterview, TheInterviewAsksTheLocatorWhoTheClientIs) {
    RecordingPrompts prompts;
    const auto interview = makeInterview(prompts);
    auto* loc = interview->find<LocatorSection>();
    ASSERT_EQ(interview->sections().value(0), loc);
    loc->setText("txtFirstName", "Jane");
    EXPECT_EQ(interview->identity().WholeName(), "Jane ");
}

}  // namespace
}  // namespace yrn::locator_test
