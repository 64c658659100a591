// RP, the name and pronoun fields, GenerateReport and its failures, CheckDocs and
// OpenDocument on small templates of the test's own; the report's words and child
// lines; and the shipped template's own form.
#include <QTest>
#include <functional>

#include "base/AtomicFile.h"
#include "interview/ProgramError.h"
#include "report/Phrases.h"
#include "support/ProgramFolder.h"
#include "support/ReportMarkers.h"
#include "support/TestSupport.h"

using namespace yrn;
using namespace yrn::test;

namespace {

// A section whose narrative is a function of the test.
struct NarrativeSection : Section {
    NarrativeSection(Interview& interview, const QString& name,
                     std::function<void(ReportWriter&)> narrative)
        : Section(interview, SectionInfo{"ctl" + name, name, name + ".YRN", name, 0}),
          narrative_(std::move(narrative)) {}
    void ClientReport(ReportWriter& report) override { narrative_(report); }
    std::function<void(ReportWriter&)> narrative_;
};

// A court's own template, holding each name and pronoun placeholder as often as it
// likes (some in another case or in bold), then the section text.
QByteArray fullTemplate(const QByteArray& sectionText) {
    const std::pair<QByteArray, int> held[] = {
        {"WholeName", 1}, {"FirstName", 3}, {"himherself", 1}, {"hisher", 2},
        {"himher", 1},    {"heshe", 2},     {"HisHerC", 1},    {"HeSheC", 2}};
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Times;}}\\pard ";
    for (const auto& [field, count] : held)
        for (int i = 0; i < count; ++i)
            rtf += i % 2 ? "{\\b #" + field + "#} " : "#" + field.toLower() + "# ";
    return rtf + "\\par " + sectionText + "}";
}

struct ReportAssemblyTest : ::testing::Test {
    void SetUp() override {
        interview.setIdentity(&identity);
        interview.setPronouns(&pronouns);
        ASSERT_TRUE(QDir(dir).mkdir(identity.folder));
    }
    void addNarrative(const QString& name, std::function<void(ReportWriter&)> narrative) {
        interview.add(std::make_unique<NarrativeSection>(interview, name, std::move(narrative)));
    }
    void writeTemplate(const QByteArray& rtf) { writeFile(dir + "/YRN_TEMPLATE.RTF", rtf); }
    QString clientCopy() const {
        return dir + "/" + identity.folder + "/" + identity.folder + ".RTF";
    }
    QString sharedCopy() const { return dir + "/ClientReports/" + identity.folder + ".RTF"; }
    QByteArray bothCopies() const { return readFile(clientCopy()) + readFile(sharedCopy()); }
    // The boxes shown since the last call, one "Kind|Title|Text" a line.
    QString told() {
        QStringList out;
        for (const auto& box : std::exchange(prompts.boxes, {}))
            out << boxText(box);
        return out.join('\n');
    }
    QTemporaryDir temporary;
    const QString dir = temporary.path();
    RecordingPrompts prompts;
    Interview interview{prompts};
    FakeIdentity identity;
    FakePronouns pronouns;
    RecordingOpener opener;
    ReportAssembly report{interview, dir, opener};
};

TEST_F(ReportAssemblyTest, RpFillsTheTemplatesPlaceholdersOnly) {
    writeTemplate(
        "{\\rtf1 Dear #firstname#, {\\b #FirstName#} wrote: #Comment#.\\par Kids:\\par "
        "#Child#\\par Note: #Other# end #Late#}");
    // A name fills the first remaining occurrence, whatever its case (the one inside
    // the comment is the client's text); the rows of one marker follow each other; a
    // field without a placeholder inserts nothing, nor does the next call after it.
    const std::pair<const char*, const char*> calls[] = {
        {"FirstName", "Ann"}, {"FIRSTNAME", "Bea"},  {"Comment", "call me #FirstName# {ok} \\o/"},
        {"FirstName", "X"},   {"Child", "row1\r\n"}, {"Child", "row2\r\n"},
        {"child", "row3"},    {"Missing", "zzz"},    {"Child", "row4"},
        {"Other", "o"},       {"Late", "l"}};
    ASSERT_TRUE(report.LoadTemplate());
    for (const auto& [field, value] : calls)
        report.RP(field, value);
    EXPECT_EQ(report.document().visibleText(),
              "Dear Ann, Bea wrote: call me #FirstName# {ok} \\o/.\nKids:\n"
              "row1\nrow2\nrow3\nNote: o end l");
    EXPECT_TRUE(prompts.boxes.isEmpty());
    // A new template forgets the field filled last: nothing is pasted at its start.
    writeTemplate("{\\rtf1 Start #Child# end}");
    ASSERT_TRUE(report.LoadTemplate());
    for (const char* field : {"Late", "Child", "Child", "Nowhere", "Nowhere"})
        report.RP(field, field[0] == 'C' ? "row" : "x");
    EXPECT_EQ(report.document().visibleText(), "Start rowrow end");
}

