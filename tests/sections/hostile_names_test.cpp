// Hostile client names typed into the locator, through the save and the report:
// nothing is ever written outside the program folder, a name that cannot name a
// folder is refused with the reason, and every other name gets its client folder
// and both report copies.
#include <QDirIterator>

#include "records/ClientFolder.h"
#include "sections/Sections.h"
#include "support/ProgramFolder.h"
#include "support/TestSupport.h"

namespace yrn::test {
namespace {

struct HostileName {
    QString last;
    QString refusal;  // what the "Save Error" box says is wrong; empty: the name is saved
};

const QChar kE(0x00C9);  // É: one byte in Windows-1252, two in UTF-8

// clang-format off
const QList<HostileName> kNames = {
    // Traversal and separators
    {"../../escape", "path separator"}, {"..", "\"..\""}, {"a..b", "\"..\""},
    {"/etc/passwd", "path separator"}, {"..\\escape", "path separator"}, {"Doe/", "path separator"},
    // Hidden, blank and reserved characters
    {".", "begin with \".\""}, {".profile", "begin with \".\""}, {" Doe", "blank"},
    {"Doe:", "< > :"}, {"Doe?*", "< > :"}, {"<Doe>", "< > :"}, {"Doe|x", "< > :"}, {"Doe\"", "< > :"},
    // Control characters
    {"Doe\tx", "control character"}, {"Doe\nx", "control character"},
    {QString("Doe") + QChar(0) + "x", "control character"}, {"Doe\x1b[31m", "control character"},
    {"Doe\x7f", "control character"}, {QString("Doe") + QChar(0x85), "control character"},
    {QString("Doe") + QChar(0x2028), "control character"}, {QString("Doe") + QChar(0xFEFF), "control character"},
    // Bidirectional controls, which make a name read differently from its bytes
    {QString("Doe") + QChar(0x202E) + "FTR.exe", "bidirectional"}, {QString(QChar(0x202A)) + "Doe", "bidirectional"},
    {QString("Doe") + QChar(0x2066) + "x" + QChar(0x2069), "bidirectional"},
    {QString("Doe") + QChar(0x200F), "bidirectional"},
    // Length: the report file name (the folder name and ".RTF") takes 255 bytes at most
    {QString(300, 'A'), "too long"}, {QString(237, 'A'), "too long"},
    {QString(130, kE), "too long"},  // 145 bytes as Windows-1252, 275 as UTF-8
    {QString(119, kE), "too long"},
    {QString(236, 'A'), {}},  // the report file name is exactly 255 bytes
    {QString(118, kE), {}},
    // Names that look like options or shell syntax are plain names
    {"-rf", {}}, {"--help", {}}, {"Doe $(touch pwned) `id` ;x", {}}, {"O'Brien", {}},
    {QString::fromUtf8("Muñoz-Ærø 中文"), {}},
};
// clang-format on

TEST(HostileNames, NothingIsWrittenOutsideTheProgramFolderAndEveryRefusalSaysWhy) {
    ProgramFolder program;
    ASSERT_TRUE(program.hasTemplate);
    RecordingPrompts prompts;
    auto interview = makeInterview(prompts);
    Section& locator = *interview->section("ctlLocatorInformation");
    ClientFolder folder(*interview, program.path);
    RecordingOpener opener;
    ReportAssembly report(*interview, program.path, opener);

    int saved = 0;
    for (const HostileName& name : kNames) {
        SCOPED_TRACE(name.last.toStdString());
        nameClient(locator, name.last, "Jane", "Q");
        const QString folderName = name.last + "JaneQ05-07-2001";
        ASSERT_EQ(interview->identity().YRNDirectory(), folderName);
        prompts.clear();
        const ClientFolder::SaveOutcome outcome = folder.SaveClientYRN();
        EXPECT_EQ(outcome.allWritten, name.refusal.isEmpty());
        if (name.refusal.isEmpty()) {
            ++saved;
            EXPECT_TRUE(report.GenerateReport() && prompts.boxes.isEmpty())
                << qPrintable(lastBox(prompts));
            EXPECT_EQ(outcome.folder, program.filePath(folderName));
            EXPECT_TRUE(QFileInfo(report.clientReportPath()).isFile());
            EXPECT_TRUE(QFileInfo(report.sharedReportPath()).isFile());
        } else {
            EXPECT_EQ(prompts.titles(), QStringList{"Save Error"});
            EXPECT_TRUE(prompts.last().text.contains(name.refusal))
                << qPrintable(prompts.last().text);
            EXPECT_FALSE(QFileInfo::exists(program.filePath(folderName)));
        }
    }

    // Everything written lies in the program folder: a client folder directly under
    // it, or the "ClientReports" folder.
    QDirIterator all(program.root.path(),
                     QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                     QDirIterator::Subdirectories);
    QStringList outside;
    while (all.hasNext()) {
        const QString path = all.next();
        if (path != program.path && !path.startsWith(program.path + '/')) outside << path;
    }
    EXPECT_TRUE(outside.isEmpty()) << qPrintable(outside.join('\n'));
    EXPECT_EQ(QDir(program.path).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot).size(),
              saved + 1);  // and "ClientReports"
    for (const char* escape : {"/../escapeJaneQ05-07-2001", "/../../escapeJaneQ05-07-2001"})
        EXPECT_FALSE(QFileInfo::exists(program.path + escape)) << escape;
    EXPECT_FALSE(QFileInfo::exists("pwned"));
}

}  // namespace
}  // namespace yrn::test
