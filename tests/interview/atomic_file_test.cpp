#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QSaveFile>
#include <QTemporaryDir>
#include <csignal>

#include "interview/AtomicFile.h"
#include "support/TestSupport.h"

using namespace yrn;
using yrn::test::readFile;

namespace {

TEST(AtomicFileTest, WritesOwnerOnlyAndAnInterruptedOrFailedSaveLeavesTheOldFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Location.YRN");
    const auto files = [&] { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); };
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
    EXPECT_EQ(files(), QStringList({"Location.YRN"}));

    // A write that cannot be renamed into place (a folder stands there), or into a
    // folder that is missing, fails and says so; nothing else is left behind.
    ASSERT_TRUE(QDir(dir.path()).mkdir("Drugs.YRN"));
    for (const QString& blocked : {dir.filePath("Drugs.YRN"), dir.filePath("missing/x.YRN")}) {
        QString why;
        EXPECT_FALSE(writeFileAtomically(blocked, "x", &why));
        EXPECT_FALSE(why.isEmpty());
    }
    EXPECT_EQ(files(), QStringList({"Location.YRN"}));
}

// A disk that fills up while the file is written (a file size limit in a child
// process): the write fails and says so, the old file stays whole.
TEST(AtomicFileTest, AWriteCutShortByAFullDiskFailsAndKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Demographic.YRN");
    ASSERT_TRUE(writeFileAtomically(path, "old answers\r\n"));
    const QByteArray answers(8000, 'x');  // less than a write buffer holds
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        const rlimit limit{1024, 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_IGN);
        _exit(writeFileAtomically(path, answers) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1) << "the cut write was taken for a whole one";
    EXPECT_EQ(readFile(path), "old answers\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"Demographic.YRN"}));
}

}  // namespace
