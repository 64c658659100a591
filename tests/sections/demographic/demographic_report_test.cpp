// The demographic part of the client report, the race words and the pronouns.
#include "report/Phrases.h"
#include "sections/ClientFixture.h"

namespace yrn::test {
namespace {

const QString kTwoBreaks = QStringLiteral("\r\n\r\n");

class DemographicReport : public ::testing::Test, public Client<DemographicSection> {
  protected:
    DemographicSection& dem = pane;

    void dates(const QStringList& birth, const QStringList& assessed) {
        set({{"txtBDateMonth", birth.at(0)},
             {"txtBDateDay", birth.at(1)},
             {"txtBDateYear", birth.at(2)}});
        for (int i = 0; i < 3; ++i)
            locator.setText("txtAssessmentDate" + QString::number(i + 1), assessed.at(i));
    }
};

TEST_F(DemographicReport, AFullClientFillsEveryPlaceholderInOrder) {
    answerDemographic(locator, dem);
    const RecordingReport r = report();
    EXPECT_EQ(r.fields(),
              QString("DateOfBirth SSN Age Race BornIn Gender Language Religion NumberOfChildren "
                      "ChildChartTop ChildChart ChildChart DaysSpent ChildSupportSentence "
                      "HasHasNotCE SpecificCE CE Explanation OtherChildren DemographicComments")
                  .split(' '));
    EXPECT_EQ(r.values().mid(0, 10),
              (QStringList{"03-09-1970", "123-45-6789", "31", "white", "non U.S. born", "female",
                           "Haitian Creole", "the Catholic", "2 children",
                           "\r\n" + ChildChartHeading() + "\r\n\r\n"}));
    // One row per child, in table order, each ending in two line breaks.
    EXPECT_EQ(r.all("ChildChart"),
              (QStringList{"Male    01/02/1999  Respondent           Joint--w/mother    03   "
                           "NO, not court ordered\r\n\r\n",
                           QString(8, ' ') + "//" + QString(10 + 21, ' ') + "Sole mother" +
                               QString(8 + 5, ' ') + "NO, court ordered\r\n\r\n"}));
    EXPECT_EQ(r.values().mid(12),
              (QStringList{
                  "*Days represents days spent with child in last month.",
                  kTwoBreaks + "At this time Jane is ordered to pay $300 in child support per "
                               "month and currently is paying $150 per month of this total.\r\n",
                  "has", "Specifically she has been in:" + kTwoBreaks,
                  // The rows answered "Yes"; "No" and unanswered rows say nothing.
                  DaysLine("Jail", "4") + "\r\n" + DaysLine("Shelter", "") + "\r\n",
                  kTwoBreaks + "Jane was in a controlled environment in the past 30 days, all "
                               "questions referring to past 30 days refer to the past 30 days on "
                               "the street (i.e., not including the time spent in the controlled "
                               "environment).",
                  " and takes care of additional children", "Cooperative"}));
}

TEST_F(DemographicReport, AgeIsCompletedYearsOnTheAssessmentDate) {
    const auto age = [&](const QStringList& birth, const QStringList& assessed) {
        dates(birth, assessed);
        return report().value("Age");
    };
    const QStringList newYear{"01", "01", "2001"};
    EXPECT_EQ(age({"12", "31", "1970"}, newYear), "30");
    EXPECT_EQ(age({"01", "01", "1970"}, newYear), "31");  // the birthday itself counts
    EXPECT_EQ(age({"01", "02", "2001"}, newYear), "0");   // born after the assessment
    // A date not given or not in the calendar gives no age: the marker stays.
    EXPECT_EQ(age({"02", "30", "1970"}, newYear), "<no call>");
    EXPECT_EQ(age({"", "", ""}, newYear), "<no call>");
    EXPECT_EQ(age({"12", "31", "1970"}, {"", "", ""}), "<no call>");
    EXPECT_EQ(age({"12", "31", "1970"}, {"13", "01", "2001"}), "<no call>");
    EXPECT_EQ(age({"02", "29", "2000"}, {"02", "28", "2005"}), "4");
}

TEST_F(DemographicReport, UnansweredAndNoAnswersGiveTheirTexts) {
    // Nothing answered: every placeholder of an answer keeps its marker; the chart,
    // the notes and the explanation, which state nothing, are emptied.
    RecordingReport r = report();
    EXPECT_EQ(r.fields(),
              QString("ChildChartTop ChildChart DaysSpent ChildSupportSentence SpecificCE CE "
                      "Explanation DemographicComments")
                  .split(' '));
    EXPECT_EQ(r.values(), (QStringList{"", "", "", "\r\n", "", "", "", ""}));
    // A date given in part stands as typed.
    dem.setText("txtBDateYear", "1970");
    EXPECT_EQ(report().value("DateOfBirth"), "--1970");

    dem.choose("optContEnv", 0);
    dem.choose("optOrigin", 0);
    dem.choose("optSex", 0);
    dem.setPosition("cboLanguage", 6);
    dem.setPosition("cboReligion", 4);
    dem.setText("txtDemographicInformation", "ok");  // two characters stay as typed
    r = report();
    EXPECT_EQ((QStringList{r.value("HasHasNotCE"), r.value("BornIn"), r.value("Gender"),
                           r.value("Language"), r.value("Religion"), r.value("CE"),
                           r.value("DemographicComments"), r.value("OtherChildren")}),
              (QStringList{"has not", "born in U.S.", "male", "an unspecified language",
                           "an unspecified", "", "ok", "<no call>"}));
    dem.choose("optOtherChildren", 0);
    EXPECT_EQ(report().value("OtherChildren"), "");
    dem.setPosition("cboLanguage", 7);
    dem.setPosition("cboReligion", 5);
    EXPECT_EQ(report().value("Language") + "|" + report().value("Religion"),
              "an unknown language|no");

    // "Yes" with no row answered leaves the list's marker; days typed without a
    // button answer their row; rows answered "No" only give an empty list.
    dem.choose("optContEnv", 1);
    EXPECT_EQ(report().value("CE"), "<no call>");
    type("txtMedicalDays", "3");
    EXPECT_EQ(report().value("CE"), DaysLine("Medical Treatment", "3") + "\r\n");
    for (const char* row : {"optJail", "optAlc", "optMed", "optPsy", "optOther"})
        dem.choose(row, 0);
    EXPECT_EQ(report().value("CE"), "");
}

TEST_F(DemographicReport, ChildrenAreCountedByValue) {
    type("txtChildren", "00");  // no child
    const RecordingReport none = report();
    EXPECT_EQ(none.values().mid(none.fields().indexOf("NumberOfChildren"), 5),
              (QStringList{"0 children", "", "", "", "\r\n"}));

    for (const char* one : {"1", "01"}) {
        type("txtChildren", one);
        dem.setPosition(arr("cboChildSupport", 0), 0);
        const RecordingReport r = report();
        EXPECT_EQ(r.value("NumberOfChildren"), "one child") << one;
        EXPECT_EQ(r.all("ChildChart").size(), 1) << one;
        EXPECT_TRUE(r.value("ChildSupportSentence").startsWith(kTwoBreaks + "At this time "));
    }

    type("txtChildren", "10");
    for (int i = 0; i < 10; ++i)
        type(arr("txtVisitationDays", i), QString::number(i + 10));
    const RecordingReport r = report();
    EXPECT_EQ(r.value("NumberOfChildren"), "10 children");
    const QStringList rows = r.all("ChildChart");
    ASSERT_EQ(rows.size(), 10);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(rows.at(i).mid(60, 2), QString::number(i + 10)) << i;
    dem.setPosition(arr("cboChildSupport", 0), 3);  // none ordered or paid
    EXPECT_EQ(report().value("ChildSupportSentence"), "\r\n");
}

TEST_F(DemographicReport, RaceWordsAndPronouns) {
    const QStringList words{
        "African American", "Alaska Native",    "Asian", "white",      "American Indian",
        "Native Hawaiian",  "Pacific Islander", "other", "multiracial"};
    for (int i = 0; i < 9; ++i) {
        dem.setPosition("cboRace", i);
        EXPECT_EQ(report().value("Race"), words.at(i)) << i;
    }
    EXPECT_EQ(dem.listText("cboRace"), "Multi-race");
    dem.setPosition("cboRace", -1);
    EXPECT_EQ(dem.GetRace(), "");

    const Pronouns& p = interview->pronouns();
    const auto all = [&] {
        return QStringList{p.himherself(), p.hisher(), p.HisHerC(),
                           p.himher(),     p.heshe(),  p.HeSheC()};
    };
    EXPECT_EQ(all(), QStringList(6, ""));
    dem.choose("optSex", 0);
    EXPECT_EQ(all(), (QStringList{"himself", "his", "His", "him", "he", "He"}));
    dem.choose("optSex", 1);
    EXPECT_EQ(all(), (QStringList{"herself", "her", "Her", "her", "she", "She"}));
    dem.choose("optContEnv", 1);
    dem.choose("optJail", 1);
    type("txtJailDays", "7");
    EXPECT_EQ(dem.JailDays(), "7");
}

}  // namespace
}  // namespace yrn::test
