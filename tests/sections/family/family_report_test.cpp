// The family and social part of the client report.
#include "report/Phrases.h"
#include "sections/ClientFixture.h"
#include "sections/family/FamilyAnswers.h"

namespace yrn::test {
namespace {

class FamilyReport : public ::testing::Test, public Client<FamilySocialSection> {
  protected:
    FamilySocialSection& fs = pane;

    // A relative's chart row: the label to 20, each answer to 16, CR LF.
    static QString chartRow(const QString& label, const QString& a, const QString& b,
                            const QString& c) {
        return label.leftJustified(20) + a.leftJustified(16) + b.leftJustified(16) +
               c.leftJustified(16) + "\r\n";
    }
};

TEST_F(FamilyReport, AFullClientFillsEveryPlaceholderInOrder) {
    demographic.choose("optSex", 1);
    answerFamily(fs);
    const RecordingReport r = report();
    EXPECT_EQ(r.fields(),
              QString("MothersSide FathersSide Siblings CurrMaritalStatus MaritalStatusYears "
                      "MaritalStatusMonths IsIsNotMS TimesMarried TimesDivorced SexualPartners "
                      "LivingArrangement LivingTimeY LivingTimeM LivingHappiness DoesDoesNotLDA "
                      "WasWasNotHomeless WhereHomeless CloseFriends BotheredBy NumDaysFC "
                      "OtherConflictsDays FTroubled STroubled FNecessary SNecessary FSComments "
                      "IRFamilySocial")
                  .split(' '));
    EXPECT_EQ(r.value("MothersSide"), chartRow("Grandmother", "No", "No", "No") +
                                          chartRow("Grandfather", "Yes", "No", "Uncertain") +
                                          chartRow("Mother", "No", "No", "Yes") +
                                          chartRow("Aunt", "No", "No", "No") +
                                          chartRow("Uncle", "Yes", "Yes", "No"));
    EXPECT_EQ(r.value("FathersSide").split("\r\n").at(3),
              chartRow("Aunt", "No relative", "No relative", "No relative").chopped(2));
    EXPECT_TRUE(r.value("Siblings").startsWith(chartRow("Brother #1", "No", "Yes", "No")));
    EXPECT_EQ(r.value("Siblings").count("\r\n"), 4);
    EXPECT_EQ(r.values().mid(3),
              (QStringList{"divorced",
                           "3 years",
                           "one month",
                           "is",
                           "one time",
                           "one time",
                           "2 sexual partners",
                           "with children alone",
                           "2 years",
                           "0 months",
                           "satisfied",
                           "does not",
                           "was",
                           " and that she stayed in with friends during the homeless period",
                           "3 close friends",
                           "emotional abuse; physical abuse",
                           "2 days",
                           "one day",
                           "slightly",
                           "not at all",
                           "moderately",
                           "slightly",
                           "Relationship with her mother is supportive.",
                           "Slight problem"}));
}

TEST_F(FamilyReport, ChartRowsPadEveryColumnAndKeepLongLabelsWhole) {
    // "Yes" for alcohol, nothing for drugs, "No relative" for psychiatric; the
    // psychiatric "No relative" of a person's choice spreads, so it is set first.
    fs.choose(FamilySocialSection::cell(2, 0), 3);
    fs.choose(FamilySocialSection::cell(0, 0), 1);
    fs.clearOption(FamilySocialSection::cell(1, 0));
    EXPECT_TRUE(report()
                    .value("MothersSide")
                    .startsWith("Grandmother" + QString(9, ' ') + "Yes" + QString(13 + 16, ' ') +
                                "No relative" + QString(5, ' ') + "\r\nGrandfather" +
                                QString(9 + 48, ' ') + "\r\n"));

    // A label as long as its column or longer is neither padded nor cut.
    fs.setLabel(FamilySocialSection::relativeLabel(10), "Half-brother (mother's)");
    fs.setLabel(FamilySocialSection::relativeLabel(11), QString(20, 'B'));
    const QStringList rows = report().value("Siblings").split("\r\n");
    EXPECT_EQ(rows.at(0), "Half-brother (mother's)" + QString(48, ' '));
    EXPECT_EQ(rows.at(1), QString(20, 'B') + QString(48, ' '));
    EXPECT_EQ(rows.at(2), "Sister #1" + QString(11 + 48, ' '));
    EXPECT_EQ(FamilyTableLine("Uncle", "Uncertain", "No relative", "Yes"),
              chartRow("Uncle", "Uncertain", "No relative", "Yes"));
}

TEST_F(FamilyReport, CountsReadAsWords) {
    const auto value = [&](const char* id, const QString& typed, const char* field) {
        fs.setText(id, typed);
        return report().value(field);
    };
    // An empty box is not answered: the marker stays; a typed 0 is an answer.
    for (const auto& [id, field, one, many] : {
             std::tuple{"txtMSYears", "MaritalStatusYears", "one year", " years"},
             {"txtMSMonths", "MaritalStatusMonths", "one month", " months"},
             {"txtTimesMarried", "TimesMarried", "one time", " times"},
             {"txtTimesDivorced", "TimesDivorced", "one time", " times"},
             {"txtLiveInSexPartnersNum", "SexualPartners", "one sexual partner",
              " sexual partners"},
             {"txtUsualLivingArrangmentsY", "LivingTimeY", "one year", " years"},
             {"txtUsualLivingArrangmentsM", "LivingTimeM", "one month", " months"},
             {"txtCloseFriends", "CloseFriends", "one close friend", " close friends"},
             {"txtConflictsFamily", "NumDaysFC", "one day", " days"},
             {"txtConflictsOthers", "OtherConflictsDays", "one day", " days"},
         }) {
        EXPECT_EQ(value(id, "", field), "<no call>") << id;
        EXPECT_EQ(value(id, "0", field), QString("0") + many) << id;
        EXPECT_EQ(value(id, "01", field), one) << id;
        EXPECT_EQ(value(id, "10", field), QString("10") + many) << id;
    }
}

TEST_F(FamilyReport, UnansweredQuestionsKeepTheirMarkers) {
    RecordingReport r = report();
    for (const char* field : {"IsIsNotMS", "LivingHappiness", "DoesDoesNotLDA", "WasWasNotHomeless",
                              "WhereHomeless", "IRFamilySocial"})
        EXPECT_FALSE(r.fields().contains(field)) << field;
    // Only the chart and the comments are filled; the lists not answered keep
    // their markers.
    EXPECT_EQ(r.fields(), (QStringList{"MothersSide", "FathersSide", "Siblings", "FSComments"}));
    EXPECT_EQ(r.value("MothersSide"),
              chartRow("Grandmother", "", "", "") + chartRow("Grandfather", "", "", "") +
                  chartRow("Mother", "", "", "") + chartRow("Aunt", "", "", "") +
                  chartRow("Uncle", "", "", ""));

    fs.choose("optLASatisified", 0);
    fs.choose("optLivDA", 1);
    fs.choose("optHomeless", 0);
    fs.choose("optMSSatisfied", 0);
    fs.setPosition("cboMaritalStatus", 5);
    r = report();
    EXPECT_EQ(r.value("LivingHappiness"), "unsatisfied");
    EXPECT_EQ(r.value("DoesDoesNotLDA"), "does");
    EXPECT_EQ(r.value("WasWasNotHomeless"), "was not");
    EXPECT_EQ(r.value("WhereHomeless"), "");
    EXPECT_EQ(r.value("IsIsNotMS"), "is not");
    EXPECT_EQ(r.value("CurrMaritalStatus"), "never married");
    fs.choose("optLASatisified", 2);
    EXPECT_EQ(report().value("LivingHappiness"), "indifferent");
}

TEST_F(FamilyReport, AbuseListNamesEachKindAnsweredYes) {
    const auto abuse = [&](QList<int> answers) {
        for (int row = 0; row < 4; ++row)
            if (answers.at(row) >= 0) fs.choose(arr("optAbuse", row), answers.at(row));
        return report().value("BotheredBy");
    };
    EXPECT_EQ(abuse({1, 0, 0, 1}), "emotional abuse; sexual harassment");
    // The "Sexually?" row asks about sexual abuse.
    EXPECT_EQ(abuse({0, 0, 1, 0}), "sexual abuse");
    EXPECT_EQ(abuse({1, 1, 1, 1}),
              "emotional abuse; physical abuse; sexual abuse; sexual harassment");
    EXPECT_EQ(abuse({0, 0, 0, 0}), "no problems");
    // One row answered "No" and none "Yes" already says so.
    reset();
    EXPECT_EQ(abuse({-1, 0, -1, -1}), "no problems");
}

TEST_F(FamilyReport, HomelessPlaceTakesThePronounAndTheListInLowerCase) {
    fs.choose("optHomeless", 1);
    fs.setPosition("cboHomelessLiving", 2);
    demographic.choose("optSex", 0);
    EXPECT_EQ(report().value("WhereHomeless"),
              " and that he stayed in in a car during the homeless period");
    demographic.clearOption("optSex");
    fs.setPosition("cboHomelessLiving", -1);
    RecordingReport r = report();
    EXPECT_EQ(r.value("WasWasNotHomeless"), "was");
    EXPECT_EQ(r.value("WhereHomeless"), " and that  stayed in  during the homeless period");
}

}  // namespace
}  // namespace yrn::test
