// The section file "Demographic.YRN": files written on Windows machines in the
// current and the older format, the race field, and damaged files.
#include "sections/demographic/DemographicFixture.h"

namespace yrn::test {
namespace {

// A client of the current format, field by field, as a Windows machine writes it.
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
                  " 65 ",  // race: Multi-race
                  " 1 ",
                  " 5 ",
                  "1",
                  "0",
                  "1",
                  "-1",
                  "-1",
                  "1",  // language to options
                  QStringLiteral("Maison d'été"),
                  "0",
                  "14",
                  "-1 ",
                  "-1 ",
                  "5",  // the days
                  "2",
                  "2",
                  "19",
                  "2"};  // pregnancies to children
    v += {"1", "03", "04", "2001", " 0 ", " 3 ", "08", " 0 "};
    v += {"0", "11", "30", "2003", " 1 ", " 0 ", "-1 ", " 4 "};
    for (int row = 2; row < 10; ++row)
        v += {"-1", "-1 ", "-1 ", "-1 ", "-1 ", "-1 ", "-1 ", "-1 "};
    v += {"250", "100", "1", "0", "-1", "-1", "02", "-1 ", "-1 ", "14", "-1 ", "-1 ", "2015"};
    v += {"-1 ", "-1 ", "Lives with his grandmother; doing well", " 1 ", " 0 ", " 0 ", "1"};
    return v;
}

class DemographicFile : public ::testing::Test {
  protected:
    Client c;
    DemographicSection& dem = c.dem;
    QTemporaryDir dir;
    const QString path = dir.filePath("Demographic.YRN");

    LoadResult load(const QStringList& values) {
        writeFile(path, sectionFile(values));
        return c.load(path);
    }
};

TEST_F(DemographicFile, WindowsFileOfTheCurrentFormatLoadsExactlyAndSavesBackUnchanged) {
    const QStringList values = currentClient();
    ASSERT_EQ(values.size(), 128);
    EXPECT_TRUE(load(values).complete);
    EXPECT_TRUE(c.prompts.boxes.isEmpty() && c.prompts.focusRequests.isEmpty());
    EXPECT_EQ(dem.BirthDate(), "03-09-1970");
    EXPECT_EQ(dem.text("txtYearsUS"), "12");
    EXPECT_EQ(dem.choice("optFathersOrig"), 1);
    EXPECT_EQ(dem.listText("cboRace"), "Multi-race");  // 65, after Other (70)
    EXPECT_EQ(dem.listText("cboReligion"), "None");
    EXPECT_EQ(dem.text("txtOther"), QStringLiteral("Maison d'été"));
    EXPECT_EQ(dem.text("txtJailDays"), "0");
    EXPECT_FALSE(dem.usable("txtJailDays"));
    EXPECT_EQ(dem.text("txtAlcDrugDays"), "14");
    EXPECT_EQ(dem.label("lblQ11Caption"), "Times");
    EXPECT_EQ(dem.listText(arr("cboCustudyStatus", 0)), "Sole mother");
    EXPECT_EQ(dem.text(arr("txtVisitationDays", 0)), "08");
    EXPECT_EQ(dem.listText(arr("cboChildSupport", 1)), "NOT APPLICABLE");
    EXPECT_TRUE(dem.usable(arr("cboCustody", 1)));
    EXPECT_FALSE(dem.usable(arr("cboCustody", 2)));
    EXPECT_EQ(dem.text("txtChildSupportActual"), "100");
    EXPECT_TRUE(dem.usable("txtD1DOBY"));
    EXPECT_FALSE(dem.usable("txtD2DOBY"));
    EXPECT_EQ(dem.text("txtD1DOBM") + dem.text("txtD1DOBD") + dem.text("txtD1DOBY"), "02142015");
    EXPECT_EQ(dem.text("txtDemographicInformation"), "Lives with his grandmother; doing well");
    EXPECT_EQ(dem.choice("optEthnicity"), 1);

    // Written back: 128 fields each followed by a separator (256 lines), unchanged.
    ASSERT_TRUE(dem.SaveYRN(path));
    EXPECT_EQ(readFile(path), sectionFile(values));
}

