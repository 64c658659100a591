#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "interview/Interview.h"
#include "interview/ProgramError.h"
#include "interview/RecordingPrompts.h"
#include "interview/Section.h"
#include "report/ReportAssembly.h"

using namespace yrn;

namespace {

struct FakeIdentity : ClientIdentity {
    QString folder = "DoeJaneQ05-07-2001";
    QString first = "Jane";
    mutable int firstNameCalls = 0;
    bool CheckSaveValues() const override { return true; }
    QString YRNDirectory() const override { return folder; }
    QString frmMainCaptionName() const override { return "Doe, Jane"; }
    QString FirstName() const override {
        ++firstNameCalls;
        return first;
    }
    QString WholeName() const override { return "Jane Q Doe"; }
    QString AssessmentDate() const override { return "05/07/2001"; }
};

struct FakePronouns : Pronouns {
    QString himherself() const override { return "herself"; }
    QString hisher() const override { return "her"; }
    QString HisHerC() const override { return "Her"; }
    QString himher() const override { return "her"; }
    QString heshe() const override { return "she"; }
    QString HeSheC() const override { return "She"; }
};

struct FakeOpener : DocumentOpener {
    QStringList paths;
    int open(const QString& path) override {
        paths << path;
        return 42;
    }
};

// A section whose narrative is a function of the test.
class NarrativeSection : public Section {
  public:
    NarrativeSection(Interview& interview, const QString& name,
                     std::function<void(ReportWriter&)> narrative)
        : Section(interview, SectionInfo{"ctl" + name, name, name + ".YRN", name, 0}),
          narrative_(std::move(narrative)) {}
    void ClientReport(ReportWriter& report) override { narrative_(report); }

  private:
    std::function<void(ReportWriter&)> narrative_;
};

struct Call {
    QString field;
    QString value;
};
struct CallRecorder : ReportWriter {
    QList<Call> calls;
    void RP(const QString& field, const QString& value) override { calls.append({field, value}); }
};

// A template holding every name and pronoun placeholder as often as they are filled.
QByteArray fullTemplate(const QByteArray& sectionText) {
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Times;}}\\pard #WholeName#\\par ";
    for (int i = 0; i < 65; ++i)
        rtf += (i % 2 ? "{\\b #FirstName#} " : "#firstname# ");
    const std::pair<const char*, int> pronouns[] = {{"himherself", 1}, {"hisher", 14},
                                                    {"himher", 1},     {"heshe", 11},
                                                    {"HisHerC", 2},    {"HeSheC", 6}};
    for (const auto& [field, count] : pronouns)
        for (int i = 0; i < count; ++i)
            rtf += QByteArray("#") + field + "# ";
    return rtf + "\\par " + sectionText + "}";
}

class ReportAssemblyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        interview.setIdentity(&identity);
        interview.setPronouns(&pronouns);
        ASSERT_TRUE(QDir(dir.path()).mkdir(identity.folder));
    }

    void writeTemplate(const QByteArray& rtf) {
        QFile file(dir.filePath("YRN_TEMPLATE.RTF"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(rtf);
    }
    QString clientCopy() const {
        return dir.filePath(identity.folder + "/" + identity.folder + ".RTF");
    }
    QString sharedCopy() const { return dir.filePath("ClientReports/" + identity.folder + ".RTF"); }
    static QString visibleTextOf(const QString& path) {
        RtfDocument doc;
        return doc.load(path) ? doc.visibleText() : QString();
    }
    static QByteArray bytesOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    RecordingPrompts prompts;
    Interview interview{prompts};
    FakeIdentity identity;
    FakePronouns pronouns;
    FakeOpener opener;
    ReportAssembly report{interview, dir.path(), opener};
};

}  // namespace

TEST_F(ReportAssemblyTest, RpFillsTheTemplatesPlaceholdersOnly) {
    writeTemplate(
        "{\\rtf1 Dear #firstname#, {\\b #FirstName#} wrote: #Comment#.\\par Kids:\\par "
        "#Child#\\par Note: #Other# end #Late#}");
    ASSERT_TRUE(report.LoadTemplate());
    report.RP("FirstName", "Ann");  // the first remaining occurrence, whatever its case
    report.RP("FIRSTNAME", "Bea");
    report.RP("Comment", "call me #FirstName# {ok} \\o/");
    // Both name placeholders are used; the one inside the comment is the client's text.
    report.RP("FirstName", "X");
    report.RP("Child", "row1\r\n");  // one marker, one call per row: the rows follow each other
    report.RP("Child", "row2\r\n");
    report.RP("child", "row3");
    report.RP("Missing", "zzz");  // no placeholder: nothing inserted
    report.RP("Child", "row4");   // the previous call was for another field
    report.RP("Other", "o");
    report.RP("Late", "l");
    EXPECT_EQ(report.document().visibleText(),
              "Dear Ann, Bea wrote: call me #FirstName# {ok} \\o/.\nKids:\n"
              "row1\nrow2\nrow3\nNote: o end l");
    EXPECT_TRUE(prompts.boxes.isEmpty());

    // The first call of a report finds nothing: nothing is pasted at the start.
    ASSERT_TRUE(report.LoadTemplate());
    report.RP("Child", "row1");
    report.RP("Child", "row2");
    report.RP("Nowhere", "x");
    report.RP("Nowhere", "y");
    EXPECT_EQ(report.document().visibleText().left(9), "Dear #fir");
    EXPECT_TRUE(report.document().visibleText().contains("row1row2\nNote"));
    EXPECT_FALSE(report.document().visibleText().contains('x'));
}

