// The report of a fully answered client folder kept with the tests, made by
// yrn-tool as its own process on the shipped template.
#include "records/ClientFolder.h"
#include "report/RtfDocument.h"
#include "sections/Sections.h"
#include "support/ReportMarkers.h"
#include "tools/ToolRun.h"

namespace yrn::test {
namespace {

const QString kClient = QStringLiteral(YRN_SOURCE_DIR "/tests/data/RiveraAnaM03-14-2024");

TEST(FullClientTool, AFullyAnsweredFolderGivesAReportWithNoMarkerLeft) {
    QTemporaryDir dir;
    const QString out = dir.filePath("report.rtf");
    const ToolRun result = runTool({"report", kClient, "-o", out, "--template",
                                    QStringLiteral(YRN_SOURCE_DIR "/resources/YRN_TEMPLATE.RTF")});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.errLines.isEmpty()) << result.errLines.join('\n').toStdString();
    RtfDocument report;
    ASSERT_TRUE(report.load(out));
    const QString text = report.visibleText();

    // The same folder opened here: every section's file is there and reads whole,
    // and the report holds exactly what the narratives fill.
    RecordingPrompts prompts;
    auto interview = makeInterview(prompts);
    ClientFolder folder(*interview, dir.path());
    EXPECT_EQ(folder.sectionFiles(kClient).size(), interview->sections().size());
    EXPECT_TRUE(folder.openClient(kClient).incomplete.isEmpty());
    EXPECT_TRUE(prompts.boxes.isEmpty()) << lastBox(prompts).toStdString();
    EXPECT_TRUE(reportMatchesTemplate(interview->sections(), text));
    EXPECT_EQ(markersIn(text), QStringList{});
    for (const char* expected :
         {"Ana M. Rivera", "Grandfather         Yes             No              Uncertain",
          "Sister #2           No relative     No relative     No relative",
          "stayed in with friends during the homeless period", "emotional abuse; physical abuse",
          "Relationship with her mother is supportive \u2013",
          "experienced serious depression; experienced serious anxiety or tension",
          "*I do believe that Ana"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
}

}  // namespace
}  // namespace yrn::test
