#include <QSet>
#include <algorithm>

#include "sections/CourtSites.h"
#include "sections/locator/LocatorFixture.h"

namespace yrn::locator_test {
namespace {

TEST(CourtSites, TwentySevenCodedByPositionFirstTwentyFourSorted) {
    const QStringList& names = courtSiteNames();
    ASSERT_EQ(names.size(), 27);
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), 27);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.begin() + 24));
    EXPECT_FALSE(std::is_sorted(names.begin() + 23, names.end()));
    for (int i = 0; i < 27; ++i)
        EXPECT_EQ(courtSiteCodes().at(i), i);
}

TEST_F(LocatorTest, StartState) {
    for (const QString& id : kWorkBoxes)
        EXPECT_EQ(loc->usable(id), id == "txtWorkState") << id.toStdString();
    EXPECT_EQ(loc->field("cboSite").items, courtSiteNames());
    EXPECT_EQ(loc->field("cboSite").codes, courtSiteCodes());
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
    EXPECT_EQ(focused(), QStringList({"txtAssessmentDate2", "txtAssessmentDate3", "txtTime2"}));
    prompts.clear();
    interview.BeginLoading();
    set({{"txtAssessmentDate1", "05"}, {"txtAssessmentDate2", "09"}, {"txtTime1", "11"}});
    EXPECT_TRUE(focused().isEmpty());
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
            EXPECT_EQ(focused().last(), c.id) << where;
        }
    }
    EXPECT_EQ(prompts.last().title, "Input Error");
    EXPECT_EQ(prompts.last().text,
              "Invalid data range or type!\r\nMust be a numeric value between 0 and 50");
}

TEST_F(LocatorTest, ImpossibleAssessmentDate) {
    set({{"txtAssessmentDate1", "02"},
         {"txtAssessmentDate2", "30"},
         {"txtAssessmentDate3", "2001"}});
    prompts.clear();
    loc->leave("txtAssessmentDate3");
    ASSERT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(prompts.last().kind, RecordingPrompts::Kind::Critical);
    EXPECT_EQ(prompts.last().title, "Incorrect Date");
    EXPECT_EQ(prompts.last().text,
              "Invalid assessment date!!\r\nPlease check months and dates and change.");
    EXPECT_EQ(focused(), QStringList{"txtAssessmentDate1"});
    EXPECT_EQ(loc->AssessmentDate(), "02/30/2001") << "the wrong values stay";

    interview.BeginLoading();  // the box, but no focus move
    loc->leave("txtAssessmentDate3");
    interview.EndLoading();
    EXPECT_EQ(prompts.boxes.size(), 2);
    EXPECT_EQ(focused().size(), 1);

    set({{"txtAssessmentDate2", "29"}, {"txtAssessmentDate3", "2000"}});
    loc->leave("txtAssessmentDate3");
    set({{"txtAssessmentDate2", "30"}, {"txtAssessmentDate3", ""}});
    loc->leave("txtAssessmentDate3");
    EXPECT_EQ(prompts.boxes.size(), 2) << "a leap day and an empty year pass";
}

TEST_F(LocatorTest, QuestionSevenClosesAndReopensTheWorkBoxesInOrder) {
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
        EXPECT_FALSE(loc->usable(id));
        EXPECT_EQ(loc->field(id).background, Background::NotApplicable);
        EXPECT_EQ(loc->text(id), "");
    }
    loc->choose("optWorking", 1);
    for (const QString& id : kWorkBoxes) {
        EXPECT_TRUE(loc->usable(id));
        EXPECT_EQ(loc->field(id).background, Background::Normal);
        EXPECT_EQ(loc->text(id), "") << "old answers are not brought back";
    }
}

TEST_F(LocatorTest, NewClientStartsFromTheStartState) {
    set({{"txtAssessmentDate1", "05"}, {"txtLastName", "Doe"}, {"txtLocationInformation", "x"}});
    loc->choose("optAMPM", 1);
    loc->setPosition("cboSite", 26);
    loc->choose("optWorking", 0);
    loc->setItems("cboSite", {"stale"});
    reset();
    for (const QString& id : loc->fieldOrder()) {
        const Field& f = loc->field(id);
        EXPECT_TRUE(f.text.isEmpty() && f.choice == -1 && f.position == -1) << id.toStdString();
        EXPECT_EQ(f.background, Background::Normal) << id.toStdString();
        EXPECT_EQ(f.enabled, !kWorkBoxes.contains(id) || id == "txtWorkState") << id.toStdString();
    }
    EXPECT_EQ(loc->field("cboSite").items, courtSiteNames());
    loc->choose("optWorking", 1);  // open work boxes are closed again for the next client
    reset();
    EXPECT_FALSE(loc->usable("txtWorkPlace"));
}

}  // namespace
}  // namespace yrn::locator_test
