// Client folders: safe names, files that cannot be written, hostile files in a folder
// that is opened; where the program keeps them (beside a portable copy, or per user).
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QProcess>
#include <QRegularExpression>

#include "interview/AtomicFile.h"
#include "interview/FolderName.h"
#include "records/ClientFolder.h"
#include "records/ProgramLocation.h"
#include "records/SectionFile.h"
#include "support/SampleSection.h"
#include "support/TestSupport.h"

using namespace yrn;
using namespace yrn::test;

namespace {

// Runs a piece of a test in a forked child, for what must not touch the test process
// (a small file-size limit, a read that might never end, peak memory): returns the
// body's result as the exit status, or minus the signal that ended the child (SIGALRM
// after the timeout).
int runInChild(const std::function<int()>& body, unsigned timeoutSeconds = 30) {
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid < 0) return -1000;
    if (pid == 0) {
        alarm(timeoutSeconds);
        _exit(body());
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

// The peak resident memory (Linux /proc) in KiB, after a reset, and how much it grew
// while the body ran; -1 where it cannot be measured.
long peakGrowthKiB(const std::function<void()>& body) {
    const auto peak = [] {
        FILE* status = std::fopen("/proc/self/status", "r");
        char line[256];
        long kib = -1;
        while (status && std::fgets(line, sizeof line, status))
            if (std::sscanf(line, "VmHWM: %ld kB", &kib) == 1) break;
        if (status) std::fclose(status);
        return kib;
    };
    FILE* refs = std::fopen("/proc/self/clear_refs", "w");
    const bool reset = refs && std::fputs("5", refs) >= 0;
    if (!refs || std::fclose(refs) != 0 || !reset) return -1;
    const long before = peak();
    body();
    return before < 0 ? -1 : peak() - before;
}

class FileSection : public SampleSection {
  public:
    FileSection(Interview& i, const QString& module, const QString& file)
        : SampleSection(i, module, file) {}
    bool SaveYRN(const QString& path) override {
        return !failing && saveSectionFile(*this, layout(), path);
    }
    LoadResult LoadClientYRN(const QString& path) override {
        return loadSectionFile(*this, layout(), path);
    }
    static FileLayout layout() {
        return {{Codec::Text, "txtName"}, {Codec::Opt, "optWorking", true}};
    }
    bool failing = false;
};

QStringList entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                               QDir::NoDotAndDotDot);
}

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
    void answer(char mark, int locationSize = 5000) {
        location.setText("txtName", QString(locationSize, QChar(mark)));
        drugs.setText("txtName", QString("drugs ") + mark);
    }
    std::pair<QByteArray, QByteArray> files() const {
        return {readFile(clientDir + "/Location.YRN"), readFile(clientDir + "/Drugs.YRN")};
    }
    std::pair<QByteArray, QByteArray> save(char mark, int locationSize = 5000) {
        answer(mark, locationSize);
        EXPECT_TRUE(folder.SaveClientYRN().allWritten);
        return files();
    }
    // A save that fails: "files not saved|titles of the boxes|text of the last" matches
    // the pattern.
    ::testing::AssertionResult refused(const QString& pattern) {
        prompts.clear();
        const auto outcome = folder.SaveClientYRN();
        const QString told = outcome.notSaved.join(',') + '|' + prompts.titles().join(',') + '|' +
                             prompts.last().text;
        if (!outcome.allWritten &&
            QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption)
                .match(told)
                .hasMatch())
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << qPrintable(told);
    }
};

