#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "interview/Interview.h"
#include "interview/RecordingPrompts.h"
#include "records/ClientFolder.h"
#include "records/SectionFile.h"
#include "support/SampleSection.h"

using namespace yrn;

namespace {

// A section with a file of two fields.
class FileSection : public test::SampleSection {
  public:
    FileSection(Interview& i, const QString& module, const QString& file)
        : SampleSection(i, module, file) {}
    bool SaveYRN(const QString& path) override { return saveSectionFile(*this, layout(), path); }
    LoadResult LoadClientYRN(const QString& path) override {
        return loadSectionFile(*this, layout(), path);
    }
    static FileLayout layout() {
        return {{Codec::Text, "txtName"}, {Codec::Opt, "optWorking", true}};
    }
};

class Identity : public ClientIdentity {
  public:
    QString name = "DoeJaneQ05-07-2001";
    bool CheckSaveValues() const override { return !name.isEmpty(); }
    QString YRNDirectory() const override { return name; }
    QString frmMainCaptionName() const override { return {}; }
    QString FirstName() const override { return {}; }
    QString WholeName() const override { return {}; }
    QString AssessmentDate() const override { return {}; }
};

struct ClientFolderTest : ::testing::Test {
    QTemporaryDir program;
    RecordingPrompts prompts;
    Interview interview{prompts};
    Identity identity;
    ClientFolder folder{interview, program.path()};
    Section* location = nullptr;
    Section* drugs = nullptr;

