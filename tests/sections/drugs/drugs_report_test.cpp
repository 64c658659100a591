// The drug and alcohol narrative: the values of its 25 placeholders.
#include "report/PlaceholderManifest.h"
#include "sections/drugs/DrugsClient.h"

namespace yrn::test {
namespace {

const QString kCrLf = "\r\n";

class DrugsReport : public ::testing::Test, public Client<DrugsSection> {
  protected:
    DrugsSection& drugs = pane;

    void SetUp() override { nameClient(locator); }
    void use(int row, const QString& age, const QString& days, const QString& years) {
        drugs.choose(arr("optEverUse", row), 1);
        drugs.setText(arr("txtAge1stUse", row), age);
        drugs.setText(arr("txtDaysUsedLast30", row), days);
        drugs.setText(arr("txtYearsUsedLife", row), years);
    }
};

TEST_F(DrugsReport, AFullyAnsweredClientFillsEveryPlaceholderOnceInTheTemplatesOrder) {
    answerDrugs(drugs);
    const QStringList fields = report().fields();
    QStringList expected;
    bool inSection = false;
    for (const PlaceholderCount& p : placeholderManifest()) {
        inSection = inSection || QString(p.field) == "MajorProblem";
        if (inSection && expected.size() < 25) expected << p.field;
    }
    EXPECT_EQ(fields, expected);
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

TEST_F(DrugsReport, TheChartHasOneRowPerSubstanceUsedInFixedColumns) {
    // No row answered: the marker stays; rows answered "No" only: no substance.
    EXPECT_EQ(report().value("DrugChart"), "<no call>");
    drugs.choose(arr("optEverUse", 2), 0);
    EXPECT_EQ(report().value("DrugChart"), "");

    use(4, "16", "05", "12");
    const QString one = "Amphetamine                16      05         12\r\n";
    EXPECT_EQ(report().value("DrugChart"), one);

    // Five rows, in table order; rows answered "No" or not at all stay out, and a
    // value as wide as its column or wider is neither padded nor cut.
    drugs.choose(arr("optEverUse", 0), 0);
    use(1, "13", "30", "10");
    use(5, "17", "", "");
    use(7, "123456789", "12345678901", "9");
    use(11, "18", "02", "100");
    EXPECT_EQ(report().value("DrugChart"),
              "Marijuana                  13      30         10\r\n" + one +
                  "Barbiturates               17                 \r\n"
                  "Hallucinogens              12345678912345678901"
                  "9\r\n"
                  "Multi-substance            18      02         100\r\n");

    // All twelve, under the names of the report.
    for (int i = 0; i < 12; ++i)
        use(i, "20", "01", "03");
    const QStringList lines = report().value("DrugChart").split(kCrLf);
    ASSERT_EQ(lines.size(), 13);
    EXPECT_EQ(lines.last(), "");
    QStringList names;
    for (const QString& line : lines.mid(0, 12)) {
        EXPECT_EQ(line.size(), 27 + 8 + 11 + 2) << qPrintable(line);
        names << line.left(27).trimmed();
    }
    EXPECT_EQ(names, (QStringList{"Alcohol", "Marijuana", "Cocaine", "Crack Cocaine", "Amphetamine",
                                  "Barbiturates", "Opiates", "Hallucinogens", "Inhalants", "Heroin",
                                  "Methadone", "Multi-substance"}));
}

TEST_F(DrugsReport, CommentBlocksFollowTheSubstancesUsed) {
    use(0, "14", "", "");
    use(11, "16", "", "");
    writeComment(drugs, 0, "drinks beer daily");
    writeComment(drugs, 11, "ok");
    EXPECT_EQ(report().value("DrugComments"),
              "Alcohol: \r\n\tDrinks beer daily\r\n\r\n"
              "Multi-substance: \r\n\tok");

    // A used row without a comment still has its heading; the last block of a
    // client who did not use row 11 ends with the two line breaks.
    drugs.choose(arr("optEverUse", 11), 0);
    use(3, "18", "", "");
    EXPECT_EQ(report().value("DrugComments"),
              "Alcohol: \r\n\tDrinks beer daily\r\n\r\nCrack cocaine: \r\n\t\r\n\r\n");
}

TEST_F(DrugsReport, MajorSubstanceAndAbstinenceSentences) {
    demographic.choose("optSex", 1);
    // Neither question answered: both markers stay.
    RecordingReport r = report();
    EXPECT_EQ(r.value("MajorProblem") + '|' + r.value("AbstinenceSentence"), "<no call>|<no call>");
    drugs.setPosition("cboMajorSubstance", 13);
    r = report();
    EXPECT_EQ(r.value("MajorProblem"), "no problem");
    EXPECT_EQ(r.value("AbstinenceSentence"),
              "She has had no periods of abstinence from this substance");

    drugs.setPosition("cboMajorSubstance", 11);
    drugs.setText("txtMonthsAbstinence", "01");
    drugs.setText("txtEndAbstinence", "12");
    r = report();
    EXPECT_EQ(r.value("MajorProblem"), "alcohol & drug (dual addiction)");
    EXPECT_EQ(r.value("AbstinenceSentence"),
              "Her longest period of abstinence was for one month which occured 12 months ago");

    demographic.choose("optSex", 0);
    drugs.setText("txtMonthsAbstinence", "");
    drugs.setText("txtEndAbstinence", "1");
    EXPECT_EQ(report().value("AbstinenceSentence"),
              "His longest period of abstinence was for  months which occured one month ago");
}

TEST_F(DrugsReport, TreatmentSentences) {
    demographic.choose("optSex", 0);
    RecordingReport r = report();
    for (const char* field : {"AlcoholAbuseSentence1", "AlcoholAbuseSentence2",
                              "DrugAbuseSentence1", "DrugAbuseSentence2"})
        EXPECT_TRUE(r.all(field).isEmpty()) << field;  // neither answer: the markers stay

    drugs.choose("optAlcTreat", 1);
    set({{"txtAlcAbuseL", "1"},
         {"txtDetoxL", "0"},
         {"txtOutpatientL", "2"},
         {"txtAlcAbusePY", "01"},
         {"txtDetoxPY", "0"},
         {"txtOutpatientPY", "1"}});
    drugs.choose("optDrugTreat", 0);
    r = report();
    EXPECT_EQ(r.value("AlcoholAbuseSentence1"),
              "Jane has been treated for alcohol abuse one time in his life, 0 of those "
              "treatment times was detox and 2 were outpatient treatment experiences.");
    EXPECT_EQ(r.value("AlcoholAbuseSentence2"),
              "  He has been treated for alcohol abuse one time in the past year, 0 of those "
              "treatment times was detox and 1 of those treatment times were outpatient "
              "treatment experiences.");
    EXPECT_EQ(r.value("DrugAbuseSentence1"),
              "Jane has never been treated for drug abuse in his lifetime.");
    EXPECT_EQ(r.value("DrugAbuseSentence2"), "");

    drugs.choose("optDrugTreat", 1);
    set({{"txtDrugAbuseL", "3"}, {"txtDrugDetoxL", "1"}, {"txtDrugOutpatientL", "00"}});
    EXPECT_EQ(report().value("DrugAbuseSentence1"),
              "Jane has been treated for drug abuse 3 times in his life, 1 of those treatment "
              "times was detox and 00 were outpatient treatment experiences.");
    EXPECT_EQ(report().value("DrugAbuseSentence2"),
              "  He has been treated for drug abuse  times in the past year,  of those treatment "
              "times was detox and  of those treatment times were outpatient treatment "
              "experiences.");
}

TEST_F(DrugsReport, CountsMeetingsAndRatings) {
    // Nothing answered: no count, amount or rating is stated; the comments stand.
    RecordingReport r = report();
    EXPECT_EQ(r.fields(), (QStringList{"DrugComments", "DAComments"}));

    // Days a "No" before them closes are none; open and empty they are not answered.
    const auto days = [&] {
        const RecordingReport d = report();
        return d.value("NumOutpatient30") + '|' + d.value("AADays");
    };
    drugs.choose("optAlcTreat", 0);
    drugs.choose("optAAL", 1);
    EXPECT_EQ(days(), "<no call>|<no call>");
    drugs.choose("optDrugTreat", 0);
    drugs.choose("optAAPY", 0);
    EXPECT_EQ(days(), "0 days|0 days");
    drugs.choose("optAAL", 0);
    EXPECT_EQ(days(), "0 days|0 days");
    drugs.choose("optDrugTreat", 1);
    drugs.choose("optAAL", 1);
    drugs.choose("optAAPY", 1);
    EXPECT_EQ(days(), "<no call>|<no call>");
    set({{"txtOutpatientSettingPast30", "0"}, {"txtAANAMeetings30", "00"}});
    EXPECT_EQ(days(), "0 days|00 days");
    reset();

    drugs.choose("optAlcTreat", 1);
    set({{"txtOutpatientSettingPast30", "01"},
         {"txtNumDTs", "1"},
         {"txtNumODs", "01"},
         {"txtDrugProblemsDays", "1"},
         {"txtAlcProblemsDays", "00"},
         {"txtDollarsAlc30", "1,5"}});
    drugs.choose("optAAL", 1);
    drugs.setText("txtAANAMeetings30", "12");
    drugs.setPosition("cboAlcTroubled", 2);
    drugs.setPosition("cboDrugImportance", 4);
    drugs.setPosition("cboNeedAlcTreatment", 4);
    drugs.setPosition("cboNeedDrugTreatment", 0);
    r = report();
    EXPECT_EQ(r.value("NumOutpatient30"), "one day");
    EXPECT_EQ(r.value("NumberDTs"), "one D.T.");
    EXPECT_EQ(r.value("NumberOD"), "one O.D.");
    EXPECT_EQ(r.value("DrugProblemsDays"), "one day");
    EXPECT_EQ(r.value("AlcProblemsDays"), "00 days");
    EXPECT_EQ(r.value("$Alcohol"), "1,5");
    EXPECT_EQ(r.value("hashasnotAAL"), "has");
    EXPECT_TRUE(r.all("hashasnotAAY").isEmpty());
    EXPECT_EQ(r.value("AADays"), "12 days");
    EXPECT_EQ(r.value("AlcTroubled"), "moderately");
    EXPECT_EQ(r.value("DrugsNecessary"), "extremely");
    EXPECT_EQ(r.value("IRAlcohol"), "Moderate problem");
    EXPECT_EQ(r.value("IRDrugs"), "No real problem");

    drugs.choose("optAAPY", 1);
    EXPECT_EQ(report().value("hashasnotAAY"), "has");
    drugs.choose("optAAPY", 0);
    EXPECT_EQ(report().value("hashasnotAAY"), "has not");
    // Never at a meeting says none in the past year, which is then not asked.
    drugs.choose("optAAL", 0);
    EXPECT_EQ(report().value("hashasnotAAL") + '|' + report().value("hashasnotAAY"),
              "has not|has not");
    drugs.setText("txtDrugInformation", "no further comments");
    EXPECT_EQ(report().value("DAComments"), "No further comments");
}

}  // namespace
}  // namespace yrn::test
