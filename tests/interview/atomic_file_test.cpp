#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QSaveFile>
#include <QTemporaryDir>
#include <csignal>

#include "interview/AtomicFile.h"
#include "support/Child.h"
#include "support/TestSupport.h"

using namespace yrn;
using yrn::test::readFile;
using yrn::test::runInChild;
using yrn::test::writeFile;

namespace {

QStringList entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                               QDir::NoDotAndDotDot);
}

TEST(AtomicFileTest, WritesOwnerOnlyAndAnInterruptedOrFailedSaveLeavesTheOldFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Location.YRN");
    ASSERT_TRUE(writeFileAtomically(path, "old\r\n"));
    ASSERT_TRUE(writeFileAtomically(path, "old answers\r\n"));
    EXPECT_EQ(QFile::permissions(path) & (QFileDevice::ReadGroup | QFileDevice::ReadOther),
              QFileDevice::Permissions());
    {
        QSaveFile interrupted(path);
        ASSERT_TRUE(interrupted.open(QIODevice::WriteOnly));
        interrupted.write("new answ");
        // destroyed without commit, as when the process dies before the rename
    }
    EXPECT_EQ(readFile(path), "old answers\r\n");
    EXPECT_EQ(entries(dir.path()), QStringList({"Location.YRN"}));

    // A write that cannot be renamed into place (a folder stands there), or into a
    // folder that is missing, fails and says so; nothing else is left behind.
    ASSERT_TRUE(QDir(dir.path()).mkdir("Drugs.YRN"));
    for (const QString& blocked : {dir.filePath("Drugs.YRN"), dir.filePath("missing/x.YRN")}) {
        QString why;
        EXPECT_FALSE(writeFileAtomically(blocked, "x", &why));
        EXPECT_FALSE(why.isEmpty());
    }
    EXPECT_EQ(entries(dir.path()), QStringList({"Drugs.YRN", "Location.YRN"}));
}

// A full disk, as a file-size limit in a child process (the signal it sends is
// ignored, so that writes fail as on a full disk): every write of the file fails
// and says so, and the old file stays byte for byte, whatever the file's size.
TEST(AtomicFileTest, AFullDiskFailsTheWriteAndKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Location.YRN");
    const QByteArray old(5000, 'o');
    ASSERT_TRUE(writeFileAtomically(path, old));
    for (const qsizetype size : {qsizetype(4097), qsizetype(5000), qsizetype(100000)}) {
        const int status = runInChild([&] {
            const rlimit limit{4096, 4096};
            if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 2;
            std::signal(SIGXFSZ, SIG_IGN);
            QString why;
            const bool written = writeFileAtomically(path, QByteArray(size, 'n'), &why);
            return written ? 0 : why.isEmpty() ? 3 : 1;
        });
        EXPECT_EQ(status, 1) << "size " << size << " (0: reported as written)";
        EXPECT_TRUE(readFile(path) == old)
            << "size " << size << ": the file now holds " << readFile(path).size() << " bytes";
        EXPECT_EQ(entries(dir.path()), QStringList({"Location.YRN"}));
    }
}

// A file or folder planted as a link is never written through: the file outside
// keeps its bytes and its permissions; a device or a FIFO is never replaced.
TEST(AtomicFileTest, LinksAndSpecialFilesAreRefusedNeverWrittenThrough) {
    QTemporaryDir root;
    const QString outside = root.filePath("outside.txt");
    writeFile(outside, "precious");
    ASSERT_TRUE(QFile::setPermissions(
        outside, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther));
    const auto outsidePermissions = QFile::permissions(outside);
    QDir(root.path()).mkdir("client");
    QDir(root.path()).mkdir("elsewhere");
    const QString client = root.filePath("client");
    ASSERT_TRUE(QFile::link(outside, client + "/Location.YRN"));
    ASSERT_TRUE(QFile::link(root.filePath("nowhere"), client + "/Dangling.YRN"));
    ASSERT_EQ(mkfifo(QFile::encodeName(client + "/Fifo.YRN").constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(root.filePath("elsewhere"), root.filePath("linked")));

    for (const QString& path : {client + "/Location.YRN", client + "/Dangling.YRN",
                                client + "/Fifo.YRN", root.filePath("linked") + "/Drugs.YRN"}) {
        QString why;
        EXPECT_FALSE(writeFileAtomically(path, "new", &why, FolderLinks::Refuse))
            << qPrintable(path);
        EXPECT_TRUE(why.contains("link") || why.contains("regular file")) << qPrintable(why);
    }
    EXPECT_EQ(readFile(outside), "precious");
    EXPECT_EQ(QFile::permissions(outside), outsidePermissions);
    EXPECT_FALSE(QFile::exists(root.filePath("nowhere")));
    EXPECT_TRUE(entries(root.filePath("elsewhere")).isEmpty());
    EXPECT_EQ(entries(client), QStringList({"Dangling.YRN", "Fifo.YRN", "Location.YRN"}));
    EXPECT_TRUE(QFileInfo(client + "/Location.YRN").isSymLink());

    // A folder a person names may be reached through a link; the file itself still
    // may not be one.
    EXPECT_TRUE(writeFileAtomically(root.filePath("linked") + "/report.rtf", "new"));
    EXPECT_EQ(entries(root.filePath("elsewhere")), QStringList({"report.rtf"}));
}

}  // namespace