    void SetUp() override {
        location = &interview.add(
            std::make_unique<FileSection>(interview, "ctlLocatorInformation", "Location.YRN"));
        drugs = &interview.add(std::make_unique<FileSection>(interview, "ctlDrugs", "Drugs.YRN"));
        interview.setIdentity(&identity);
    }
    QString clientDir() const { return QDir(program.path()).filePath(identity.name); }
    static void writeFile(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

TEST_F(ClientFolderTest, SaveTwiceThenOpenRestoresTheAnswers) {
    location->setText("txtName", "Doe");
    drugs->choose("optWorking", 1);
    auto saved = folder.SaveClientYRN();
    EXPECT_TRUE(saved.allWritten);
    saved = folder.SaveClientYRN();  // the folder exists already: no failure
    ASSERT_TRUE(saved.allWritten);
    EXPECT_EQ(QDir(clientDir()).entryList(QDir::Files), QStringList({"Drugs.YRN", "Location.YRN"}));
    EXPECT_EQ(QFile::permissions(clientDir()) & QFileDevice::ReadOther, QFileDevice::Permissions());

    folder.NewClientYRN();
    EXPECT_EQ(location->text("txtName"), "");
    const auto opened = folder.openClient(clientDir());
    EXPECT_TRUE(opened.found);
    EXPECT_TRUE(opened.incomplete.isEmpty());
    EXPECT_EQ(location->text("txtName"), "Doe");
    EXPECT_EQ(drugs->choice("optWorking"), 1);
    EXPECT_FALSE(interview.IsLoading());
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

TEST_F(ClientFolderTest, MissingNameSavesNothing) {
    identity.name.clear();
    const auto saved = folder.SaveClientYRN();
    EXPECT_TRUE(saved.identityMissing);
    EXPECT_FALSE(saved.allWritten);
    EXPECT_EQ(prompts.last().title, "Save Error");
    EXPECT_EQ(prompts.last().text,
              "You must enter client's name and the date of assessment before saving.");
    EXPECT_TRUE(QDir(program.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(ClientFolderTest, UnsafeFolderNamesAreRefusedAndNothingIsWritten) {
    for (const QString name : {"../x05-07-2001", "a/b05-07-2001", "a\\b", "..", ".", "x\ty", "x:y",
                               "name ", "x\u2028y"}) {
        EXPECT_FALSE(ClientFolder::isSafeFolderName(name)) << qPrintable(name);
        identity.name = name;
        prompts.clear();
        const auto saved = folder.SaveClientYRN();
        EXPECT_FALSE(saved.allWritten);
        EXPECT_EQ(prompts.last().title, "Save Error");
    }
    QDir up(program.path());
    up.cdUp();
    EXPECT_FALSE(QFile::exists(up.filePath("x05-07-2001")));
    EXPECT_TRUE(QDir(program.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    EXPECT_TRUE(ClientFolder::isSafeFolderName("O'BrienMary J05-07-2001"));
    EXPECT_TRUE(ClientFolder::isSafeFolderName(QString::fromUtf8("MuñozJosé05-07-2001")));
}

TEST_F(ClientFolderTest, AFileThatCannotBeWrittenIsNamedAndNotReportedAsSaved) {
    QDir().mkpath(clientDir());
    QDir(clientDir()).mkdir("Drugs.YRN");  // a folder in the way of the file
    const auto saved = folder.SaveClientYRN();
    EXPECT_FALSE(saved.allWritten);
    EXPECT_EQ(saved.notSaved, QStringList({"Drugs.YRN"}));
    EXPECT_EQ(prompts.last().title, "Save Error");
    EXPECT_TRUE(prompts.last().text.contains("Drugs.YRN"));
    EXPECT_TRUE(QFile::exists(QDir(clientDir()).filePath("Location.YRN")));
}

TEST_F(ClientFolderTest, AFolderWithoutSectionFilesLeavesTheClientOnScreen) {
    location->setText("txtName", "On screen");
    QDir().mkpath(clientDir());
    writeFile(QDir(clientDir()).filePath("notes.txt"), "x");
    const auto opened = folder.openClient(clientDir());
    EXPECT_FALSE(opened.found);
    EXPECT_EQ(prompts.last().title, "Invalid directory");
    EXPECT_EQ(prompts.last().text, "This directory contains no YRN files!!");
    EXPECT_EQ(location->text("txtName"), "On screen");
    EXPECT_FALSE(interview.IsLoading());
    EXPECT_FALSE(folder.openClient(QDir(program.path()).filePath("no such folder")).found);
}

TEST_F(ClientFolderTest, FilesAreRecognisedWithoutRegardToCaseAndTheWrittenSpellingWins) {
    QDir().mkpath(clientDir());
    writeFile(QDir(clientDir()).filePath("location.yrn"), "lower\r\n;\r\n0\r\n");
    writeFile(QDir(clientDir()).filePath("Location.YRN"), "written\r\n;\r\n1\r\n");
    writeFile(QDir(clientDir()).filePath("DRUGS.yrn"), "drugs\r\n;\r\n0\r\n");
    const auto files = folder.sectionFiles(clientDir());
    ASSERT_EQ(files.size(), 2);
    EXPECT_TRUE(files[0].path.endsWith("DRUGS.yrn"));
    EXPECT_TRUE(files[1].path.endsWith("/Location.YRN"));
    folder.openClient(clientDir());
    EXPECT_EQ(location->text("txtName"), "written");
    EXPECT_EQ(drugs->text("txtName"), "drugs");
}

TEST_F(ClientFolderTest, APartialOrDamagedFolderLoadsWhatItCanAndNamesTheDamage) {
    location->setText("txtName", "Stale");
    QDir().mkpath(clientDir());
    writeFile(QDir(clientDir()).filePath("Drugs.YRN"), "only drugs\r\n");  // truncated
    const auto opened = folder.openClient(clientDir());
    EXPECT_TRUE(opened.found);
    EXPECT_EQ(opened.incomplete, QStringList({"Drugs.YRN"}));
    EXPECT_EQ(location->text("txtName"), "");  // reset for the opened client
    EXPECT_EQ(drugs->text("txtName"), "only drugs");
    EXPECT_EQ(prompts.last().kind, RecordingPrompts::Kind::Information);
    EXPECT_TRUE(prompts.last().text.contains("Drugs.YRN"));
    EXPECT_TRUE(prompts.last().text.contains("Saving this client will replace them"));
    EXPECT_FALSE(interview.IsLoading());
}

}  // namespace
