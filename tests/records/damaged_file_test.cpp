#include <gtest/gtest.h>

#include <QRandomGenerator>

#include "interview/Interview.h"
#include "interview/RecordingPrompts.h"
#include "records/FieldCodec.h"
#include "records/SectionFile.h"
#include "support/SampleSection.h"

using namespace yrn;
using yrn::test::SampleSection;

namespace {

FileLayout layout() {
    return {{Codec::Text, "txtName"},           {Codec::Combo, "cboLanguage"},
            {Codec::Opt, "optWorking"},         {Codec::ComboNew, "cboRace"},
            {Codec::CheckBox, "chkAbstinence"}, {Codec::Text, "txtComments", true}};
}

struct DamagedFileTest : ::testing::Test {
    RecordingPrompts prompts;
    Interview interview{prompts};
    Section& s = interview.add(std::make_unique<SampleSection>(interview));

    LoadResult read(const QByteArray& bytes) {
        s.NewYRN();
        prompts.clear();
        return readSectionBytes(s, layout(), bytes);
    }
};

TEST_F(DamagedFileTest, AFileThatEndsEarlyKeepsWhatWasReadAndSaysItIsIncomplete) {
    const LoadResult result = read("Doe\r\n;\r\n 1 \r\n;\r\n1");
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(s.text("txtName"), "Doe");
    EXPECT_EQ(s.position("cboLanguage"), 1);
    EXPECT_EQ(s.choice("optWorking"), 1);  // the value came, its separator did not
    EXPECT_EQ(s.position("cboRace"), -1);
    EXPECT_TRUE(prompts.boxes.isEmpty());
    EXPECT_FALSE(read("").complete);
}

TEST_F(DamagedFileTest, ABadListValueIsReportedAndSkippedAndTheRestStillReads) {
    for (const char* bad : {"abc", " 7 ", " 40000 ", " -2 ", " 1e3 "}) {
        const QByteArray file = QByteArray("Doe\r\n;\r\n") + bad +
                                "\r\n;\r\n1\r\n;\r\n 40 \r\n;\r\n 1 \r\n;\r\nend\r\n";
        const LoadResult result = read(file);
        EXPECT_FALSE(result.complete) << bad;
        ASSERT_EQ(prompts.boxes.size(), 1) << bad;
        EXPECT_EQ(prompts.last().title, "Program Error");
        EXPECT_EQ(prompts.last().text, "Error in module MainModule.LoadCombo");
        EXPECT_EQ(s.position("cboLanguage"), -1) << bad;
        EXPECT_EQ(s.listText("cboRace"), "Asian") << bad;
        EXPECT_EQ(s.text("txtComments"), "end") << bad;
    }
    read("Doe\r\n;\r\n 1 \r\n;\r\n1\r\n;\r\nxyz\r\n;\r\n 1 \r\n;\r\nend\r\n");
    EXPECT_EQ(prompts.last().text, "Error in module MainModule.LoadComboNew");
    EXPECT_EQ(s.text("txtComments"), "end");
}

TEST_F(DamagedFileTest, AWrongSeparatorStopsTheReadingWhereItLosesStep) {
    const LoadResult result =
        read("Doe\r\n;\r\n 1 \r\nX\r\n1\r\n;\r\n 40 \r\n;\r\n 1 \r\n;\r\nend\r\n");
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(s.text("txtName"), "Doe");
    EXPECT_EQ(s.position("cboLanguage"), 1);
    EXPECT_EQ(s.choice("optWorking"), -1);
    EXPECT_EQ(s.text("txtComments"), "");
    // A separator item followed by a comma leaves the rest of its line as the next line.
    EXPECT_TRUE(read("Doe\r\n;, 2 \r\n;\r\n0\r\n;\r\n-1 \r\n;\r\n 0 \r\n;\r\nend\r\n").complete);
    EXPECT_EQ(s.position("cboLanguage"), 2);
}

TEST_F(DamagedFileTest, JunkAndHugeInputsNeverCrashOrHang) {
    QByteArray junk(64 * 1024, '\0');
    for (char& c : junk)
        c = char(QRandomGenerator::global()->bounded(256));
    read(junk);  // whatever it holds: no crash
    EXPECT_TRUE(s.text("txtName").size() <= junk.size());

    QByteArray huge(50 * 1024 * 1024, 'A');
    const LoadResult result = read(huge + "\r\n;\r\n");
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(s.text("txtName"), "");

    QByteArray binaryLine("Doe\r\n;\r\n\x01\x02\xff\xfe\r\n;\r\n");
    read(binaryLine);
    EXPECT_EQ(prompts.last().text, "Error in module MainModule.LoadCombo");
}

}  // namespace
