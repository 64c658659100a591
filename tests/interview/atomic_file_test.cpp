#include <gtest/gtest.h>

#include <QDir>
#include <QSaveFile>
#include <QTemporaryDir>

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

}  // namespace
