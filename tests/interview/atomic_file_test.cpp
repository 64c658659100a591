#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include "interview/AtomicFile.h"

using namespace yrn;

namespace {

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A save cut off between writing the temporary file and renaming it (a crash, a
// kill, a full disk) leaves the old file whole and no stray file beside it.
TEST(AtomicFileTest, AnInterruptedSaveLeavesTheOldFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Location.YRN");
    ASSERT_TRUE(writeFileAtomically(path, "old answers\r\n"));
    {
        QSaveFile interrupted(path);
        ASSERT_TRUE(interrupted.open(QIODevice::WriteOnly));
        interrupted.write("new answ");
        // destroyed without commit, as when the process dies before the rename
    }
    EXPECT_EQ(bytesOf(path), "old answers\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"Location.YRN"}));

    // A write that cannot be renamed into place (a folder stands there) fails and
    // says so; nothing else is left behind.
    const QString blocked = dir.filePath("Drugs.YRN");
    ASSERT_TRUE(QDir(dir.path()).mkdir("Drugs.YRN"));
    QString why;
    EXPECT_FALSE(writeFileAtomically(blocked, "x", &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"Location.YRN"}));
}

}  // namespace
