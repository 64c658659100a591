// Client folders (safe names, files that cannot be written, hostile files in a folder
// that is opened), where the program keeps them, and the field codec: byte-exact
// writing, every typed text back exactly, the encodings, old and damaged files; the
// recovery copy's format.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QProcess>
#include <QRegularExpression>

#include "base/AtomicFile.h"
#include "base/FolderName.h"
#include "records/ClientFolder.h"
#include "records/FieldCodec.h"
#include "records/ProgramLocation.h"
#include "records/RecoveryCopy.h"
#include "records/SectionFile.h"
#include "records/TextEncoding.h"
#include "support/SampleSection.h"
#include "support/TestSupport.h"

using namespace yrn;
using namespace yrn::test;

namespace {

// Runs the body in a forked child: returns its result as the exit status, or minus the
// signal that ended the child (SIGALRM after the timeout).
int runInChild(unsigned timeoutSeconds, const std::function<int()>& body) {
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid < 0) return -1000;
    if (pid == 0) {
        alarm(timeoutSeconds);
        _exit(body());
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        continue;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

// How much the peak resident memory grew while the body ran, in KiB (-1: unknown).
long peakGrowthKiB(const std::function<void()>& body) {
    const auto peak = [] {
        const auto found =
            QRegularExpression("VmHWM:\\s*(\\d+) kB").match(QString(readFile("/proc/self/status")));
        return found.hasMatch() ? found.captured(1).toLong() : -1L;
    };
    QFile refs("/proc/self/clear_refs");
    if (!refs.open(QIODevice::WriteOnly) || refs.write("5") != 1 || !refs.flush()) return -1;
    const long before = peak();
    body();
    return before < 0 ? -1 : peak() - before;
}

struct FileSection : SampleSection {
    using SampleSection::SampleSection;
    bool SaveYRN(const QString& path) override {
        return !failing && saveSectionFile(*this, layout(), path, &error);
    }
    QString lastSaveError() const override { return error; }
    LoadResult LoadClientYRN(const QString& path) override {
        return loadSectionFile(*this, layout(), path);
    }
    static FileLayout layout() {
        return {{Codec::Text, "txtName"}, {Codec::Opt, "optWorking", true}};
    }
    bool failing = false;
    QString error;
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
    // A save that fails, told as "not saved|box titles|last text" matching the pattern.
    ::testing::AssertionResult refused(const QString& pattern) {
        prompts.clear();
        const auto outcome = folder.SaveClientYRN();
        const QString told = outcome.notSaved.join(',') + '|' + prompts.titles().join(',') + '|' +
                             boxText(prompts.last());
        if (!outcome.allWritten && told.contains(QRegularExpression("(?s)" + pattern)))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << qPrintable(told);
    }
};

TEST_F(ClientFolderTest, UnsafeFolderNamesAreRefusedAndNothingIsWritten) {
    // Beside those the hostile-name walk through the locator tries.
    const std::pair<const char*, QStringList> unsafe[] = {
        {"end with \".\"", {"name."}},
        {"blank", {"name "}},
        {"control character", {"x\u2029y", "x\u009Fy", "x\x1Fy"}},
        {"bidirectional", {"x\u200Ey", "x\u061Cy", "x\u202Dy"}},
        {"broken", {QString("x") + QChar(0xD800) + "y", QString("x") + QChar(0xDC00)}},
        // 126 letters fit in 255 bytes only as Windows-1252.
        {"too long", {QString(252, 'A'), QString(126, QChar(0xC9))}}};
    for (const auto& [reason, names] : unsafe)
        for (const QString& name : names)
            EXPECT_TRUE(folderNameProblem(name).contains(reason) &&
                        !ClientFolder::isSafeFolderName(name))
                << qPrintable(name);
    identity.folder.clear();
    prompts.clear();
    EXPECT_TRUE(folder.SaveClientYRN().identityMissing &&
                prompts.last().text.startsWith("You must enter client's name"));
    EXPECT_TRUE(entries(program.path()).isEmpty());
    EXPECT_TRUE(ClientFolder::isSafeFolderName(QString::fromUtf8("MuñozJosé😀05-07-2001")));
}

// A full disk (a file-size limit in a child that ignores SIGXFSZ): the save fails and
// every old file stays byte for byte, even the small one that still fits.
TEST_F(ClientFolderTest, ASaveThatFailsOnAFullDiskOrAtAFileReplacesNothing) {
    const auto old = save('o');
    ASSERT_GT(old.first.size(), 4096);
    for (const int size : {4097, 5000, 100000}) {
        const int status = runInChild(30, [&] {
            answer('n', size);
            const rlimit limit{4096, 4096};
            if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 2;
            signal(SIGXFSZ, SIG_IGN);
            return refused("\\|Save Error\\|.*Location\\.YRN.*\\[.*File too large") ? 1 : 0;
        });
        EXPECT_TRUE(status == 1 && files() == old) << "size " << size << ", status " << status;
        EXPECT_EQ(entries(clientDir), QStringList({"Drugs.YRN", "Location.YRN"}));
    }
    // A file that cannot be written is named.
    ASSERT_TRUE(QFile::remove(clientDir + "/Drugs.YRN"));
    QDir().mkpath(clientDir + "/Drugs.YRN");  // a folder in the way of the file
    answer('n');
    EXPECT_TRUE(refused("^Drugs.YRN\\|Save Error\\|.*Drugs.YRN.*No section file was replaced"));
    EXPECT_EQ(readFile(clientDir + "/Location.YRN"), old.first);  // no mix of two saves
    // A section that fails to write: the files saved before it are not replaced either.
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
    for (const char* name : {".yrn-tmp-Location.YRN", ".yrn-tmp-Ab12Cd34", "notes.txt", ".hidden"})
        writeFile(clientDir + '/' + name, "half a fi");
    QDir(clientDir).mkdir(".yrn-tmp-folder");
    save('n', 10);
    EXPECT_EQ(entries(clientDir), QStringList({".hidden", ".yrn-tmp-folder", "Drugs.YRN",
                                               "Location.YRN", "notes.txt"}));
}

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer keeps freed blocks aside: its peak counts memory given back.
constexpr int kPeakMiB = 16;
#else
constexpr int kPeakMiB = 8;
#endif

// Planted links (a client folder, a section file, a folder on the way) and a FIFO are
// refused with the path named; what is outside keeps its bytes and permissions.
TEST_F(ClientFolderTest, PlantedLinksFifosAndDevicesAreNeitherWrittenNorReadWithoutLimit) {
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
    EXPECT_EQ(QFile::permissions(clientDir + "/Drugs.YRN") & (QFile::ReadGroup | QFile::ReadOther),
              0);
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
    EXPECT_TRUE(QFileInfo(clientDir + "/Location.YRN").isSymLink());
    EXPECT_TRUE(readFile(precious) == "precious" && QFile::permissions(precious) == kept);
    EXPECT_EQ(QFile::permissions(outside.path()), shared);
    EXPECT_EQ(entries(outside.path()), QStringList{"precious.txt"});
    // A folder a person names may be reached through a link; the file still may not be one.
    EXPECT_TRUE(replaceRefusal(linked + "/report.rtf").isEmpty());
    EXPECT_TRUE(writeFileAtomically(linked + "/report.rtf", "new"));
    EXPECT_EQ(entries(outside.path()), QStringList({"precious.txt", "report.rtf"}));
    // Nor is a section file read through a link (to a private file or to nothing) or as a
    // folder: each is named as damaged, the rest is read. Folders alone hold no section file.
    for (const QString kind : {"link", "dangling", "folder", "folder alone"}) {
        if (!QFile::remove(clientDir + "/Location.YRN")) QDir(clientDir).rmdir("Location.YRN");
        if (kind == "folder alone") QFile::remove(clientDir + "/Drugs.YRN");
        ASSERT_TRUE(kind.startsWith("folder") ? QDir(clientDir).mkdir("Location.YRN")
                                              : QFile::link(kind == "link" ? precious : "nowhere",
                                                            clientDir + "/Location.YRN"));
        drugs.setText("txtName", "on screen");
        prompts.clear();
        const bool read = folder.openClient(clientDir).found;
        EXPECT_EQ(prompts.titles().join(',') + '|' + drugs.text("txtName") + '|' +
                      location.text("txtName"),
                  read ? "Incomplete Client Files|drugs o|" : "Invalid directory|on screen|")
            << qPrintable(kind);
        EXPECT_TRUE(prompts.last().text.contains(read ? ": Location.YRN.\r\n" : "no YRN"));
        EXPECT_EQ(read, kind != "folder alone");
    }
    QDir(clientDir).rmdir("Location.YRN");
    // Section files planted as links to a device, a FIFO or an endless /proc file, and 1 MiB
    // of bare line feeds, are read in a child (so that a read that never ends fails the
    // test) with a small peak memory; a file over 1 MiB is not a section file.
    const QString path = clientDir + "/Location.YRN";
    const auto plant = [&](const QString& target) {
        QFile::remove(path);
        if (target == "fifo") return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
        if (target != "line feeds") return QFile::link(target, path);
        writeFile(path, QByteArray(1 << 20, '\n'));
        return true;
    };
    // A one-line box reads one empty line; a multi-line box that is last joins them all;
    // opening the folder must tell the file is incomplete (not told counts as whole).
    const FileLayout multiLine = {{Codec::Text, "txtComments", true}};
    const std::function<bool()> readers[] = {
        [&] { return loadSectionFile(location, FileSection::layout(), path).complete; },
        [&] { return loadSectionFile(location, multiLine, path).complete; },
        [&] {
            prompts.clear();
            folder.openClient(clientDir);
            return prompts.titles() != QStringList{"Incomplete Client Files"} ||
                   !prompts.last().text.contains("Location.YRN");
        }};
    for (const QString target :
         {"/dev/zero", "/dev/urandom", "fifo", "/proc/self/pagemap", "line feeds"}) {
        ASSERT_TRUE(plant(target)) << qPrintable(target);
        for (int reader = 0; reader < 3; ++reader) {
            // Twice the MiB more at the peak, plus one when the file read whole.
            const int read = runInChild(10, [&] {
                bool whole = false;
                const long growth = peakGrowthKiB([&] { whole = readers[reader](); });
                return growth < 0 ? 255 : int(std::min<long>(growth / 1024, 100)) * 2 + whole;
            });
            ASSERT_NE(read, 255) << "the peak memory cannot be measured here";
            EXPECT_TRUE(read >= 0 && read / 2 <= kPeakMiB)
                << qPrintable(target) << ' ' << reader << ": " << read
                << " (-14: still reading after 10 s)";
            EXPECT_EQ(read % 2, int(target == "line feeds" && reader == 1)) << reader;
        }
    }
    writeFile(path, "X\r\n;\r\n1\r\n" + QByteArray(1 << 20, ' '));
    EXPECT_FALSE(loadSectionFile(location, FileSection::layout(), path).complete);
    EXPECT_NE(location.text("txtName"), "X");
}

// What a save makes is its owner's only, or in a program folder its group shares (and
// others may not write into) the group's too, with that group: whatever the umask. A
// colleague of the group (another user, when the tests run as root) opens and saves it.
TEST_F(ClientFolderTest, AClientFolderIsAsPrivateAsItsProgramFolderWhateverTheUmask) {
    const bool root = geteuid() == 0;
    const gid_t group = root ? 4243 : getegid();
    // The save's status under a program folder of a mode, then "mode:group" of what it made.
    const auto saveIn = [&](mode_t programMode) {
        chmod(QFile::encodeName(program.path()).constData(), programMode);
        QStringList made{QString::number(runInChild(30, [&] {
            umask(0);
            folder.holdsClients = true;
            answer('u', 10);
            return folder.SaveClientYRN().allWritten ? 0 : 1;
        }))};
        for (const QString& path :
             {clientDir, clientDir + "/Drugs.YRN", clientDir + "/.yrn-in-use.lock"}) {
            struct stat st {};
            lstat(QFile::encodeName(path).constData(), &st);
            made << QString::number(st.st_mode & 07777, 8) + ':' + QString::number(st.st_gid);
        }
        return made.join(' ');
    };
    const QString mine = QString::number(getegid()), shared = QString::number(group);
    EXPECT_EQ(saveIn(0755), QString("0 700:%1 600:%1 600:%1").arg(mine));
    ASSERT_EQ(chown(QFile::encodeName(program.path()).constData(), uid_t(-1), group), 0);
    EXPECT_EQ(saveIn(01777).left(6), "0 700:");  // anyone may write there: no group shares it
    EXPECT_EQ(saveIn(02770), QString("0 2770:%1 660:%1 660:%1").arg(shared));
    if (!root) return;
    const int colleague = runInChild(30, [&] {
        if (setgroups(1, &group) != 0 || setgid(4242) != 0 || setuid(4242) != 0) return 2;
        if (!folder.openClient(clientDir).unreadable.isEmpty()) return 3;
        answer('c', 10);
        return folder.SaveClientYRN().allWritten ? 0 : 1;
    });
    EXPECT_TRUE(colleague == 0 && files().second.contains("drugs c")) << colleague;
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
    using enum ClientFolder::Event;
    EXPECT_EQ(told, (QList<ClientFolder::Event>{Reset, Opened, Saved}));
}

// An install under a prefix: bin/, and share/halverin-yrn/ with the template and help.
struct Install {
    Install() {
        QDir().mkpath(data + "/YRN Help Files");
        QDir().mkpath(bin);
        writeFile(data + "/YRN_TEMPLATE.RTF", "{\\rtf1 installed}");
        writeFile(data + "/YRN Help Files/YRN Locator.doc", "locator");
        writeFile(data + "/YRN Help Files/YRN Saving Information.doc", "saving");
    }
    // The folder the program keeps ("bin", "user", or its path; "+" when beside the program),
    // what was told, then the template and the help documents in the per-user folder.
    QString resolved() const {
        const ProgramLocation at = resolveProgramFolder(bin, user);
        const QString folder = QString(at.folder).replace(user, "user").replace(bin, "bin");
        return QStringList{folder + (at.besideProgram ? "+" : ""), at.problem,
                           readFile(user + "/YRN_TEMPLATE.RTF"),
                           readFile(user + "/YRN Help Files/YRN Locator.doc"),
                           readFile(user + "/YRN Help Files/YRN Saving Information.doc")}
            .join('|');
    }
    QTemporaryDir prefix;
    QString bin = prefix.filePath("bin"), data = prefix.filePath("share/halverin-yrn");
    QString user = prefix.filePath("home/.local/share/halverin-yrn");
};

TEST(ProgramLocationTest,
     InstalledAndReadOnlyCopiesUseAPerUserFolderAPortableOneItsOwnAndProblemsAreTold) {
    Install install;
    // The tool's template: the installed one, unless one stands beside it.
    EXPECT_EQ(defaultTemplate(install.bin), install.data + "/YRN_TEMPLATE.RTF");
    QTemporaryDir bare;
    EXPECT_EQ(defaultTemplate(bare.path()), bare.filePath("YRN_TEMPLATE.RTF"));
    EXPECT_EQ(install.resolved(), "user||{\\rtf1 installed}|locator|saving");
    EXPECT_EQ(
        QFile::permissions(install.user) & (QFile::ReadGroup | QFile::ReadOther | QFile::ExeOther),
        0);
    // A template edited there is kept; a help document deleted there comes back.
    writeFile(install.user + "/YRN_TEMPLATE.RTF", "{\\rtf1 our own}");
    QFile::remove(install.user + "/YRN Help Files/YRN Locator.doc");
    EXPECT_EQ(install.resolved(), "user||{\\rtf1 our own}|locator|saving");
    // A writable folder with the template keeps everything beside the program.
    Install portable;
    writeFile(portable.bin + "/YRN_TEMPLATE.RTF", "{\\rtf1 portable}");
    EXPECT_EQ(defaultTemplate(portable.bin), portable.bin + "/YRN_TEMPLATE.RTF");
    EXPECT_TRUE(portable.resolved() == "bin+||||" && !QFileInfo::exists(portable.user));
    // The same copy read-only (for root, immutable) seeds the per-user folder itself.
    ASSERT_TRUE(QDir().rename(portable.data + "/YRN Help Files", portable.bin + "/YRN Help Files"));
    ASSERT_TRUE(QFile::remove(portable.data + "/YRN_TEMPLATE.RTF"));
    QFile::setPermissions(portable.bin, QFile::ReadOwner | QFile::ExeOwner);
    const bool immutable = geteuid() == 0 && QProcess::execute("chattr", {"+i", portable.bin}) == 0;
    const bool readOnly = !QFileInfo(portable.bin).isWritable();
    const QString seeded = portable.resolved();
    if (immutable) QProcess::execute("chattr", {"-i", portable.bin});
    QFile::setPermissions(portable.bin, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_TRUE(readOnly) << "no way to make a folder read-only here (chattr)";
    EXPECT_EQ(seeded, "user||{\\rtf1 portable}|locator|saving");
    // A per-user folder that cannot be made is told, and the program keeps its own.
    Install blocked;
    writeFile(blocked.prefix.filePath("home"), "in the way");
    EXPECT_EQ(blocked.resolved(), "bin+|Could not make the folder " +
                                      QDir::toNativeSeparators(blocked.user) +
                                      " for the client folders.|||");
    EXPECT_FALSE(resolveProgramFolder(blocked.bin, {}).problem.isEmpty());
    // What cannot be copied is named.
    Install other;
    QDir().mkpath(other.user);
    writeFile(other.user + "/YRN Help Files", "in the way");
    EXPECT_EQ(other.resolved(), "user|Could not copy into " + QDir::toNativeSeparators(other.user) +
                                    ": YRN Help Files|{\\rtf1 installed}||");
    // Nothing to seed from: the template is missing, and that is told.
    const auto location = resolveProgramFolder(bare.filePath("bin"), bare.filePath("user"));
    EXPECT_EQ(QDir(location.folder), QDir(bare.filePath("user")));
    EXPECT_FALSE(location.problem.isEmpty());
}

// Every kind once, the last field flagged last.
const FileLayout kLayout = {{Codec::Text, "txtName"},           {Codec::Opt, "optWorking"},
                            {Codec::Opt3, "optLiving"},         {Codec::Opt4, "optFamily"},
                            {Codec::Combo, "cboLanguage"},      {Codec::ComboNew, "cboRace"},
                            {Codec::CheckBox, "chkAbstinence"}, {Codec::Text, "txtComments", true}};

struct CodecTest : ::testing::Test {
    RecordingPrompts prompts;
    Interview interview{prompts};
    Section& s = interview.add(std::make_unique<SampleSection>(interview));
    QByteArray write(const FileLayout& layout = kLayout) { return sectionFileBytes(s, layout); }
    LoadResult read(const QByteArray& bytes, const FileLayout& layout = kLayout) {
        s.NewYRN();
        prompts.clear();
        return readSectionBytes(s, layout, bytes);
    }
    // The value lines between the "|" as a file.
    static QByteArray file(const QByteArray& values) {
        return QByteArray(values).replace("|", "\r\n;\r\n") + "\r\n";
    }
};

TEST_F(CodecTest, WritesByteForByteInWindows1252OrUtf8AndEveryTypedTextComesBackExactly) {
    s.setText("txtName", "Main St.");
    s.choose("optWorking", 1);
    s.choose("optLiving", 2);
    s.choose("optFamily", 3);
    s.setPosition("cboLanguage", 2);
    s.setPosition("cboRace", 3);
    s.setCheck("chkAbstinence", CheckState::Grey);
    EXPECT_EQ(write(), file("Main St.|1|2|3| 2 | 65 | 1 |-1 "));
    s.NewYRN();
    EXPECT_EQ(write(), file("-1 |-1|-1|-1|-1 |-1 | 0 |-1 "));
    // A last field without its flag ends with a separator.
    const FileLayout two = {{Codec::Text, "txtName"}, {Codec::Opt, "optWorking"}};
    s.setText("txtName", "x");
    s.choose("optWorking", 0);
    EXPECT_EQ(write(two), "x\r\n;\r\n0\r\n;\r\n");
    EXPECT_TRUE(read(write(two), two).complete && s.choice("optWorking") == 0);
    // Windows-1252 when everything fits, UTF-8 with its mark otherwise.
    s.NewYRN();
    s.setText("txtName", QString::fromUtf8("Zoë €5"));
    EXPECT_TRUE(write().startsWith("Zo\xeb \2005\r\n"));  // \200 is the euro sign
    EXPECT_TRUE(fitsWindows1252(QString::fromUtf8("Zoë €5 ÿ")));
    EXPECT_FALSE(fitsWindows1252(QString::fromUtf8("Ā")) || fitsWindows1252(QChar(0x80)));
    EXPECT_EQ(toWindows1252(QString::fromUtf8("aŁb")), "a?b");
    s.setText("txtComments", QString::fromUtf8("Łódź"));
    const QByteArray utf8 = write();
    EXPECT_TRUE(utf8.startsWith("\xEF\xBB\xBF" + QString::fromUtf8("Zoë €5").toUtf8()));
    EXPECT_TRUE(read(utf8).complete && shows(s, {"txtComments=Łódź", "txtName=Zoë €5"}));
    QByteArray all;  // every Windows-1252 byte reads and writes back unchanged
    for (int b = 0x20; b < 0x100; ++b)
        all.append(char(b));
    EXPECT_EQ(toWindows1252(fromWindows1252(all)), all);
    // Without the mark a file is Windows-1252, even where it is valid UTF-8; with it, UTF-8.
    const FileLayout name = {{Codec::Text, "txtName", true}};
    EXPECT_TRUE(read("\xC3\xA9\r\n", name).complete && s.text("txtName") == "Ã©");
    EXPECT_TRUE(read("\xEF\xBB\xBF\xC3\xA9\r\n", name).complete && s.text("txtName") == "é");
    // An answer that starts like the mark in Windows-1252 is written in UTF-8.
    for (const QString& text : {QString::fromUtf8("ï»¿ and more"), QString(QChar(0xFEFF)) + "x"}) {
        s.setText("txtName", text);
        EXPECT_TRUE(read(write(name), name).complete && s.text("txtName") == text);
    }
    const char kControls[] = "tab\there, nul \0 bell \a esc \x1b ff \f vt \v del \x7f";
    // With every Windows-1252 pair that is also valid UTF-8, alone and in a name.
    QStringList texts = {"-1", " -1 ", "-1 ", "   ", ";", "C:\\temp\\new\\file.txt; a, b, \"c\""};
    texts += {" leading and trailing ", "pilcrow ¶ and ␤ ␍ ␛ ␛u0041 ␛u00zz symbols ␛"};
    texts += {"\\n is not a line break", QString::fromUtf8(kControls, sizeof kControls - 1)};
    texts += {"line one\nline two\r\nline three\rend", "\n\nstarts with breaks\n"};
    texts +=
        {"next line \u0085 line sep \u2028 para sep \u2029 mark \uFEFF done",
         QString::fromUtf8("emoji 😀 and Ελληνικά and 中文") + QChar(0xD800) + 'x' + QChar(0xDC00)};
    for (int lead = 0xC2; lead <= 0xDF; ++lead)
        for (int next = 0x80; next <= 0xBF; ++next) {
            const QString pair = fromWindows1252(QByteArray(1, char(lead)) + char(next));
            texts << pair << "JOS" + pair + "S CAR";
        }
    for (const QString& text : texts) {
        s.setText("txtComments", text);
        s.setText("txtName", text);
        const QByteArray bytes = write();
        // A field stays one line.
        const QList<qsizetype> ends{bytes.count("\r\n"), bytes.count('\n'), bytes.count('\r')};
        EXPECT_EQ(ends, (QList<qsizetype>{15, 15, 15})) << qPrintable(text);
        ASSERT_TRUE(read(bytes).complete) << qPrintable(text);
        EXPECT_TRUE(s.text("txtComments") == text && s.text("txtName") == text) << qPrintable(text);
    }
}

// Hand-written files: whether each reads whole, what fields show, the boxes shown.
TEST_F(CodecTest, ReadsHandWrittenOldDamagedAndJunkFiles) {
    // The readers run the rules as the person's clicks would.
    s.onClick("optWorking", [&](int b) {
        if (b == 0) s.clearField("txtDays");
    });
    const FileLayout texts = {{Codec::Text, "txtName"},
                              {Codec::Text, "txtDays"},
                              {Codec::Opt, "optWorking"},
                              {Codec::Text, "txtComments"},
                              {Codec::Text, arr("txtCharges", 0), true}};
    const auto withLists = [](const QByteArray& language, const QByteArray& race) {
        return file("Doe|1|-1|-1|" + language + "|" + race + "| 1 |end");
    };
    struct Row {
        QByteArray bytes;
        QString expected;  // "1" when it reads whole, what fields show, boxes ("Critical|...")
        const FileLayout* layout = &kLayout;
    };
    QList<Row> rows = {
        // "Muñoz" and "café – déjà" in Windows-1252, CR LF lines, blanks around values.
        {file("  Mu\xf1oz  |0|2| 1 | 1 | 40 | 0 |caf\xe9 \x96 d\xe9j\xe0 \x93ok\x94"),
         "1; txtName=Muñoz; optWorking=0; optLiving=2; optFamily=1; cboLanguage=Spanish; "
         "cboRace=Asian; chkAbstinence=0; txtComments=café – déjà “ok”"},
        // Three blanks and "-1" read as empty; a number past a group's buttons leaves it
        // alone; a check box reads any non-zero value as ticked; a list position ties to even.
        {file("   |2|3|4| 0.5 | 12 | 7 |-1"),
         "1; txtName=; optWorking=-1; optLiving=-1; optFamily=-1; cboLanguage=English; cboRace=; "
         "chkAbstinence=1; txtComments="},
        {file("x|1|1|3| -1 | 30 | 2 |y"),
         "1; optWorking=1; optLiving=1; optFamily=3; cboLanguage=; cboRace=Black; chkAbstinence=1"},
        // Old raw line breaks in a comment are joined back; the rule closed txtDays.
        {file("first|0|-1|-1|-1 |-1 | 1 |comment\r\nruns on\r\n\r\nto the end"),
         "1; txtName=first; optWorking=0; chkAbstinence=1; txtComments=comment\nruns on\n\nto the "
         "end; txtDays= (off)"},
        // Lone CRs and LFs end lines too.
        {"first\r;\n0\r\n;\r-1\n;\n-1\n;\n-1 \n;\n-1 \n;\n 1 \n;\nend\rmore",
         "1; txtName=first; optWorking=0; txtComments=end\nmore"},
        // A file that ends early keeps what was read (the race's value, not its separator).
        {"Doe\r\n;\r\n1\r\n;\r\n-1\r\n;\r\n-1\r\n;\r\n 1 \r\n;\r\n 40",
         "0; txtName=Doe; optWorking=1; cboLanguage=Spanish; cboRace=Asian; chkAbstinence=0"},
        {"", "0"},
        // A separator line that is not ";" stops the reading there.
        {"Doe\r\n;\r\n1\r\nX\r\n-1\r\n;\r\n-1\r\n;\r\n 1 \r\n;\r\n 40 \r\n;\r\n 1 \r\n;\r\nend\r\n",
         "0; optWorking=1; cboLanguage=; txtComments="},
        // "; ," leaves the rest of its line as the next line; blanks around ";" are no matter.
        {"Doe\r\n ; , 1 \r\n;\r\n-1\r\n;\r\n-1\r\n;\r\n 2 \r\n;\r\n-1 \r\n;\r\n 0 \r\n;\r\nend\r\n",
         "1; optWorking=1; cboLanguage=French"},
        // Continuation lines are joined only for a multi-line box: after a one-line box a line
        // that is not ";" stops the reading; a one-line box that is last reads one line.
        {"Smith\r\nx\r\n 3\r\n;\r\n1\r\n;\r\n-1 \r\n;\r\nJones\r\n",
         "0; txtName=Smith; txtDays=; optWorking=-1; txtCharges(0)=", &texts},
        {file("Smith| 3 |1|line one\r\nline two|Jones"),
         "1; txtName=Smith; txtDays=3; optWorking=1; txtComments=line one\nline two; "
         "txtCharges(0)=Jones",
         &texts},
        {file("Smith| 3 |1|-1 |Jones\r\nrest"), "1; txtCharges(0)=Jones", &texts},
        // A bad list value is reported and skipped, and the rest still reads.
        {withLists(" 2.4 ", " 70.0 "), "1; cboLanguage=French; cboRace=Other"},
        // Bytes after the UTF-8 mark that are not UTF-8 read as U+FFFD: damaged, the rest read.
        {"\xEF\xBB\xBF" + file("Do\xC3|1|-1|-1| 1 | 40 | 1 |end"),
         "0; txtName=Do\uFFFD; optWorking=1; cboRace=Asian; txtComments=end"},
        {withLists(" 1 ", "xyz"),
         "0; txtComments=end; Critical|Program Error|Error in module MainModule.LoadComboNew"}};
    for (const char* bad : {"abc", " 3 ", " 40000 ", " -2 ", " 1e3 ", " -40000 ", "\x01\xff"})
        rows.append({withLists(bad, " 40 "),
                     "0; cboLanguage=; cboRace=Asian; txtComments=end; "
                     "Critical|Program Error|Error in module MainModule.LoadCombo"});
    for (const Row& row : rows) {
        QStringList expected = row.expected.split("; "), boxes;
        EXPECT_EQ(read(row.bytes, *row.layout).complete, expected.takeFirst() == "1")
            << row.bytes.constData();
        for (const auto& box : prompts.boxes)
            boxes << boxText(box);
        EXPECT_TRUE(shows(s, expected.filter("=")) && expected.filter("|") == boxes)
            << row.bytes.constData() << qPrintable(boxes.join('\n'));
    }
}

// The recovery copy of unsaved answers: one whole copy or nothing.
TEST(RecoveryCopyTest, RoundTripsEveryByteAndRefusesWhatIsNotOneWholeCopy) {
    const RecoveryCopy copy{QDateTime(QDate(2024, 3, 14), QTime(18, 35, 7), Qt::UTC),
                            "Jane\r\nQ.\177Doe",
                            {{"Location.YRN", "05\r\n;\r\nend\r\nfile x 3\r\n"},
                             {"Demographic.YRN", QByteArray("\xe2\x90\xa4\r\n\x00\r", 7)},
                             {"Medical.YRN", ""}},
                            {"ctlDemographic", 2}};
    const QByteArray bytes = copy.encode();
    const std::optional<RecoveryCopy> back = RecoveryCopy::decode(bytes);
    ASSERT_TRUE(back.has_value());
    EXPECT_TRUE(back->written == copy.written && back->files == copy.files &&
                back->place == copy.place);
    EXPECT_EQ(back->name, "Jane  Q. Doe");  // one header line
    for (qsizetype cut = 0; cut < bytes.size(); ++cut)
        ASSERT_FALSE(RecoveryCopy::decode(bytes.left(cut)).has_value()) << cut;
    EXPECT_FALSE(RecoveryCopy::decode(bytes + "x").has_value());
    const auto changed = [&](const QByteArray& from, const QByteArray& to) {
        return RecoveryCopy::decode(QByteArray(bytes).replace(from, to));
    };
    // A copy written before places were kept reads without one.
    EXPECT_EQ(changed("place ctlDemographic 2\r\n", "").value_or(copy).place, RecoveryPlace{});
    const QByteArray size = "Location.YRN " + QByteArray::number(copy.files.at(0).second.size());
    const std::pair<QByteArray, QByteArray> damaged[] = {{"copy 1", "copy 2"},
                                                         {"2024-03-14T", "2024-13-14T"},
                                                         {size, "Location.YRN -1"},
                                                         {size, size + '1'},
                                                         {size, "Location.YRN x"},
                                                         {"Medical.YRN", "Location.YRN"},
                                                         {"file Medical.YRN", "file"},
                                                         {"ctlDemographic 2", "ctlDemographic x"},
                                                         {"ctlDemographic 2", "ctlDemographic"}};
    for (const auto& [from, to] : damaged)
        EXPECT_FALSE(changed(from, to).has_value()) << (from + " -> " + to).constData();
}

}  // namespace