TEST_F(ClientFolderTest, UnsafeFolderNamesAreRefusedAndNothingIsWritten) {
    const std::pair<const char*, QStringList> unsafe[] = {
        {"path separator", {"../x05-07-2001", "a\\b"}},
        {"\"..\"", {".."}},
        {"begin with \".\"", {".hidden05-07-2001"}},
        {"end with \".\"", {"name."}},
        {"control character", {"x\ty", "x\u2028y", "x\u0085y", "x\x7Fy", "x\uFEFFy"}},
        {"bidirectional",
         {"Doe\u202EeoJ05-07-2001", "\u2066Doe\u2069J05-07-2001", "x\u200Fy", "x\u061Cy"}},
        {"< > :", {"x:y", "x*y"}},
        {"blank", {"name ", " name"}},
        {"broken", {QString("x") + QChar(0xD800) + "y", QString("x") + QChar(0xDC00)}},
        // 126 letters fit in 255 bytes only as Windows-1252.
        {"too long", {QString(252, 'A'), QString(126, QChar(0xC9))}}};
    for (const auto& [reason, names] : unsafe) {
        for (const QString& name : names) {
            EXPECT_TRUE(folderNameProblem(name).contains(reason)) << qPrintable(name);
            EXPECT_FALSE(ClientFolder::isSafeFolderName(name)) << qPrintable(name);
        }
    }
    for (const QString& name : {QString("../x05-07-2001"), QString("x:y"), QString(252, 'A')}) {
        identity.folder = name;
        EXPECT_TRUE(refused("\\|Save Error\\|.*" +
                            QRegularExpression::escape('"' + name + "\", which cannot be used")));
    }
    identity.folder.clear();
    prompts.clear();
    EXPECT_TRUE(folder.SaveClientYRN().identityMissing);
    EXPECT_TRUE(prompts.last().text.startsWith("You must enter client's name"));
    EXPECT_FALSE(QFile::exists(program.path() + "/../x05-07-2001"));
    EXPECT_TRUE(entries(program.path()).isEmpty());
    for (const QString& name :
         {QString("O'BrienMary J05-07-2001"), QString::fromUtf8("MuñozJosé😀05-07-2001"),
          QString(251, 'A'), QString(125, QChar(0xC9)) + 'x'})  // the report name: 255 bytes
        EXPECT_TRUE(ClientFolder::isSafeFolderName(name)) << qPrintable(name);
}

TEST_F(ClientFolderTest, AFileThatCannotBeWrittenIsNamedAndNothingIsReplaced) {
    const auto old = save('o');
    ASSERT_TRUE(QFile::remove(clientDir + "/Drugs.YRN"));
    QDir().mkpath(clientDir + "/Drugs.YRN");  // a folder in the way of the file
    answer('n');
    EXPECT_TRUE(refused("^Drugs.YRN\\|Save Error\\|.*Drugs.YRN.*No section file was replaced"));
    EXPECT_EQ(readFile(clientDir + "/Location.YRN"), old.first);  // no mix of two saves
    // A section that fails to write its file: the files saved before it in the same
    // save are not replaced either.
    ASSERT_TRUE(QDir(clientDir + "/Drugs.YRN").removeRecursively());
    static_cast<FileSection&>(drugs).failing = true;
    EXPECT_TRUE(refused("^Drugs.YRN\\|"));
    EXPECT_EQ(readFile(clientDir + "/Location.YRN"), old.first);
    EXPECT_EQ(entries(clientDir), QStringList({"Location.YRN"}));
    static_cast<FileSection&>(drugs).failing = false;
    identity.folder = "DoeJohnQ05-07-2001";
    writeFile(program.filePath(identity.folder), "a file in the way");
    EXPECT_TRUE(refused("^DoeJohnQ05-07-2001\\|.*could not be made or written to"));
    // What a killed save left is removed by the next save, and nothing else.
    identity.folder = "DoeJaneQ05-07-2001";
    for (const QString name :
         {".yrn-tmp-Location.YRN", ".yrn-tmp-Ab12Cd34", "notes.txt", ".hidden"})
        writeFile(clientDir + '/' + name, "half a fi");
    QDir(clientDir).mkdir(".yrn-tmp-folder");
    save('n', 10);
    EXPECT_EQ(entries(clientDir), QStringList({".hidden", ".yrn-tmp-folder", "Drugs.YRN",
                                               "Location.YRN", "notes.txt"}));
}

// A full disk, as a file-size limit in a child process that ignores the signal of
// the limit: the save says it failed and every old file stays byte for byte (the
// small file that still fits is not replaced alone either).
TEST_F(ClientFolderTest, AFullDiskFailsTheSaveAndEveryOldFileStays) {
    const auto old = save('o');
    ASSERT_GT(old.first.size(), 4096);
    for (const int size : {4097, 5000, 100000}) {
        const int status = runInChild([&] {
            answer('n', size);
            prompts.clear();
            const rlimit limit{4096, 4096};
            if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 2;
            signal(SIGXFSZ, SIG_IGN);
            if (folder.SaveClientYRN().allWritten) return 0;
            return prompts.titles() == QStringList{"Save Error"} &&
                           prompts.last().text.contains("Location.YRN")
                       ? 1
                       : 3;
        });
        EXPECT_EQ(status, 1) << "size " << size << " (0: reported as saved)";
        EXPECT_TRUE(files() == old) << "size " << size << ": a file was replaced";
        EXPECT_EQ(entries(clientDir), QStringList({"Drugs.YRN", "Location.YRN"}));
    }
}

