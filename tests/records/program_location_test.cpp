// Where the program keeps its clients: beside a portable copy, or in the per-user
// data folder of an installed one, given the template and the help documents on the
// first start.
#include <unistd.h>

#include <QProcess>

#include "records/ProgramLocation.h"
#include "support/TestSupport.h"

namespace yrn::test {
namespace {

// An install under a prefix: bin/ with the executables, share/halverin-yrn/ with the
// template and the help documents.
struct Install {
    Install() {
        QDir().mkpath(data + "/YRN Help Files");
        QDir().mkpath(bin);
        writeFile(data + "/YRN_TEMPLATE.RTF", "{\\rtf1 installed}");
        writeFile(data + "/YRN Help Files/YRN Locator.doc", "locator");
        writeFile(data + "/YRN Help Files/YRN Saving Information.doc", "saving");
    }
    // What was told, then the template and the help documents in the per-user folder.
    QString seeded(const ProgramLocation& location) const {
        return QStringList{location.problem, readFile(user + "/YRN_TEMPLATE.RTF"),
                           readFile(user + "/YRN Help Files/YRN Locator.doc"),
                           readFile(user + "/YRN Help Files/YRN Saving Information.doc")}
            .join('|');
    }
    QTemporaryDir prefix;
    QString bin = prefix.filePath("bin"), data = prefix.filePath("share/halverin-yrn");
    QString user = prefix.filePath("home/.local/share/halverin-yrn");
};

TEST(ProgramLocationTest, AnInstalledCopyUsesThePerUserFolderSeededOnceAPortableOneItsOwn) {
    Install install;
    EXPECT_EQ(QDir(installedDataFolder(install.bin)), QDir(install.data));
    // The tool's template: the installed one, unless one stands beside it.
    EXPECT_EQ(QFileInfo(defaultTemplate(install.bin)).absoluteFilePath(),
              QFileInfo(install.data + "/YRN_TEMPLATE.RTF").absoluteFilePath());
    QTemporaryDir bare;
    EXPECT_EQ(defaultTemplate(bare.path()), bare.filePath("YRN_TEMPLATE.RTF"));

    ProgramLocation location = resolveProgramFolder(install.bin, install.user);
    EXPECT_TRUE(QDir(location.folder) == QDir(install.user) && !location.besideProgram);
    EXPECT_EQ(install.seeded(location), "|{\\rtf1 installed}|locator|saving");
    // Client answers live there: the folder is its owner's only.
    EXPECT_EQ(QFile::permissions(install.user) &
                  (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::ExeOther),
              QFileDevice::Permissions());
    // A template edited there is kept; a help document deleted there comes back.
    writeFile(install.user + "/YRN_TEMPLATE.RTF", "{\\rtf1 our own}");
    QFile::remove(install.user + "/YRN Help Files/YRN Locator.doc");
    location = resolveProgramFolder(install.bin, install.user);
    EXPECT_EQ(QDir(location.folder), QDir(install.user));
    EXPECT_EQ(install.seeded(location), "|{\\rtf1 our own}|locator|saving");

    // A writable folder with the template keeps everything beside the program.
    Install portable;
    writeFile(portable.bin + "/YRN_TEMPLATE.RTF", "{\\rtf1 portable}");
    EXPECT_EQ(defaultTemplate(portable.bin), portable.bin + "/YRN_TEMPLATE.RTF");
    location = resolveProgramFolder(portable.bin, portable.user);
    EXPECT_TRUE(location.folder == portable.bin && location.besideProgram);
    EXPECT_TRUE(location.problem.isEmpty() && !QFileInfo::exists(portable.user));
}

// A folder nobody may write, not even root (who writes anywhere the mode bits
// forbid): the owner's write bit goes, and for root the folder is made immutable.
class ReadOnlyFolder {
  public:
    explicit ReadOnlyFolder(QString path) : path_(std::move(path)) {
        QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (geteuid() == 0) immutable_ = QProcess::execute("chattr", {"+i", path_}) == 0;
    }
    ~ReadOnlyFolder() {
        if (immutable_) QProcess::execute("chattr", {"-i", path_});
        QFile::setPermissions(
            path_, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    bool holds() const { return !QFileInfo(path_).isWritable(); }

  private:
    QString path_;
    bool immutable_ = false;
};

TEST(ProgramLocationTest, AReadOnlyCopySeedsThePerUserFolderFromItsOwnFolder) {
    QTemporaryDir copy;
    const QString program = copy.filePath("yrn"), user = copy.filePath("user");
    QDir().mkpath(program + "/YRN Help Files");
    writeFile(program + "/YRN_TEMPLATE.RTF", "{\\rtf1 from the copy}");
    writeFile(program + "/YRN Help Files/YRN Medical.doc", "medical");
    ProgramLocation location;
    {
        const ReadOnlyFolder readOnly(program);
        ASSERT_TRUE(readOnly.holds()) << "no way to make a folder read-only here (chattr)";
        location = resolveProgramFolder(program, user);
    }
    EXPECT_EQ(QDir(location.folder), QDir(user));
    EXPECT_TRUE(location.problem.isEmpty()) << location.problem.toStdString();
    EXPECT_EQ(
        readFile(user + "/YRN_TEMPLATE.RTF") + readFile(user + "/YRN Help Files/YRN Medical.doc"),
        "{\\rtf1 from the copy}medical");
}

TEST(ProgramLocationTest, WhatCannotBePreparedIsToldAndTheProgramStillHasAFolder) {
    Install install;
    // The per-user folder cannot be made: a file stands in its way.
    writeFile(install.prefix.filePath("home"), "in the way");
    ProgramLocation location = resolveProgramFolder(install.bin, install.user);
    EXPECT_EQ(location.folder, install.bin);
    EXPECT_TRUE(location.problem.contains(QDir::toNativeSeparators(install.user)))
        << location.problem.toStdString();
    EXPECT_FALSE(resolveProgramFolder(install.bin, {}).problem.isEmpty());
    // What cannot be copied is named.
    Install other;
    QDir().mkpath(other.user);
    writeFile(other.user + "/YRN Help Files", "in the way");
    location = resolveProgramFolder(other.bin, other.user);
    EXPECT_EQ(QDir(location.folder), QDir(other.user));
    EXPECT_EQ(location.problem, "Could not copy into " + QDir::toNativeSeparators(location.folder) +
                                    ": YRN Help Files");
    // Nothing to seed from: the template is missing, and that is told.
    QTemporaryDir bare;
    location = resolveProgramFolder(bare.filePath("bin"), bare.filePath("user"));
    EXPECT_EQ(QDir(location.folder), QDir(bare.filePath("user")));
    EXPECT_FALSE(location.problem.isEmpty());
}

}  // namespace
}  // namespace yrn::test
