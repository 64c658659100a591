// Client folders below the window: safe folder names, a file that cannot be
// written, and section files recognised without regard to case.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "records/ClientFolder.h"
#include "records/SectionFile.h"
#include "support/SampleSection.h"
#include "support/TestSupport.h"

using namespace yrn;
using namespace yrn::test;

namespace {

// A section with a file of two fields.
class FileSection : public SampleSection {
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

struct ClientFolderTest : ::testing::Test {
    QTemporaryDir program;
    RecordingPrompts prompts;
    Interview interview{prompts};
    FakeIdentity identity;
    ClientFolder folder{interview, program.path()};
    Section& location = interview.add(
        std::make_unique<FileSection>(interview, "ctlLocatorInformation", "Location.YRN"));
    Section& drugs =
        interview.add(std::make_unique<FileSection>(interview, "ctlDrugs", "Drugs.YRN"));
    QString clientDir = QDir(program.path()).filePath(identity.folder);

    void SetUp() override { interview.setIdentity(&identity); }
};

TEST_F(ClientFolderTest, UnsafeFolderNamesAreRefusedAndNothingIsWritten) {
    for (const QString name : {"../x05-07-2001", "a/b05-07-2001", "a\\b", "..", ".", "x\ty", "x:y",
                               "name ", "x\u2028y"}) {
        EXPECT_FALSE(ClientFolder::isSafeFolderName(name)) << qPrintable(name);
        identity.folder = name;
        prompts.clear();
        EXPECT_FALSE(folder.SaveClientYRN().allWritten);
        EXPECT_EQ(prompts.titles(), QStringList{"Save Error"});
    }
    QDir up(program.path());
    up.cdUp();
    EXPECT_FALSE(QFile::exists(up.filePath("x05-07-2001")));
    EXPECT_TRUE(QDir(program.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    EXPECT_TRUE(ClientFolder::isSafeFolderName("O'BrienMary J05-07-2001"));
    EXPECT_TRUE(ClientFolder::isSafeFolderName(QString::fromUtf8("MuñozJosé05-07-2001")));
}

TEST_F(ClientFolderTest, AFileThatCannotBeWrittenIsNamedAndNotReportedAsSaved) {
    QDir().mkpath(clientDir + "/Drugs.YRN");  // a folder in the way of the file
    const auto saved = folder.SaveClientYRN();
    EXPECT_FALSE(saved.allWritten);
    EXPECT_EQ(saved.notSaved, QStringList({"Drugs.YRN"}));
    EXPECT_EQ(prompts.last().title, "Save Error");
    EXPECT_TRUE(prompts.last().text.contains("Drugs.YRN"));
    EXPECT_TRUE(QFile::exists(clientDir + "/Location.YRN"));
}

TEST_F(ClientFolderTest, FilesAreRecognisedWithoutRegardToCaseAndTheWrittenSpellingWins) {
    QDir().mkpath(clientDir);
    writeFile(clientDir + "/location.yrn", "lower\r\n;\r\n0\r\n");
    writeFile(clientDir + "/Location.YRN", "written\r\n;\r\n1\r\n");
    writeFile(clientDir + "/DRUGS.yrn", "drugs\r\n;\r\n0\r\n");
    const auto files = folder.sectionFiles(clientDir);
    ASSERT_EQ(files.size(), 2);
    EXPECT_TRUE(files[0].path.endsWith("DRUGS.yrn"));
    EXPECT_TRUE(files[1].path.endsWith("/Location.YRN"));
    EXPECT_TRUE(folder.openClient(clientDir).found);
    EXPECT_EQ(location.text("txtName"), "written");
    EXPECT_EQ(drugs.text("txtName"), "drugs");
    EXPECT_FALSE(interview.IsLoading());
    EXPECT_FALSE(folder.openClient(program.path() + "/no such folder").found);
}

}  // namespace
