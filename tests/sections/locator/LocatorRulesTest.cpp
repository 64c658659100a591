// The locator pane: start state, checks, automatic advances, question 7's work
// boxes, the reset, and the names it gives the client's folder and report.
#include <QSet>
#include <algorithm>

#include "sections/ClientFixture.h"
#include "sections/CourtSites.h"

namespace yrn::test {
namespace {

struct LocatorTest : ::testing::Test, Client<LocatorSection> {
    LocatorSection* loc = &pane;
};

TEST_F(LocatorTest, StartStateAndCourtSites) {
    const QStringList& names = courtSiteNames();
    ASSERT_EQ(names.size(), 27);
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), 27);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.begin() + 24));
    EXPECT_FALSE(std::is_sorted(names.begin() + 23, names.end()));
    for (int i = 0; i < 27; ++i)
        EXPECT_EQ(courtSiteCodes().at(i), i);
    EXPECT_EQ(loc->field("cboSite").items, names);
    EXPECT_EQ(loc->field("cboSite").codes, courtSiteCodes());

    for (const QString& id : kWorkBoxes)
        EXPECT_EQ(loc->usable(id), id == "txtWorkState") << id.toStdString();
    EXPECT_EQ(loc->field("txtAssessmentDate1").tip, "Range: 01 - 12");
    // Every field is on a page exactly once.
    QStringList placed;
    for (const Page& page : loc->pages())
        for (const Block& block : page.blocks)
            for (const Answer& answer : block.answers)
                placed << answer.field;
    QStringList declared = loc->fieldOrder();
    std::sort(placed.begin(), placed.end());
    std::sort(declared.begin(), declared.end());
    EXPECT_EQ(placed, declared);
}

TEST_F(LocatorTest, FullMonthDayAndHourMoveOnButNotWhileLoading) {
    set({{"txtAssessmentDate1", "1"},
         {"txtAssessmentDate1", "12"},
         {"txtAssessmentDate2", "07"},
         {"txtAssessmentDate3", "20"},
         {"txtTime1", "10"},
         {"txtTime2", "30"}});
    EXPECT_EQ(focused(prompts),
              QStringList({"txtAssessmentDate2", "txtAssessmentDate3", "txtTime2"}));
    prompts.clear();
    interview->BeginLoading();
    set({{"txtAssessmentDate1", "05"}, {"txtAssessmentDate2", "09"}, {"txtTime1", "11"}});
    EXPECT_TRUE(prompts.focusRequests.isEmpty());
}

TEST_F(LocatorTest, RangeChecksOnLeaving) {
    struct Case {
        const char* id;
        const char* typed;
        const char* kept;  // nullptr: refused
    } const cases[] = {
        {"txtAssessmentDate1", "5", "05"},
        {"txtAssessmentDate1", "0", "00"},
        {"txtAssessmentDate1", "13", nullptr},
        {"txtAssessmentDate2", "32", nullptr},
        {"txtAssessmentDate3", "1999", nullptr},
        {"txtAssessmentDate2", "31", "31"},
        {"txtTime1", "9", "09"},
        {"txtTime2", "60", nullptr},
        {"txtCurrAddressLen", "5", "5"},
        {"txtCurrAddressLen", "51", nullptr},
    };
    for (const Case& c : cases) {
        reset();
        loc->setText(c.id, c.typed);
        EXPECT_TRUE(prompts.boxes.isEmpty()) << "checked on leaving only";
        loc->leave(c.id);
        const std::string where = std::string(c.id) + " = " + c.typed;
        EXPECT_EQ(loc->text(c.id), c.kept ? c.kept : "") << where;
        EXPECT_EQ(prompts.boxes.size(), c.kept ? 0 : 1) << where << ": no date box either";
        if (!c.kept) {
            EXPECT_EQ(focused(prompts).last(), c.id) << where;
        }
    }
    EXPECT_EQ(lastBox(prompts),
              "Critical|Input Error|Invalid data range or type!\r\n"
              "Must be a numeric value between 0 and 50");
}