TEST_F(ReportAssemblyTest, NameAndPronounFieldsAreFilledAsOftenAsTheTemplateHoldsThem) {
    CallRecorder recorder;
    fillNameFields(recorder, identity);
    fillPronounFields(recorder, pronouns);
    EXPECT_EQ(identity.firstNameCalls, 65);  // fetched anew for each call
    QList<std::pair<QString, int>> runs;
    for (const Call& call : recorder.calls) {
        if (runs.isEmpty() || runs.last().first != call.field) runs.append({call.field, 0});
        ++runs.last().second;
    }
    const QList<std::pair<QString, int>> expected = {
        {"WholeName", 1}, {"FirstName", 65}, {"himherself", 1}, {"hisher", 14},
        {"himher", 1},    {"heshe", 11},     {"HisHerC", 2},    {"HeSheC", 6}};
    EXPECT_EQ(runs, expected);
}

TEST_F(ReportAssemblyTest, GenerateReportFillsAndSavesBothCopies) {
    interview.add(std::make_unique<NarrativeSection>(
        interview, "First", [](ReportWriter& r) { r.RP("Order", "first"); }));
    interview.add(std::make_unique<NarrativeSection>(
        interview, "Second", [](ReportWriter& r) { r.RP("Order", "second"); }));
    writeTemplate(fullTemplate("#Order# then #Order#."));

    ASSERT_TRUE(report.GenerateReport());
    EXPECT_TRUE(prompts.boxes.isEmpty()) << prompts.last().text.toStdString();
    const QString text = visibleTextOf(clientCopy());
    EXPECT_FALSE(text.contains('#')) << text.toStdString();
    EXPECT_TRUE(text.startsWith("Jane Q Doe\nJane Jane "));
    EXPECT_TRUE(text.contains("herself her her her"));
    EXPECT_TRUE(text.endsWith("She She \nfirst then second."));
    EXPECT_EQ(bytesOf(clientCopy()), bytesOf(sharedCopy()));
    EXPECT_EQ(report.clientReportPath(), clientCopy());

    // A second report of the same client replaces both files.
    identity.first = "Janet";
    ASSERT_TRUE(report.GenerateReport());
    EXPECT_TRUE(visibleTextOf(clientCopy()).contains("Janet Janet"));
    EXPECT_TRUE(visibleTextOf(sharedCopy()).contains("Janet Janet"));
    EXPECT_EQ(QDir(dir.filePath("ClientReports")).entryList(QDir::Files).size(), 1);
    EXPECT_EQ(QDir(dir.filePath(identity.folder)).entryList(QDir::Files).size(), 1);
    EXPECT_TRUE(opener.paths.isEmpty());
}

TEST_F(ReportAssemblyTest, TemplateThatCannotBeLoadedGivesNoReport) {
    const QString templateError =
        "Unable to load template!\r\nPlease close template file if opened.";
    for (const QByteArray& damage : {QByteArray("missing"), QByteArray("{\\rtf1 cut #FirstName#"),
                                     QByteArray("\x7f"
                                                "ELF junk")}) {
        prompts.clear();
        if (damage != "missing") writeTemplate(damage);
        EXPECT_FALSE(report.GenerateReport());
        ASSERT_EQ(prompts.boxes.size(), 1);
        EXPECT_EQ(prompts.last().kind, RecordingPrompts::Kind::Critical);
        EXPECT_EQ(prompts.last().title, "Template Error");
        EXPECT_EQ(prompts.last().text, templateError);
        EXPECT_FALSE(QFile::exists(clientCopy()));
        EXPECT_FALSE(QFile::exists(sharedCopy()));
        EXPECT_FALSE(report.SaveReport());  // nothing built on a failed template is saved
    }
}