// A report's life: none without a template that loads and a client folder inside the
// program folder; then both copies, filled, which CheckDocs finds; and a narrative that
// fails ends the report, which is not saved.
TEST_F(ReportAssemblyTest, GenerateReportFillsAndSavesBothCopiesButNothingCutShort) {
    EXPECT_FALSE(report.CheckDocs());  // no template
    for (const QByteArray damage : {"", "{\\rtf1 cut #FirstName#"}) {
        if (!damage.isEmpty()) writeTemplate(damage);  // first still missing
        EXPECT_FALSE(report.GenerateReport());
        EXPECT_EQ(told(),
                  "Critical|Template Error|Unable to load template!\r\n"
                  "Please close template file if opened.");
        EXPECT_FALSE(report.SaveReport());
    }
    addNarrative("First", [](ReportWriter& r) { r.RP("Order", "first"); });
    addNarrative("Second", [](ReportWriter& r) { r.RP("Order", "second"); });
    writeTemplate(fullTemplate("#Order# then #Order#."));
    EXPECT_FALSE(report.CheckDocs());  // no report yet
    // A typed name that would leave the program folder is never written to.
    for (const QString& name :
         {QString("NoSuchClient"), QString("../escape"), QString(".."), QString()}) {
        identity.folder = name;
        EXPECT_FALSE(report.GenerateReport());
        EXPECT_EQ(told(), "Critical|Program Error|Error in module MainModule.GenerateReport");
    }
    EXPECT_FALSE(QDir(dir + "/ClientReports").exists());
    EXPECT_FALSE(QFile::exists(dir + "/../escape.RTF") || QFile::exists(dir + "/.RTF"));
    identity.folder = "DoeJaneQ05-07-2001";
    ASSERT_TRUE(report.GenerateReport());
    EXPECT_EQ(told(), "");
    const QString text = report.document().visibleText();
    EXPECT_TRUE(!text.contains('#') && text.startsWith("Jane Q Doe Jane Jane "))
        << qPrintable(text);
    EXPECT_TRUE(text.contains("herself her her her") &&
                text.endsWith("She She \nfirst then second."));
    // Each name and pronoun value exactly as often as this template holds it.
    EXPECT_EQ((QList<qsizetype>{text.count("Jane"), text.count("her"), text.count("Her"),
                                text.count("she"), text.count("She")}),
              (QList<qsizetype>{1 + 3, 1 + 2 + 1, 1, 2, 2}));
    EXPECT_EQ(bothCopies(), report.document().toRtf().repeated(2));
    EXPECT_EQ(QFile::permissions(dir + "/ClientReports") & (QFile::ReadOther | QFile::ExeOther), 0);
    // A second report of the same client, by a program started later, replaces both
    // files. Its first report clears ClientReports: a copy a killed report save left
    // long ago is removed, a young one (another program's) stays. Removed since, the
    // folder is made again.
    const QString killed = dir + "/ClientReports/.yrn-tmp-Ab12";
    writeFile(killed, "half");
    writeFile(dir + "/ClientReports/.yrn-tmp-Cd34", "being written");
    ASSERT_TRUE(makeOlder(killed, kAbandonedAfterSeconds + 1));  // time() may lag a tick
    identity.first = "Janet";
    ReportAssembly later(interview, dir, opener);
    ASSERT_TRUE(later.GenerateReport());
    EXPECT_TRUE(later.document().visibleText().contains("Janet Janet"));
    EXPECT_EQ(bothCopies(), later.document().toRtf().repeated(2));
    EXPECT_EQ(QDir(dir + "/ClientReports").entryList(QDir::Files | QDir::Hidden).size(), 2);
    EXPECT_FALSE(QFile::exists(killed));
    ASSERT_TRUE(QDir(dir + "/ClientReports").removeRecursively());
    ASSERT_TRUE(later.GenerateReport());
    EXPECT_EQ(bothCopies(), later.document().toRtf().repeated(2));
    EXPECT_EQ(told(), "");
    EXPECT_EQ(QDir(dir + "/" + identity.folder).entryList(QDir::Files).size(), 1);
    // CheckDocs loads the saved report, which is then not saved again.
    const QByteArray before = readFile(clientCopy());
    ASSERT_TRUE(report.CheckDocs());
    report.RP("Order", "late");  // nor does it follow the field filled last
    EXPECT_TRUE(report.document().visibleText().startsWith("Jane Q Doe"));
    report.document().find("Jane");
    report.document().replaceSelection("Changed");
    EXPECT_FALSE(report.SaveReport());
    // Made from any template, the report waits in the document, unsaved.
    writeFile(dir + "/other.rtf", "{\\rtf1 Other #WholeName#}");
    ASSERT_TRUE(report.makeReport(dir + "/other.rtf"));
    EXPECT_EQ(report.document().visibleText(), "Other Jane Q Doe");
    EXPECT_EQ(told(), "");
    addNarrative("Broken", [](ReportWriter&) { throw ProgramError("broken"); });
    EXPECT_FALSE(report.GenerateReport());
    EXPECT_EQ(told(), "Critical|Program Error|Error in module MainModule.GenerateReport");
    EXPECT_TRUE(!report.SaveReport() && readFile(clientCopy()) == before);
}

