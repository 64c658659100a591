// yrn-tool export-csv and export-sqlite, run as their own process on a program
// folder of clients saved as the program saves them.
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

#include "ProgramInfo.h"
#include "records/ClientFolder.h"
#include "sections/DeclaredSection.h"
#include "sections/Sections.h"
#include "support/ProgramFolder.h"
#include "support/TestSupport.h"
#include "tools/ToolRun.h"

namespace yrn::test {
namespace {

class ExportCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QFile::exists(kTool));
        save("Doe", "Akron");
        save("Roe", "Kent, OH");
        // A damaged client: its locator file cut short.
        const QString roe = program.filePath("RoeJaneQ05-07-2001/Location.YRN");
        QFile::resize(roe, 30);
    }

    void save(const QString& last, const QString& city) {
        Section& locator = *interview->section("ctlLocatorInformation");
        interview->BeginLoading();
        nameClient(locator, last, "Jane", "Q");
        locator.setText("txtCity", city);
        interview->EndLoading();
        ASSERT_TRUE(ClientFolder(*interview, program.path).SaveClientYRN().allWritten);
    }

    QStringList files() const {
        QStringList names;
        QDirIterator it(program.root.path(), QDir::Files | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            names << QDir(program.root.path()).relativeFilePath(it.next());
        names.sort();
        return names;
    }

    ProgramFolder program;
    RecordingPrompts prompts;
    std::unique_ptr<Interview> interview = makeInterview(prompts);
    const QString csv = program.root.filePath("clients.csv");
    const QString sqlite = program.root.filePath("clients.sqlite");
};