// Links planted as a client folder, a section file or a folder on the way, and a
// FIFO at a file's name, are refused with the path named: nothing is written
// through them, and what is outside keeps its bytes and permissions.
TEST_F(ClientFolderTest, APlantedLinkIsRefusedAndNothingOutsideIsTouched) {
    QTemporaryDir outside;
    const QString precious = outside.filePath("precious.txt");
    writeFile(precious, "precious");
    QFile::setPermissions(outside.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadOther | QFile::ExeOther);
    QFile::setPermissions(precious, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const auto shared = QFile::permissions(outside.path()), kept = QFile::permissions(precious);
    ASSERT_TRUE(QFile::link(outside.path(), clientDir));
    answer('n', 10);
    EXPECT_TRUE(refused("\\|Save Error\\|.*" +
                        QRegularExpression::escape(QDir::toNativeSeparators(clientDir)) +
                        "\" is a link"));
    EXPECT_EQ(entries(outside.path()), QStringList{"precious.txt"});
    ASSERT_TRUE(QFile::remove(clientDir));
    const auto old = save('o', 10);
    EXPECT_EQ(QFile::permissions(clientDir + "/Drugs.YRN") &
                  (QFileDevice::ReadGroup | QFileDevice::ReadOther),
              QFileDevice::Permissions());
    ASSERT_TRUE(QFile::remove(clientDir + "/Location.YRN"));
    ASSERT_TRUE(QFile::link(precious, clientDir + "/Location.YRN"));
    answer('n', 10);
    EXPECT_TRUE(refused("^Location.YRN\\|Save Error\\|.*Location.YRN\" is a link"));
    EXPECT_EQ(readFile(clientDir + "/Drugs.YRN"), old.second);
    const QString linked = program.filePath("linked");
    ASSERT_TRUE(QFile::link(outside.filePath("nowhere"), clientDir + "/Dangling.YRN"));
    ASSERT_EQ(mkfifo(QFile::encodeName(clientDir + "/Fifo.YRN").constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(outside.path(), linked));
    for (const QString& path : {clientDir + "/Location.YRN", clientDir + "/Dangling.YRN",
                                clientDir + "/Fifo.YRN", linked + "/Drugs.YRN"}) {
        QString why;
        EXPECT_FALSE(writeFileAtomically(path, "new", &why, FolderLinks::Refuse))
            << qPrintable(path);
        EXPECT_TRUE(why.contains("link") || why.contains("regular file")) << qPrintable(why);
        EXPECT_EQ(replaceRefusal(path, FolderLinks::Refuse), why) << qPrintable(path);
    }
    // A folder standing at the name, or a missing folder.
    for (const QString& blocked : {clientDir, clientDir + "/missing/x.YRN"}) {
        QString why;
        EXPECT_FALSE(writeFileAtomically(blocked, "x", &why) || why.isEmpty()) << qPrintable(why);
    }
    EXPECT_TRUE(QFileInfo(clientDir + "/Location.YRN").isSymLink());
    EXPECT_TRUE(readFile(precious) == "precious" && QFile::permissions(precious) == kept);
    EXPECT_EQ(QFile::permissions(outside.path()), shared);
    EXPECT_FALSE(QFile::exists(outside.filePath("nowhere")));
    EXPECT_EQ(entries(outside.path()), QStringList{"precious.txt"});
    // A folder a person names may be reached through a link; the file still may not be one.
    EXPECT_TRUE(replaceRefusal(linked + "/report.rtf").isEmpty());
    EXPECT_TRUE(writeFileAtomically(linked + "/report.rtf", "new"));
    EXPECT_EQ(entries(outside.path()), QStringList({"precious.txt", "report.rtf"}));
}

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer keeps freed blocks aside for a while: its peak counts memory
// already given back.
constexpr int kPeakMiB = 16;
#else
constexpr int kPeakMiB = 8;
#endif

// Section files planted as links to a device, a FIFO or an endless /proc file are
// never read without limit, and 1 MiB of bare line feeds keeps the peak memory a
// small multiple of the file (read in a child process, so that a read that never
// ends fails the test instead of hanging it); a file over 1 MiB is not a section file.
TEST_F(ClientFolderTest, ALinkToADeviceAFifoOrProcIsNeverReadWithoutLimitOrMemory) {
    QDir().mkpath(clientDir);
    const QString path = clientDir + "/Location.YRN";
    const auto plant = [&](const QString& target) {
        QFile::remove(path);
        if (target == "fifo") return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
        if (target == "line feeds") {
            writeFile(path, QByteArray(1 << 20, '\n'));
            return true;
        }
        return QFile::link(target, path);
    };
    // A one-line box reads one empty line; a multi-line box that is last joins them all.
    const FileLayout oneLine = FileSection::layout();
    const FileLayout multiLine = {{Codec::Text, "txtComments", true}};
    for (const QString target :
         {"/dev/zero", "/dev/urandom", "fifo", "/proc/self/pagemap", "line feeds"}) {
        ASSERT_TRUE(plant(target)) << qPrintable(target);
        for (const FileLayout* layout : {&oneLine, &multiLine}) {
            // Twice the MiB more at the peak, plus one when the file read whole.
            const int read = runInChild(
                [&] {
                    bool whole = false;
                    const long growth = peakGrowthKiB(
                        [&] { whole = loadSectionFile(location, *layout, path).complete; });
                    return growth < 0 ? 255 : int(std::min<long>(growth / 1024, 100)) * 2 + whole;
                },
                10);
            ASSERT_NE(read, 255) << "the peak memory cannot be measured here";
            EXPECT_TRUE(read >= 0 && read / 2 <= kPeakMiB)
                << qPrintable(target) << ' ' << read << " (-14: still reading after 10 s)";
            EXPECT_EQ(read % 2, int(target == "line feeds" && layout == &multiLine));
        }
        const int opened = runInChild(
            [&] {
                folder.openClient(clientDir);
                return prompts.titles() == QStringList{"Incomplete Client Files"} &&
                       prompts.last().text.contains("Location.YRN");
            },
            10);
        EXPECT_EQ(opened, 1) << qPrintable(target);
    }
    writeFile(path, "X\r\n;\r\n1\r\n" + QByteArray(1 << 20, ' '));
    EXPECT_FALSE(loadSectionFile(location, FileSection::layout(), path).complete);
    EXPECT_EQ(location.text("txtName"), "");
}

TEST_F(ClientFolderTest, FilesAreRecognisedWithoutRegardToCaseAndTheWrittenSpellingWins) {
    QList<ClientFolder::Event> told;
    folder.observe([&](ClientFolder::Event e) { told << e; });
    EXPECT_FALSE(folder.openClient(clientDir).found);  // no such folder: nothing is reset
    EXPECT_EQ(lastBox(prompts),
              "Critical|Invalid directory|This directory contains no YRN files!!");
    QDir().mkpath(clientDir);
    writeFile(clientDir + "/location.yrn", "lower\r\n;\r\n0\r\n");
    writeFile(clientDir + "/Location.YRN", "written\r\n;\r\n1\r\n");
    writeFile(clientDir + "/DRUGS.yrn", "drugs\r\n;\r\n0\r\n");
    QStringList files;
    for (const auto& file : folder.sectionFiles(clientDir))
        files << QFileInfo(file.path).fileName() + ' ' + file.module;
    EXPECT_EQ(files.join(','), "DRUGS.yrn ctlDrugs,Location.YRN ctlLocatorInformation");
    location.setText("txtComments", "from the client before");
    prompts.clear();
    EXPECT_TRUE(folder.openClient(clientDir).found);
    EXPECT_TRUE(prompts.boxes.isEmpty() && !interview.IsLoading());
    EXPECT_TRUE(shows(location, {"txtName=written", "txtComments="}));
    EXPECT_EQ(drugs.text("txtName"), "drugs");
    EXPECT_TRUE(folder.SaveClientYRN().allWritten);
    EXPECT_EQ(told,
              (QList<ClientFolder::Event>{ClientFolder::Event::Reset, ClientFolder::Event::Opened,
                                          ClientFolder::Event::Saved}));
}

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

TEST(ProgramLocationTest, InstalledAndReadOnlyCopiesUseAPerUserFolderAPortableOneItsOwn) {
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
    // The same copy made read-only (for root, who writes past the mode bits, immutable)
    // seeds the per-user folder from its own folder.
    ASSERT_TRUE(QDir().rename(portable.data + "/YRN Help Files", portable.bin + "/YRN Help Files"));
    ASSERT_TRUE(QFile::remove(portable.data + "/YRN_TEMPLATE.RTF"));
    QFile::setPermissions(portable.bin, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool immutable = geteuid() == 0 && QProcess::execute("chattr", {"+i", portable.bin}) == 0;
    const bool readOnly = !QFileInfo(portable.bin).isWritable();
    location = resolveProgramFolder(portable.bin, portable.user);
    if (immutable) QProcess::execute("chattr", {"-i", portable.bin});
    QFile::setPermissions(portable.bin,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_TRUE(readOnly) << "no way to make a folder read-only here (chattr)";
    EXPECT_EQ(QDir(location.folder), QDir(portable.user));
    EXPECT_EQ(portable.seeded(location), "|{\\rtf1 portable}|locator|saving");
}

TEST(ProgramLocationTest, WhatCannotBePreparedIsToldAndTheProgramStillHasAFolder) {
    Install install;
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