// A report file that cannot be written (a folder or a planted link) is an error naming
// the path, and no copy is written; a copy that cannot be written (a file, link or
// folder in the way) is a notice. Nothing is written through a link.
TEST_F(ReportAssemblyTest, FailedSavesAndPlantedLinksAreReportedWithThePathNamed) {
    writeTemplate(fullTemplate("end"));
    QTemporaryDir outside;
    const QString precious = outside.filePath("precious.txt"), shared = dir + "/ClientReports";
    writeFile(precious, "precious");
    const QString saveError =
        "Critical|Report Save Error|Unable to save report.\r\nPlease close all open "
        "reports and save again.\r\n[\"" +
        QDir::toNativeSeparators(clientCopy());
    const QString notSaved =
        "Information|Report Copy Not Saved|The report is saved in the client folder, but "
        "its copy could not be saved as:\r\n" +
        QDir::toNativeSeparators(sharedCopy()) + "\r\n";
    // What stands in the way: a folder, a file, or a link to linkTo.
    const struct {
        QString path, in, linkTo, told, why;
    } rows[] = {
        {clientCopy(), "folder", {}, saveError, "\" is not a regular file; it was left as it is."},
        {clientCopy(), "link", precious, saveError, "\" is a link"},
        {shared, "file", {}, notSaved, {}},
        {shared, "link", outside.path(), notSaved,
         QDir::toNativeSeparators(shared) + "\" is a link"},
        {sharedCopy(), "folder", {}, notSaved, {}}};
    for (const auto& row : rows) {
        ASSERT_TRUE(row.in == "folder" ? QDir().mkpath(row.path)
                    : row.in == "link" ? QFile::link(row.linkTo, row.path)
                                       : QFile(row.path).open(QIODevice::WriteOnly));
        const bool saved = row.told == notSaved;
        EXPECT_EQ(report.GenerateReport(), saved) << qPrintable(row.path);
        const QString t = told();
        EXPECT_TRUE(t.startsWith(row.told) && t.contains(row.why)) << qPrintable(t);
        EXPECT_TRUE(saved ? QFileInfo(clientCopy()).isFile() : !QFile::exists(sharedCopy()));
        EXPECT_EQ(readFile(precious), "precious");
        EXPECT_EQ(QDir(outside.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList{"precious.txt"});
        ASSERT_TRUE(row.in == "folder" ? QDir().rmdir(row.path) : QFile::remove(row.path));
    }
}

TEST_F(ReportAssemblyTest, OpenDocumentHandsThePathOverAsOneArgument) {
    EXPECT_EQ(report.OpenDocument(clientCopy()), 2);
    EXPECT_EQ(opener.opened, QStringList{clientCopy()});
    // A stand-in for the desktop's opener that records its arguments.
    const QString log = dir + "/args.log", script = dir + "/opener.sh";
    writeFile(script, ("#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" > '" + log + "'\n").toUtf8());
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    DesktopOpener desktop(script);
    EXPECT_EQ(desktop.open(dir + "/missing; touch x.rtf"), 2);
    const QString odd = dir + "/a report; $(touch pwned) 'q'.rtf";
    writeFile(odd, {});
    EXPECT_GT(desktop.open(odd), 32);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo(log).size() > 0; }));
    EXPECT_EQ(QString::fromUtf8(readFile(log)), "1|" + odd + "|");
    // The window is not held up: an opener that fails or cannot start at all says
    // so afterwards, as "no application" (31); one that shows the file, never.
    for (const QString& program : {QString("/bin/false"), dir + "/no-such-opener", script}) {
        QList<int> failures;
        DesktopOpener watched(program);
        EXPECT_GT(watched.openWatched(odd, [&](int code) { failures << code; }), 32);
        const bool fails = program != script;
        EXPECT_EQ(QTest::qWaitFor([&] { return !failures.isEmpty(); }, fails ? 5000 : 300), fails);
        EXPECT_EQ(failures, fails ? QList<int>{31} : QList<int>());
    }
    DesktopOpener quiet("/bin/false");  // fails with no one to tell: nothing happens
    EXPECT_GT(quiet.open(odd), 32);
    QTest::qWait(500);
}

