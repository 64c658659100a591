// The report of a fully answered client folder kept with the tests, made by
// yrn-tool as its own process on the shipped template.
#include <QProcess>

#include "records/ClientFolder.h"
#include "report/RtfDocument.h"
#include "sections/DeclaredSection.h"
#include "sections/Sections.h"
#include "support/ReportMarkers.h"

namespace yrn::test {
namespace {

const QString kClient = QStringLiteral(YRN_SOURCE_DIR "/tests/data/RiveraAnaM03-14-2024");

TEST(FullClientTool, AFullyAnsweredFolderGivesAReportWithNoMarkerLeft) {
    // Every section that keeps a file has its file in the folder.
    RecordingPrompts prompts;
    auto interview = makeInterview(prompts);
    bool allBuilt = true;
    for (Section* section : interview->sections()) {
        if (static_cast<DeclaredSection*>(section)->fileLayout().isEmpty())
            allBuilt = false;
        else
            EXPECT_TRUE(QFileInfo::exists(kClient + '/' + section->info().fileName))
                << section->info().fileName.toStdString();
    }

    QTemporaryDir dir;
    const QString out = dir.filePath("report.rtf");
    QProcess tool;
    tool.start(QStringLiteral(YRN_PROGRAM_DIR "/yrn-tool"),
               {"report", kClient, "-o", out, "--template",
                QStringLiteral(YRN_SOURCE_DIR "/resources/YRN_TEMPLATE.RTF")});
    ASSERT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitCode(), 0);
    EXPECT_EQ(tool.readAllStandardError(), QByteArray());
    RtfDocument report;
    ASSERT_TRUE(report.load(out));
    const QString text = report.visibleText();

    // The same folder opened here: every file reads whole, and the report holds
    // exactly what the narratives fill.
    ClientFolder(*interview, dir.path()).openClient(kClient);
    EXPECT_TRUE(prompts.boxes.isEmpty()) << lastBox(prompts).toStdString();
    EXPECT_TRUE(reportMatchesTemplate(interview->sections(), text));
    if (allBuilt) {
        EXPECT_EQ(markersIn(text), QStringList{});
    }

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
