// The headless tool, run as its own process on client folders saved as the
// program saves them.
#include <sys/stat.h>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "records/ClientFolder.h"
#include "report/RtfDocument.h"
#include "sections/Sections.h"
#include "support/TestSupport.h"
#include "tools/ToolRun.h"

using namespace yrn;
using namespace yrn::test;

namespace {

const QString kUsage = QStringLiteral("Usage: yrn-tool report <client-folder>");

ToolRun run(const QStringList& args, const QString& program = kTool,
            const QString& stdoutFile = {}) {
    return runTool(args, program, RLIM_INFINITY, stdoutFile);
}

class YrnToolTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QFile::exists(kTool));
        writeFile(templateFile,
                  "{\\rtf1\\ansi{\\fonttbl{\\f0 Times;}}\\pard Report of {\\b #WholeName#}: the "
                  "client #himherself# says #himher# home is at #Address1#.\\par}");
        Section& locator = *interview->section("ctlLocatorInformation");
        Section& demographic = *interview->section("ctlDemographic");
        interview->BeginLoading();
        nameClient(locator, "Doe", "Jane", "");
        locator.setText("txtStreetAddress", "12 Elm St {rear}");
        locator.setPosition("cboSite", 2);
        demographic.choose("optSex", 1);
        demographic.setPosition("cboLanguage", 1);
        interview->EndLoading();
        const ClientFolder::SaveOutcome saved =
            ClientFolder(*interview, dir.path()).SaveClientYRN();
        ASSERT_TRUE(saved.allWritten) << saved.notSaved.join(", ").toStdString();
        client = saved.folder;
    }

    QTemporaryDir dir;
    const QString templateFile = dir.filePath("template.rtf");
    const QString out = dir.filePath("out.rtf");
    RecordingPrompts prompts;
    std::unique_ptr<Interview> interview = makeInterview(prompts);
    QString client;
};

TEST_F(YrnToolTest, WrongArgumentsGiveTheUsageAndStatus2) {
    // No -o, -o without a file, two folders, -o twice, an unknown option; export
    // takes one folder and no output option.
    for (const char* line : {"", "print x", "report folder", "report folder -o",
                             "report a b -o out.rtf", "report a -o x -o y",
                             "report a -o x --verbose", "export", "export a b", "export a -o x"}) {
        const QStringList args = QString(line).split(' ', Qt::SkipEmptyParts);
        const ToolRun result = run(args);
        EXPECT_EQ(result.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(result.errLines.join('\n').contains(kUsage)) << args.join(' ').toStdString();
        EXPECT_TRUE(result.out.isEmpty());
    }
    const ToolRun help = run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(QString::fromUtf8(help.out).contains(kUsage));
}

TEST_F(YrnToolTest, ReportIsWrittenFromTheClientFolder) {
    ToolRun result = run({"report", client, "-o", out, "--template", templateFile});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.errLines.isEmpty()) << result.errLines.join('\n').toStdString();
    RtfDocument report;
    ASSERT_TRUE(report.load(out));
    EXPECT_EQ(report.visibleText(),
              "Report of Jane Doe: the client herself says her home is at 12 Elm St {rear}.\n");

    // Without --template the template beside the program is used.
    QTemporaryDir program;
    const QString tool = program.filePath("yrn-tool");
    ASSERT_TRUE(QFile::copy(kTool, tool));
    QFile::setPermissions(tool, QFile::ReadOwner | QFile::ExeOwner);
    result = run({"report", client, "-o", out}, tool);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.errLines,
              QStringList{"Template Error: Unable to load template! Please close template file "
                          "if opened."});
    writeFile(program.filePath("YRN_TEMPLATE.RTF"), "{\\rtf1 Own template for #WholeName#}");
    EXPECT_EQ(run({"report", "-o", out, client}, tool).exitCode, 0);
    ASSERT_TRUE(report.load(out));
    EXPECT_EQ(report.visibleText(), "Own template for Jane Doe");
}

TEST_F(YrnToolTest, ReportFailuresAreMessagesOnStderr) {
    // A folder without section files, or none at all.
    QDir(dir.path()).mkdir("empty");
    ToolRun result = run({"report", dir.filePath("empty"), "-o", out, "--template", templateFile});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.errLines,
              QStringList{"Invalid directory: This directory contains no YRN files!!"});
    EXPECT_EQ(run({"report", dir.filePath("no such folder"), "-o", out}).exitCode, 1);
    EXPECT_FALSE(QFile::exists(out));

    // A damaged template, a missing one.
    writeFile(dir.filePath("bad.rtf"), "{\\rtf1 {\\b never closed");
    for (const QString& bad : {dir.filePath("bad.rtf"), dir.filePath("missing.rtf")}) {
        result = run({"report", client, "-o", out, "--template", bad});
        EXPECT_EQ(result.exitCode, 1);
        ASSERT_EQ(result.errLines.size(), 1);
        EXPECT_TRUE(result.errLines.first().startsWith("Template Error: "));
        EXPECT_FALSE(QFile::exists(out));
    }

    // An output file that cannot be written.
    result = run(
        {"report", client, "-o", dir.filePath("no/such/dir/out.rtf"), "--template", templateFile});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.errLines,
              QStringList{"Report Save Error: Unable to save report. Please close all open "
                          "reports and save again."});

    // Damaged section files: what can be read makes the report, and each message
    // about them is one line.
    writeFile(client + "/Demographic.YRN", QByteArray("\x00\x01\xff junk\r\n", 10));
    QFile::resize(client + "/Location.YRN", 40);
    result = run({"report", client, "-o", out, "--template", templateFile});
    EXPECT_EQ(result.exitCode, 0);
    ASSERT_FALSE(result.errLines.isEmpty());
    for (const QString& line : result.errLines)
        EXPECT_TRUE(line.contains(": ")) << line.toStdString();
    EXPECT_TRUE(result.errLines.join('\n').contains("Location.YRN"));
    EXPECT_TRUE(QFile::exists(out));
}