TEST_F(ReportAssemblyTest, FailedSavesAreReported) {
    writeTemplate(fullTemplate("end"));

    // The client copy cannot be written (its name is taken by a folder):
    // "Report Save Error", and the ClientReports copy is not written either.
    ASSERT_TRUE(QDir().mkpath(clientCopy()));
    EXPECT_FALSE(report.GenerateReport());
    EXPECT_EQ(prompts.titles(), QStringList{"Report Save Error"});
    EXPECT_EQ(prompts.last().kind, RecordingPrompts::Kind::Critical);
    EXPECT_EQ(prompts.last().text,
              "Unable to save report.\r\nPlease close all open reports and save again.");
    EXPECT_FALSE(QFile::exists(sharedCopy()));
    ASSERT_TRUE(QDir().rmdir(clientCopy()));

    // The ClientReports copy cannot be written: the client copy is saved, and
    // a notice says which copy is missing.
    prompts.clear();
    QFile blocker(dir.filePath("ClientReports"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_TRUE(report.GenerateReport());
    ASSERT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(prompts.last().kind, RecordingPrompts::Kind::Information);
    EXPECT_EQ(prompts.last().title, "Report Copy Not Saved");
    EXPECT_TRUE(prompts.last().text.contains("saved in the client folder"));
    EXPECT_TRUE(prompts.last().text.contains(identity.folder + ".RTF"));
    EXPECT_TRUE(QFileInfo(clientCopy()).isFile());
}

TEST_F(ReportAssemblyTest, MissingOrUnsafeClientFolderEndsTheReport) {
    writeTemplate(fullTemplate("end"));
    const QString programError = "Error in module MainModule.GenerateReport";

    identity.folder = "NoSuchClient";
    EXPECT_FALSE(report.GenerateReport());
    EXPECT_EQ(prompts.titles(), QStringList{"Program Error"});
    EXPECT_EQ(prompts.last().text, programError);
    EXPECT_FALSE(QDir(dir.filePath("ClientReports")).exists());

    // A typed name that would leave the program folder is never written to.
    for (const QString& name : {QString("../escape"), QString(".."), QString()}) {
        prompts.clear();
        identity.folder = name;
        EXPECT_FALSE(report.GenerateReport());
        EXPECT_EQ(prompts.last().text, programError);
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("../escape.RTF")));
    EXPECT_FALSE(QFile::exists(dir.filePath(".RTF")));

    // A narrative that fails unexpectedly ends the report unsaved, too.
    identity.folder = "DoeJaneQ05-07-2001";
    interview.add(std::make_unique<NarrativeSection>(
        interview, "Broken", [](ReportWriter&) { throw ProgramError("broken"); }));
    prompts.clear();
    EXPECT_FALSE(report.GenerateReport());
    EXPECT_EQ(prompts.last().text, programError);
    EXPECT_FALSE(QFile::exists(clientCopy()));
}

TEST_F(ReportAssemblyTest, CheckDocsNeedsTemplateAndReport) {
    EXPECT_FALSE(report.CheckDocs());  // no template
    writeTemplate(fullTemplate("end"));
    EXPECT_FALSE(report.CheckDocs());  // no report yet
    ASSERT_TRUE(report.GenerateReport());
    EXPECT_TRUE(report.CheckDocs());
    EXPECT_TRUE(report.document().visibleText().startsWith("Jane Q Doe"));
    EXPECT_TRUE(prompts.boxes.isEmpty());

    // The document now holds the old report, not a fresh template: not saved again.
    const QByteArray before = bytesOf(clientCopy());
    report.document().find("Jane");
    report.document().replaceSelection("Changed");
    EXPECT_FALSE(report.SaveReport());
    EXPECT_EQ(bytesOf(clientCopy()), before);
}

TEST_F(ReportAssemblyTest, OpenDocumentHandsThePathOverAsOneArgument) {
    EXPECT_EQ(report.OpenDocument("/some/report.rtf"), 42);
    EXPECT_EQ(opener.paths, QStringList{"/some/report.rtf"});

    // A stand-in for the desktop's opener that records its arguments.
    const QString log = dir.filePath("args.log");
    const QString script = dir.filePath("opener.sh");
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(("#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" > '" + log + "'\n").toUtf8());
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    DesktopOpener desktop(script);
    EXPECT_EQ(desktop.open(dir.filePath("missing; touch x.rtf")), 2);
    const QString odd = dir.filePath("a report; $(touch pwned) 'q'.rtf");
    QFile(odd).open(QIODevice::WriteOnly);
    EXPECT_GT(desktop.open(odd), 32);
    for (int i = 0; i < 100 && !QFileInfo(log).size(); ++i)
        QThread::msleep(20);
    EXPECT_EQ(QString::fromUtf8(bytesOf(log)), "1|" + odd + "|");

    const int noProgram = DesktopOpener(dir.filePath("no-such-opener")).open(odd);
    EXPECT_LE(noProgram, 32);
    EXPECT_NE(noProgram, 2);
}