TEST_F(LocatorTest, ImpossibleAssessmentDate) {
    set({{"txtAssessmentDate1", "02"},
         {"txtAssessmentDate2", "30"},
         {"txtAssessmentDate3", "2001"}});
    prompts.clear();
    loc->leave("txtAssessmentDate3");
    EXPECT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(lastBox(prompts),
              "Critical|Incorrect Date|Invalid assessment date!!\r\n"
              "Please check months and dates and change.");
    EXPECT_EQ(focused(prompts), QStringList{"txtAssessmentDate1"});
    EXPECT_EQ(loc->AssessmentDate(), "02/30/2001") << "the wrong values stay";

    interview->BeginLoading();  // the box, but no focus move
    loc->leave("txtAssessmentDate3");
    interview->EndLoading();
    EXPECT_EQ(prompts.boxes.size(), 2);
    EXPECT_EQ(prompts.focusRequests.size(), 1);

    set({{"txtAssessmentDate2", "29"}, {"txtAssessmentDate3", "2000"}});
    loc->leave("txtAssessmentDate3");
    set({{"txtAssessmentDate2", "30"}, {"txtAssessmentDate3", ""}});
    loc->leave("txtAssessmentDate3");
    EXPECT_EQ(prompts.boxes.size(), 2) << "a leap day and an empty year pass";
}

TEST_F(LocatorTest, QuestionSevenClosesAndReopensTheWorkBoxesInOrderAndResetClosesThem) {
    loc->choose("optWorking", 1);
    for (const QString& id : kWorkBoxes)
        loc->setText(id, "typed");
    QStringList order;
    const int handle = loc->observe([&](const QString& id) {
        if (kWorkBoxes.contains(id) && !order.contains(id)) order << id;
    });
    loc->choose("optWorking", 0);
    loc->unobserve(handle);
    EXPECT_EQ(order, kWorkBoxes);
    for (const QString& id : kWorkBoxes) {
        EXPECT_TRUE(shows(*loc, {id + "= (off)"}));
        EXPECT_EQ(loc->field(id).background, Background::NotApplicable);
    }
    loc->choose("optWorking", 1);  // old answers are not brought back
    for (const QString& id : kWorkBoxes) {
        EXPECT_TRUE(shows(*loc, {id + "="}));
        EXPECT_EQ(loc->field(id).background, Background::Normal);
    }

    // A new client starts from the start state, open work boxes closed again.
    set({{"txtAssessmentDate1", "05"}, {"txtLastName", "Doe"}, {"txtLocationInformation", "x"}});
    loc->choose("optAMPM", 1);
    loc->setPosition("cboSite", 26);
    loc->setItems("cboSite", {"stale"});
    loc->choose("optWorking", 0);
    reset();
    for (const QString& id : loc->fieldOrder()) {
        const Field& f = loc->field(id);
        EXPECT_TRUE(f.text.isEmpty() && f.choice == -1 && f.position == -1) << id.toStdString();
        EXPECT_EQ(f.background, Background::Normal) << id.toStdString();
        EXPECT_EQ(f.enabled, !kWorkBoxes.contains(id) || id == "txtWorkState") << id.toStdString();
    }
    EXPECT_EQ(loc->field("cboSite").items, courtSiteNames());
    loc->choose("optWorking", 1);
    reset();
    EXPECT_FALSE(loc->usable("txtWorkPlace"));
}

TEST_F(LocatorTest, SaveNeedsNameAndWholeDateAndBlanksCount) {
    EXPECT_FALSE(loc->CheckSaveValues());
    nameClient(*loc, "Doe", "Jane", "");
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
    nameClient(*loc);
    EXPECT_EQ(loc->YRNDirectory(), "DoeJaneQ05-07-2001");
    EXPECT_EQ(interview->identity().YRNDirectory(), "DoeJaneQ05-07-2001");
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
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

}  // namespace
}  // namespace yrn::test