TEST_F(DemographicFile, SaveThenLoadRestoresEveryAnswerAndState) {
    dem.choose("optSex", 0);
    dem.choose("optOrigin", 0);
    dem.setPosition("cboRace", 3);
    dem.choose("optEthnicity", 0);
    dem.choose("optContEnv", 1);
    dem.choose("optMed", 1);
    c.type("txtMedicalDays", "3");
    dem.setText("txtPregnancies", "4");
    c.type("txtChildren", "3");
    for (int row = 0; row < 3; ++row) {
        dem.choose(arr("optGender", row), row % 2);
        dem.setPosition(arr("cboCustody", row), row + 2);
    }
    dem.choose("optOtherChildren", 1);
    dem.setCheck("chkD3", CheckState::Ticked);
    // Line breaks, a separator line and "-1" inside answers survive.
    dem.setText("txtDemographicInformation", "First line\r\n;\r\n-1\nlast, with comma");
    dem.setText("txtSSN", "-1");
    ASSERT_TRUE(dem.SaveYRN(path));
    EXPECT_EQ(readFile(path).count("\r\n"), 256);
    Client other;
    EXPECT_TRUE(other.load(path).complete);
    EXPECT_EQ(paneState(dem), paneState(other.dem))
        << differences(paneState(dem), paneState(other.dem));
}

TEST_F(DemographicFile, OlderFormatAsksForRaceAndEthnicityAgainAndReadsTheRest) {
    QStringList values = currentClient();
    values[9] = " 3 ";  // a position of the older race list
    EXPECT_TRUE(load(values).complete);
    ASSERT_EQ(c.prompts.boxes.size(), 1);
    EXPECT_EQ(c.prompts.last().kind, RecordingPrompts::Kind::Information);
    EXPECT_EQ(c.prompts.last().title, "Older version");
    EXPECT_EQ(c.prompts.last().text,
              "This client was saved using an older version of the YRN. \r\n"
              "Please re-enter the answers for Demographic questions 8 & 9.");
    EXPECT_EQ(dem.position("cboRace"), -1);
    EXPECT_EQ(dem.choice("optEthnicity"), -1);  // the last line is not taken for it
    EXPECT_EQ(dem.checkState("chkD1"), CheckState::Ticked);

    // Such files end before the ethnicity answer.
    values[9] = "0";
    values.removeLast();
    EXPECT_TRUE(load(values).complete);
    EXPECT_EQ(c.prompts.titles(), (QStringList{"Older version", "Older version"}));
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
    EXPECT_TRUE(c.prompts.boxes.isEmpty());
    values = currentClient();
    values[9] = "40.0";  // compared as numbers
    load(values);
    EXPECT_EQ(dem.listText("cboRace"), "Asian");

    // Not a number: the reader's error; the rest of the file is still read.
    values[9] = "Asian";
    EXPECT_FALSE(load(values).complete);
    EXPECT_EQ(c.prompts.titles(), QStringList{"Program Error"});
    EXPECT_EQ(c.prompts.last().text, "Error in module MainModule.LoadComboNew");
    EXPECT_EQ(dem.position("cboRace"), -1);
    EXPECT_EQ(dem.choice("optEthnicity"), 1);
}

TEST_F(DemographicFile, DamagedFilesKeepWhatWasReadAndNeverCrash) {
    // Cut in the children table: what came before is there.
    const QByteArray bytes = sectionFile(currentClient());
    writeFile(path, bytes.left(bytes.indexOf("2001")));
    LoadResult result = c.load(path);
    EXPECT_TRUE(result.found && !result.complete);
    EXPECT_EQ(dem.listText("cboRace"), "Multi-race");
    EXPECT_EQ(dem.choice(arr("optGender", 0)), 1);
    EXPECT_EQ(dem.choice("optEthnicity"), -1);
    writeFile(path, bytes.left(bytes.indexOf(" 65 ") + 6));  // the race's separator lost
    EXPECT_FALSE(c.load(path).complete);
    EXPECT_EQ(dem.listText("cboRace"), "Multi-race");

    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk += char((i * 73 + 11) % 256);
    writeFile(path, junk);
    EXPECT_FALSE(c.load(path).complete);
    c.prompts.clear();
    EXPECT_TRUE(load(QStringList(128, "x9")).found);
    for (const auto& box : c.prompts.boxes)
        EXPECT_TRUE(box.title == "Program Error" || box.title == "Input Error");
    EXPECT_FALSE(c.load(dir.filePath("Missing.YRN")).found);
}

}  // namespace
}  // namespace yrn::test