TEST(Phrases, WordsCapitalsPaddedColumnsAndChildLinesThatAreNeverCut) {
    const auto sp = [](int n) { return QString(n, ' '); };
    // Two characters stay as they are; "Has" tests the text, not the number.
    QStringList words;
    for (const char* text : {"he", "she said", "her", "", "éte", "already Up"})
        words << CapitalizeFirst(QString::fromUtf8(text));
    for (const char* text : {"", "0", "00", " 0", "3"})
        words << HasPhrase(text);
    words << DoesPhrase(0) << DoesPhrase(1) << DoesPhrase(-1);
    EXPECT_EQ(words.join('|'),
              "he|She said|Her||Éte|Already Up||has not|has|has|has|does not|does|");
    EXPECT_EQ(padded("ab", 5) + padded("abcde", 5) + padded("abcdefg", 5) + padded("", 0),
              "ab   abcdeabcdefg");
    const QString start = "Anna" + sp(4) + "05/01/1990" + sp(2) + "Female" + sp(15);
    const auto line = [](int position, const QString& word, const QString& end = "") {
        return ChildLine("Anna", "05/01/1990", "Female", position, word, end.left(3), end.mid(5));
    };
    // The custody word is measured without its blanks: six letters and two trailing
    // blanks measure six, so 13 blanks follow the untrimmed text; the first two
    // positions have words of their own, whatever the list shows.
    EXPECT_EQ(line(2, "Mother  ", "Yes  3"), start + "Mother  " + sp(13) + "Yes  3\r\n\r\n");
    EXPECT_EQ(line(0, "Joint"), start + "Joint--w/mother" + sp(9) + "\r\n\r\n");
    EXPECT_EQ(line(1, ""), start + "Joint--w/father" + sp(9) + "\r\n\r\n");
    // No position chosen, and a word of 19 or more characters: no blanks.
    EXPECT_EQ(ChildLine("", "", "", -1, "", "", ""), sp(41 + 19 + 5) + "\r\n\r\n");
    for (const int length : {19, 20})
        EXPECT_EQ(ChildLine("", "", "", 4, QString(length, 'c'), "", ""),
                  sp(41) + QString(length, 'c') + sp(5) + "\r\n\r\n");
}

// The shipped template is ASCII RTF whose every "#" belongs to a placeholder that the
// report finds: a stray one, or a marker split by the RTF, would reach the client's
// report. What fills the placeholders is the full client's report test.
TEST(ReportTemplate, IsAsciiRtfAndEveryMarkerIsFound) {
    const QString path = QStringLiteral(YRN_SOURCE_DIR "/resources/YRN_TEMPLATE.RTF");
    const QByteArray rtf = readFile(path);
    ASSERT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    for (const char c : rtf)
        ASSERT_TRUE(c == '\r' || c == '\n' || (c >= 32 && c < 127)) << "byte " << int(c);
    RtfDocument doc;
    ASSERT_TRUE(doc.load(path));
    const QString text = doc.visibleText();
    // Two for each marker, in the file as on the page.
    EXPECT_TRUE(text.count('#') == 2 * markersIn(text).size() && rtf.count('#') == text.count('#'));
}

}  // namespace
