// "Demographic.YRN": files written on Windows machines in the current and the
// older format, the race field, and damaged files.
#include "sections/SectionFileTest.h"

namespace yrn::test {
namespace {

// A client of the current format, field by field: race 65 (Multi-race) is field 10.
QStringList currentClient() {
    QStringList v{"03",
                  "09",
                  "1970",
                  "123-45-6789",
                  "1",
                  "1",
                  "12",
                  "0",
                  "1",
                  " 65 ",
                  " 1 ",
                  " 5 ",
                  "1",
                  "0",
                  "1",
                  "-1",
                  "-1",
                  "1",
                  QStringLiteral("Maison d'été"),
                  "0",
                  "14",
                  "-1 ",
                  "-1 ",
                  "5",
                  "2",
                  "2",
                  "19",
                  "2"};
    v += {"1", "03", "04", "2001", " 0 ", " 3 ", "08", " 0 "};
    v += {"0", "11", "30", "2003", " 1 ", " 0 ", "-1 ", " 4 "};
    for (int row = 2; row < 10; ++row)
        v += {"-1", "-1 ", "-1 ", "-1 ", "-1 ", "-1 ", "-1 ", "-1 "};
    v += {"250", "100", "1", "0", "-1", "-1", "02", "-1 ", "-1 ", "14", "-1 ", "-1 ", "2015"};
    v += {"-1 ", "-1 ", "Lives with his grandmother; doing well", " 1 ", " 0 ", " 0 ", "1"};
    return v;
}

class DemographicFile : public SectionFileTest<DemographicSection> {
  protected:
    // Every field of this file, the last one too, is followed by a ";" line.
    DemographicFile() { lastField = LastField::Separated; }
    DemographicSection& dem = pane;
};

TEST_F(DemographicFile, WindowsFileOfTheCurrentFormatLoadsExactlyAndSavesBackUnchanged) {
    const QStringList values = currentClient();
    ASSERT_EQ(values.size(), 128);
    EXPECT_TRUE(load(values).complete);
    EXPECT_TRUE(prompts.boxes.isEmpty() && prompts.focusRequests.isEmpty());
    EXPECT_EQ(dem.BirthDate(), "03-09-1970");
    EXPECT_EQ(dem.label("lblQ11Caption"), "Times");
    EXPECT_TRUE(shows(
        dem,
        {"txtYearsUS=12", "optFathersOrig=1",
         "cboRace=Multi-race",  // 65, after Other (70)
         "cboReligion=None", "txtOther=Maison d'été", "txtJailDays=0 (off)", "txtAlcDrugDays=14",
         "cboCustudyStatus(0)=Sole mother", "txtVisitationDays(0)=08", "txtChildsDOBY(1)=2003",
         "cboChildSupport(1)=NOT APPLICABLE", "cboCustody(2)= (off)", "txtChildSupportActual=100",
         "txtD1DOBM=02", "txtD1DOBD=14", "txtD1DOBY=2015", "txtD2DOBY= (off)",
         "txtDemographicInformation=Lives with his grandmother; doing well", "optEthnicity=1"}));

    // Written back: 128 fields each followed by a separator (256 lines), unchanged.
    ASSERT_TRUE(dem.SaveYRN(path));
    EXPECT_EQ(readFile(path), windowsSectionFile(values, lastField));

    // Line breaks, a separator line and "-1" inside answers survive a save and load.
    dem.setText("txtDemographicInformation", "First line\r\n;\r\n-1\nlast, with comma");
    dem.setText("txtSSN", "-1");
    ASSERT_TRUE(dem.SaveYRN(path));
    EXPECT_EQ(readFile(path).count("\r\n"), 256);
    Client<DemographicSection> other;
    EXPECT_TRUE(other.load(path).complete);
    EXPECT_TRUE(sameState(dem, other.pane));
}

TEST_F(DemographicFile, OlderFormatAsksForRaceAndEthnicityAgainAndReadsTheRest) {
    QStringList values = currentClient();
    values[9] = " 3 ";  // a position of the older race list
    EXPECT_TRUE(load(values).complete);
    EXPECT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(lastBox(prompts),
              "Information|Older version|This client was saved using an older version of the "
              "YRN. \r\nPlease re-enter the answers for Demographic questions 8 & 9.");
    EXPECT_EQ(dem.position("cboRace"), -1);
    EXPECT_EQ(dem.choice("optEthnicity"), -1);  // the last line is not taken for it
    EXPECT_EQ(dem.checkState("chkD1"), CheckState::Ticked);

    // Such files end before the ethnicity answer.
    values[9] = "0";
    values.removeLast();
    EXPECT_TRUE(load(values).complete);
    EXPECT_EQ(prompts.titles(), (QStringList{"Older version", "Older version"}));
    EXPECT_EQ(dem.listText("cboLanguage"), "Spanish");
}

TEST_F(DemographicFile, RaceCodesOtherThanTheOlderPositionsKeepTheEthnicity) {
    // No race chosen is the current format, also when the file ends before ethnicity.
    QStringList values = currentClient();
    for (const char* race : {"-1 ", " 999 ", " 10 ", " -7 "}) {
        values[9] = race;
        EXPECT_TRUE(load(values).complete) << race;
        EXPECT_EQ(dem.position("cboRace"), -1) << race;
        EXPECT_EQ(dem.choice("optEthnicity"), 1) << race;
    }
    values.removeLast();
    EXPECT_TRUE(load(values).complete);
    EXPECT_EQ(dem.choice("optEthnicity"), -1);
    EXPECT_TRUE(prompts.boxes.isEmpty());
    values = currentClient();
    values[9] = "40.0";  // compared as numbers
    load(values);
    EXPECT_EQ(dem.listText("cboRace"), "Asian");

    // Not a number: the reader's error; the rest of the file is still read.
    values[9] = "Asian";
    EXPECT_FALSE(load(values).complete);
    EXPECT_EQ(prompts.titles(), QStringList{"Program Error"});
    EXPECT_EQ(prompts.last().text, "Error in module MainModule.LoadComboNew");
    EXPECT_EQ(dem.position("cboRace"), -1);
    EXPECT_EQ(dem.choice("optEthnicity"), 1);
}

TEST_F(DemographicFile, DamagedFilesKeepWhatWasReadAndNeverCrash) {
    // Cut in the children table: what came before is there.
    const QByteArray bytes = windowsSectionFile(currentClient(), lastField);
    writeFile(path, bytes.left(bytes.indexOf("2001")));
    const LoadResult result = load(path);
    EXPECT_TRUE(result.found && !result.complete);
    EXPECT_EQ(dem.listText("cboRace"), "Multi-race");
    EXPECT_EQ(dem.choice(arr("optGender", 0)), 1);
    EXPECT_EQ(dem.choice("optEthnicity"), -1);
    writeFile(path, bytes.left(bytes.indexOf(" 65 ") + 6));  // the race's separator lost
    EXPECT_FALSE(load(path).complete);
    EXPECT_EQ(dem.listText("cboRace"), "Multi-race");

    EXPECT_FALSE(loadBytes(junkBytes(73, 11)).complete);
    prompts.clear();
    EXPECT_TRUE(load(QStringList(128, "x9")).found);
    for (const auto& box : prompts.boxes)
        EXPECT_TRUE(box.title == "Program Error" || box.title == "Input Error");
    EXPECT_FALSE(load(dir.filePath("Missing.YRN")).found);
}

}  // namespace
}  // namespace yrn::test
