// Atomic writes: owner-only files, failures that leave nothing behind, and links,
// FIFOs and folders in the way refused (a full disk is tried on a client folder's
// save, in tests/records).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "interview/AtomicFile.h"
#include "support/TestSupport.h"

using namespace yrn;
using yrn::test::readFile;
using yrn::test::writeFile;

namespace {

QStringList entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                               QDir::NoDotAndDotDot);
}

TEST(AtomicFileTest, WritesOwnerOnlyAndRefusesWhatIsInTheWayLeavingNothing) {
    QTemporaryDir root;
    const QString client = root.filePath("client"), outside = root.filePath("outside.txt");
    QDir(root.path()).mkpath("client/Drugs.YRN");
    QDir(root.path()).mkdir("elsewhere");
    ASSERT_TRUE(writeFileAtomically(client + "/Location.YRN", "old\r\n"));
    ASSERT_TRUE(writeFileAtomically(client + "/Location.YRN", "old answers\r\n"));
    EXPECT_EQ(readFile(client + "/Location.YRN"), "old answers\r\n");
    EXPECT_EQ(QFile::permissions(client + "/Location.YRN") &
                  (QFileDevice::ReadGroup | QFileDevice::ReadOther),
              QFileDevice::Permissions());
    // A folder standing at the name, or a missing folder.
    for (const QString& blocked : {client + "/Drugs.YRN", client + "/missing/x.YRN"}) {
        QString why;
        EXPECT_FALSE(writeFileAtomically(blocked, "x", &why));
        EXPECT_FALSE(why.isEmpty());
    }
    // A file or folder planted as a link is never written through: the file outside
    // keeps its bytes and its permissions; a FIFO is never replaced.
    writeFile(outside, "precious");
    ASSERT_TRUE(QFile::setPermissions(
        outside, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther));
    const auto outsidePermissions = QFile::permissions(outside);
    ASSERT_TRUE(QFile::remove(client + "/Location.YRN"));
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
        EXPECT_EQ(replaceRefusal(path, FolderLinks::Refuse), why) << qPrintable(path);
    }
    EXPECT_EQ(readFile(outside), "precious");
    EXPECT_EQ(QFile::permissions(outside), outsidePermissions);
    EXPECT_FALSE(QFile::exists(root.filePath("nowhere")));
    EXPECT_TRUE(entries(root.filePath("elsewhere")).isEmpty());
    EXPECT_EQ(entries(client),
              QStringList({"Dangling.YRN", "Drugs.YRN", "Fifo.YRN", "Location.YRN"}));
    EXPECT_TRUE(QFileInfo(client + "/Location.YRN").isSymLink());
    // A folder a person names may be reached through a link; the file still may not be one.
    EXPECT_TRUE(replaceRefusal(root.filePath("linked") + "/report.rtf").isEmpty());
    EXPECT_TRUE(writeFileAtomically(root.filePath("linked") + "/report.rtf", "new"));
    EXPECT_EQ(entries(root.filePath("elsewhere")), QStringList({"report.rtf"}));
}

}  // namespace