TEST_F(ExportCommandTest, WrongArgumentsGiveTheUsageAndStatus2) {
    for (const char* line :
         {"export-csv", "export-csv folder", "export-csv folder -o", "export-csv a b -o x",
          "export-csv a -o x -o y", "export-csv a -o x --verbose", "export-sqlite a -o -",
          "export-sqlite -o x"}) {
        const QStringList args = QString(line).split(' ', Qt::SkipEmptyParts);
        const ToolRun result = runTool(args);
        EXPECT_EQ(result.exitCode, 2) << line;
        EXPECT_TRUE(result.errLines.join('\n').contains("yrn-tool export-csv <program-folder>"))
            << line;
    }
    const ToolRun version = runTool({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QByteArray("yrn-tool ") + kProgramVersion + "\n");
}

TEST_F(ExportCommandTest, ExportsEveryClientAndWarnsOfTheDamagedOneByName) {
    ToolRun result = runTool({"export-csv", program.path, "-o", csv});
    EXPECT_EQ(result.exitCode, 0);
    // Not a terminal: no progress, only the warnings, each naming the folder.
    ASSERT_FALSE(result.errLines.isEmpty());
    for (const QString& line : result.errLines)
        EXPECT_TRUE(line.startsWith("yrn-tool: warning: RoeJaneQ05-07-2001: "))
            << line.toStdString();
    EXPECT_TRUE(result.errLines.join('\n').contains("Location.YRN"));
    const QStringList lines = QString::fromUtf8(readFile(csv)).split("\r\n");
    ASSERT_EQ(lines.size(), 4);  // the header, two clients, and the end of the last row
    EXPECT_TRUE(lines.at(0).startsWith("folder,Location.txtAssessmentDate1,"));
    EXPECT_TRUE(lines.at(1).startsWith("DoeJaneQ05-07-2001,05,07,2001,"));
    EXPECT_TRUE(lines.at(1).contains(",Akron,"));
    EXPECT_TRUE(lines.at(2).startsWith("RoeJaneQ05-07-2001,05,07,"));
    EXPECT_EQ(lines.at(3), "");

    // "-o -": the same table on stdout.
    result = runTool({"export-csv", program.path, "-o", "-"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, readFile(csv));

    result = runTool({"export-sqlite", program.path, "-o", sqlite});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(readFile(sqlite).startsWith("SQLite format 3"));
}

TEST_F(ExportCommandTest, AnExportThatCannotBeWrittenSaysSoAndLeavesTheOldFile) {
    // A program folder that is not there.
    ToolRun result = runTool({"export-csv", program.root.filePath("gone"), "-o", csv});
    EXPECT_EQ(result.exitCode, 1);
    ASSERT_EQ(result.errLines.size(), 1);
    EXPECT_TRUE(result.errLines.first().contains("gone"));
    EXPECT_FALSE(QFile::exists(csv));

    // A folder where the file should go, a folder that is missing.
    for (const QString& out : {program.path, program.root.filePath("no/such/clients.csv")}) {
        for (const char* command : {"export-csv", "export-sqlite"}) {
            result = runTool({command, program.path, "-o", out});
            EXPECT_EQ(result.exitCode, 1) << command;
            EXPECT_TRUE(result.errLines.last().startsWith("yrn-tool: cannot write")) << command;
        }
    }

    // A full disk: the old files stay as they were, and nothing else is left.
    ASSERT_EQ(runTool({"export-csv", program.path, "-o", csv}).exitCode, 0);
    ASSERT_EQ(runTool({"export-sqlite", program.path, "-o", sqlite}).exitCode, 0);
    const QByteArray oldCsv = readFile(csv);
    const QByteArray oldDatabase = readFile(sqlite);
    const QStringList before = files();
    save("Zed", "Zanesville");
    const QStringList withZed = files();
    for (const char* command : {"export-csv", "export-sqlite"}) {
        result =
            runTool({command, program.path, "-o", command == QString("export-csv") ? csv : sqlite},
                    kTool, 1024);
        EXPECT_EQ(result.exitCode, 1) << command;
        EXPECT_TRUE(result.errLines.last().startsWith("yrn-tool: cannot write")) << command;
    }
    EXPECT_EQ(readFile(csv), oldCsv);
    EXPECT_EQ(readFile(sqlite), oldDatabase);
    EXPECT_EQ(files(), withZed);
    EXPECT_GT(withZed.size(), before.size());
}

// The fully answered client kept for the end-to-end tests: every section's file
// is read whole, and every section that stores answers has its columns and its
// table row.
TEST_F(ExportCommandTest, AFullyAnsweredClientFillsEverySectionsColumns) {
    QTemporaryDir other;
    const QString kept = QStringLiteral(YRN_SOURCE_DIR "/tests/data/RiveraAnaM03-14-2024");
    ASSERT_TRUE(QDir(other.path()).mkdir("RiveraAnaM03-14-2024"));
    for (const QString& name : QDir(kept).entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(kept + "/" + name, other.filePath("RiveraAnaM03-14-2024/" + name)));

    ToolRun result = runTool({"export-csv", other.path(), "-o", csv});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.errLines.isEmpty()) << result.errLines.join('\n').toStdString();
    const QStringList lines = QString::fromUtf8(readFile(csv)).split("\r\n");
    ASSERT_EQ(lines.size(), 3);
    QSet<QString> stems;
    for (const QString& name : lines.at(0).split(','))
        stems << name.section('.', 0, 0);
    for (const Section* section : interview->sections()) {
        const auto* declared = dynamic_cast<const DeclaredSection*>(section);
        if (!declared || declared->fileLayout().isEmpty()) continue;
        const QString stem = QFileInfo(section->info().fileName).completeBaseName();
        EXPECT_TRUE(stems.contains(stem)) << stem.toStdString();
        EXPECT_TRUE(QFile::exists(kept + "/" + section->info().fileName)) << stem.toStdString();
    }
    EXPECT_TRUE(lines.at(1).startsWith("RiveraAnaM03-14-2024,03,14,2024,"));

    result = runTool({"export-sqlite", other.path(), "-o", sqlite});
    EXPECT_EQ(result.exitCode, 0) << result.errLines.join('\n').toStdString();
    EXPECT_TRUE(result.errLines.isEmpty());
}

}  // namespace
}  // namespace yrn::test