// The output is replaced only where it is a regular file: a FIFO, a device or a
// link is refused ("-" is standard output, written directly).
TEST_F(YrnToolTest, ReportOutputThatIsNoRegularFileIsRefused) {
    const QString fifo = dir.filePath("fifo.rtf");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString precious = dir.filePath("precious.rtf");
    writeFile(precious, "precious");
    const QString link = dir.filePath("link.rtf");
    ASSERT_TRUE(QFile::link(precious, link));
    const QString toStdout = dir.filePath("stdout.rtf");
    ASSERT_TRUE(QFile::link("/proc/self/fd/1", toStdout));
    const QString captured = dir.filePath("captured");
    for (const QString& output : {fifo, link, toStdout}) {
        writeFile(captured, "captured");
        const ToolRun result =
            run({"report", client, "-o", output, "--template", templateFile}, kTool, captured);
        EXPECT_EQ(result.exitCode, 1) << qPrintable(output);
        const QString message = result.errLines.join('\n');
        EXPECT_TRUE(message.startsWith("Report Save Error: ")) << qPrintable(output);
        EXPECT_TRUE(message.contains(output + "\" is ")) << qPrintable(message);
        EXPECT_EQ(readFile(captured), "captured") << qPrintable(output);
    }
    EXPECT_EQ(QFileInfo(fifo).isFile(), false);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(QFileInfo(toStdout).isSymLink());
    EXPECT_EQ(readFile(precious), "precious");

    // "-o -" writes the report to standard output; a write that fails is reported.
    const ToolRun toOut = run({"report", client, "-o", "-", "--template", templateFile});
    EXPECT_EQ(toOut.exitCode, 0);
    RtfDocument report;
    ASSERT_TRUE(report.loadFromData(toOut.out));
    EXPECT_TRUE(report.visibleText().startsWith("Report of Jane Doe"));
    EXPECT_FALSE(QFile::exists(QDir::current().filePath("-")));
    const ToolRun full =
        run({"report", client, "-o", "-", "--template", templateFile}, kTool, "/dev/full");
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_EQ(full.errLines.size(), 1);
}

TEST_F(YrnToolTest, ExportToAFullDiskFails) {
    const ToolRun result = run({"export", client}, kTool, "/dev/full");
    EXPECT_EQ(result.exitCode, 1);
    ASSERT_EQ(result.errLines.size(), 1);
    EXPECT_TRUE(result.errLines.first().contains("standard output"));
}

TEST_F(YrnToolTest, ExportGivesEveryAnswerAsJson) {
    QFile::remove(client + "/Medical.YRN");
    const ToolRun result = run({"export", client});
    ASSERT_EQ(result.exitCode, 0) << result.errLines.join('\n').toStdString();
    QJsonParseError error;
    const QJsonObject all = QJsonDocument::fromJson(result.out, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();

    // Only the sections whose file was found, under the names the program writes.
    EXPECT_TRUE(all.contains("Location.YRN") && all.contains("Demographic.YRN"));
    EXPECT_FALSE(all.contains("Medical.YRN"));
    for (const QString& name : all.keys())
        EXPECT_TRUE(QFile::exists(client + "/" + name)) << name.toStdString();

    const QJsonObject locator = all.value("Location.YRN").toObject();
    EXPECT_EQ(locator.value("txtFirstName"), QJsonValue("Jane"));
    EXPECT_EQ(locator.value("txtMI"), QJsonValue(""));
    EXPECT_EQ(locator.value("optOwnRes"), QJsonValue(QJsonValue::Null));
    const Field& site = interview->section("ctlLocatorInformation")->field("cboSite");
    EXPECT_EQ(locator.value("cboSite"),
              QJsonValue(QJsonObject{{"code", site.code()}, {"text", site.listText()}}));

    const QJsonObject demographic = all.value("Demographic.YRN").toObject();
    EXPECT_EQ(demographic.value("optSex"), QJsonValue(1));
    const Field& language = interview->section("ctlDemographic")->field("cboLanguage");
    EXPECT_EQ(demographic.value("cboLanguage"),
              QJsonValue(QJsonObject{{"position", 1}, {"text", language.listText()}}));
    EXPECT_EQ(demographic.value("cboReligion"), QJsonValue(QJsonValue::Null));
    EXPECT_EQ(demographic.value("chkD1"), QJsonValue(false));
    // Control arrays: one array per stem, in index order.
    const QJsonArray genders = demographic.value("optGender").toArray();
    const QJsonArray months = demographic.value("txtChildsDOBM").toArray();
    EXPECT_FALSE(genders.isEmpty());
    EXPECT_EQ(genders.size(), months.size());
    for (int i = 0; i < genders.size(); ++i)
        EXPECT_TRUE(genders.at(i).isNull() && months.at(i) == QJsonValue(""));
    EXPECT_FALSE(demographic.contains("optGender(0)"));
}

}  // namespace
