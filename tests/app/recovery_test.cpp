// The recovery copy: written, removed, offered, restored; damaged and untrusted
// copies and folders, a crowded folder, a full disk, a second program, and a SIGKILL
// of this test program running a DISABLED_ test.
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <cstdio>

#include "app/AppFixture.h"
#include "app/Recovery.h"
#include "base/AtomicFile.h"
#include "sections/ClientFixture.h"

namespace yrn::test {
namespace {

const QString kQuestion = "YesNo|Interview Not Saved|An interview that was not saved was found (";
const char* const kProgramVariable = "YRN_CHILD_PROGRAM";
const char* const kModeVariable = "YRN_CHILD_MODE";

class RecoveryTest : public AppTest {
  protected:
    void SetUp() override {}
    // Copies are written on page changes only, unless a test sets the interval.
    void start(const QList<bool>& answers = {}) {
        AppTest::start(answers, recoveryFolder);
        recovery().setInterval(3'600'000);
    }
    void crash() { window.reset(); }
    Recovery& recovery() { return *window->recovery(); }
    void next() {
        current()->next();
        settle();
    }
    QStringList copies() const { return entries(recoveryFolder, QDir::Files, {"*.recovery"}); }
    // The copy of slot i, as the program names it.
    QString slot(int i) const {
        return recoveryFolder + QString("/interview-%1.recovery").arg(i, 32, 16, QChar('0'));
    }
    static QByteArray whole(const QString& name) {
        return RecoveryCopy{QDateTime::currentDateTimeUtc(), name, {}, {}}.encode();
    }
    QTemporaryDir data;
    QString recoveryFolder = data.filePath("recovery");
};

// A save that finds the client saved by another program since, answered "Open
// theirs": the answers on screen go into a copy that the next start offers, and the
// other program's answers come on screen.
TEST_F(RecoveryTest, OpeningWhatAnotherProgramSavedKeepsTheAnswersOnScreenForTheNextStart) {
    start();
    typeClient();
    window->saveClient();
    RecordingPrompts otherPrompts;
    auto other = makeInterview(otherPrompts);
    ClientFolder otherFolder(*other, program);
    ASSERT_TRUE(otherFolder.openClient(window->clientFolder().clientFolderPath()).found);
    other->section("ctlLocatorInformation")->setText("txtCity", "Theirs");
    ASSERT_TRUE(otherFolder.SaveClientYRN().allWritten);
    locator().setText("txtCity", "Mine");
    prompts.clear();
    prompts.answerChoice({1});
    window->saveClient();
    EXPECT_EQ(prompts.titles(), QStringList{"Client Saved Elsewhere"});
    EXPECT_EQ(locator().text("txtCity"), "Theirs");
    ASSERT_EQ(copies().size(), 1);
    crash();
    start({true});
    EXPECT_TRUE(lastBox(prompts).startsWith(kQuestion));
    EXPECT_EQ(locator().text("txtCity"), "Mine");
}

TEST_F(RecoveryTest, AnInterviewLeftByACrashComesBackOnceAndStaysUntilSaved) {
    start();
    typeClient();
    settle();
    EXPECT_TRUE(copies().isEmpty()) << "written before a page change or the interval";
    next();
    ASSERT_EQ(copies().size(), 1);
    EXPECT_EQ(QFile::permissions(recoveryFolder) & (QFile::ReadGroup | QFile::ExeOther), 0);
    EXPECT_EQ(QFile::permissions(recovery().copyPath()) & (QFile::ReadGroup | QFile::ReadOther), 0);
    // Written at each page, and once the interval is up; steady typing does not put it off.
    next();
    EXPECT_EQ(recovery().writes(), 2);
    recovery().setInterval(50);
    const QDeadlineTimer typing(1000);
    for (int i = 0; recovery().writes() == 2 && !typing.hasExpired(); ++i) {
        locator().setText("txtZipCode", QString::number(62700 + i % 2));
        QTest::qWait(10);
    }
    EXPECT_TRUE(recovery().writes() == 3 && !typing.hasExpired());
    locator().setText("txtZipCode", "62704");
    EXPECT_TRUE(QTest::qWaitFor([&] { return recovery().writes() == 4; }));
    const QString copy = QFileInfo(recovery().copyPath()).fileName();
    crash();
    ASSERT_EQ(copies(), QStringList{copy});
    start({true});
    ASSERT_EQ(prompts.boxes.size(), 1) << lastBox(prompts).toStdString();
    const QRegularExpression question(
        QRegularExpression::escape(kQuestion) +
        R"(Jane Q\. Doe, (\d\d/\d\d/\d{4}) \d{1,2}:\d\d [AP]M\)\. Restore it\?$)");
    const QRegularExpressionMatch match = question.match(lastBox(prompts));
    ASSERT_TRUE(match.hasMatch()) << lastBox(prompts).toStdString();
    EXPECT_LE(QDate::fromString(match.captured(1), "MM/dd/yyyy").daysTo(QDate::currentDate()), 1);
    // The name in the caption; the open-client dialog offers Cancel, not New Assessment.
    EXPECT_TRUE(window->caption().endsWith("[Doe, Jane Q]"));
    EXPECT_TRUE(window->clientDialog().isVisible() &&
                window->clientDialog().newButton()->isHidden());
    window->clientDialog().cancelButton()->click();
    EXPECT_EQ(locator().text("txtLastName"), "Doe");
    // The restored answers are not saved: the copy stays, and is this program's now.
    locator().setText("txtZipCode", "62705");
    next();
    EXPECT_EQ(copies(), QStringList{copy});
    window->saveClient();
    EXPECT_TRUE(copies().isEmpty());
    start();
    EXPECT_TRUE(prompts.boxes.isEmpty()) << lastBox(prompts).toStdString();
    EXPECT_EQ(entries(recoveryFolder), QStringList{});
    // A second program leaves the copy of a running one alone.
    typeClient();
    next();
    const QString first = recovery().copyPath();
    RecordingPrompts otherPrompts;
    auto second = std::make_unique<MainWindow>(otherPrompts, program, &opener);
    second->keepRecoveryCopies(recoveryFolder);
    second->startUp();
    EXPECT_TRUE(otherPrompts.boxes.isEmpty()) << lastBox(otherPrompts).toStdString();
    nameClient(*second->interview().section("ctlLocatorInformation"), "Roe");
    second->currentPane()->next();
    settle();
    EXPECT_TRUE(copies().size() == 2 && second->recovery()->copyPath() != first);
    // The first one crashes: a third start offers its copy, not the second's.
    start({true});
    ASSERT_EQ(prompts.boxes.size(), 1);
    EXPECT_TRUE(lastBox(prompts).startsWith(kQuestion + "Jane Q. Doe, "));
    EXPECT_TRUE(recovery().copyPath() == first && copies().size() == 2);
    // No removes the copy offered and keeps the new client.
    start({false});
    EXPECT_TRUE(lastBox(prompts).startsWith(kQuestion));
    EXPECT_TRUE(copies().size() == 1 && locator().text("txtLastName").isEmpty());
    EXPECT_FALSE(window->clientDialog().newButton()->isHidden());
}

TEST_F(RecoveryTest, DamagedCopiesAreReportedAndAFailedSaveOpenOrWriteKeepsTheCopyWhole) {
    ASSERT_TRUE(makeFolder(recoveryFolder));
    // What may hang or crash a start: junk, a size past the end, a name of 8 MB.
    const QByteArray head = "YRN recovery copy 1\r\nwritten 2024-03-14T18:35:07.000Z\r\nname ";
    writeFile(slot(1), QByteArray("\x00\xff\xfe junk\r\n", 10).repeated(1000));
    writeFile(slot(2), head + "x\r\nfile Location.YRN 99999999999\r\nx\r\nend\r\n");
    writeFile(slot(3), head + QByteArray(8'000'000, 'N') + "\r\nend\r\n");
    // Not the program's, so passed over and left: a link (to a device), a pipe, a
    // copy of another user (where root runs the test), a second name of a copy, a folder.
    ASSERT_TRUE(QFile::link("/dev/zero", slot(4)));
    ASSERT_EQ(mkfifo(qPrintable(slot(5)), 0600), 0);
    writeFile(slot(6), whole("Theirs"));
    ASSERT_EQ(geteuid() ? unlink(qPrintable(slot(6))) : chown(qPrintable(slot(6)), 4242, 4242), 0);
    writeFile(slot(7), whole("Twice"));
    ASSERT_EQ(link(qPrintable(slot(7)), qPrintable(recoveryFolder + "/second")), 0);
    ASSERT_TRUE(QDir().mkpath(slot(8)));
    const QStringList theirs = entries(recoveryFolder).mid(3);
    start();
    EXPECT_EQ(prompts.titles(), QStringList(3, "Interview Not Saved"));
    EXPECT_EQ(entries(recoveryFolder), theirs);
    for (const QString& name : theirs)  // all but the folder
        QFile::remove(recoveryFolder + '/' + name);
    // A copy cut off in its locator file, with an unknown file: what it holds comes back.
    crash();
    writeFile(slot(10), head +
                            "\r\nfile Location.YRN 23\r\n05\r\n;\r\n07\r\n;\r\n2001\r\n;\r\n\r\n"
                            "file Future.YRN 3\r\nx\r\n\r\nend\r\n");
    start({true});
    EXPECT_TRUE(prompts.boxes.first().text.startsWith(
        "An interview that was not saved was found (no name entered, "));
    EXPECT_TRUE(lastBox(prompts).contains("could not be read in full: Location.YRN.\r\n"));
    EXPECT_EQ(prompts.boxes.size(), 2);
    EXPECT_TRUE(
        shows(locator(), {"txtAssessmentDate1=05", "txtAssessmentDate3=2001", "txtTime1="}));
    EXPECT_FALSE(window->interview().IsLoading());
    // What keeps the copy, or needs none.
    const auto typeAndTurnPage = [&](const QString& city) {
        locator().setText("txtCity", city);
        next();
        return copies().size();
    };
    // A save that writes nothing (a name no folder may carry) keeps the copy.
    typeClient("Do/e");
    EXPECT_EQ(typeAndTurnPage("Springfield"), 1);
    window->saveClient();
    EXPECT_TRUE(prompts.last().title == "Save Error" && copies().size() == 1);
    typeClient();
    window->saveClient();
    EXPECT_TRUE(copies().isEmpty());
    // Changed and changed back to the saved answers: no copy is needed.
    EXPECT_EQ(typeAndTurnPage("Shelbyville"), 1);
    EXPECT_EQ(typeAndTurnPage("Springfield"), 0);
    // An open that finds no section file leaves the answers and their copy.
    EXPECT_EQ(typeAndTurnPage("Ogdenville"), 1);
    QDir().mkpath(folder.root.filePath("empty"));
    window->openClient();
    load(folder.root.filePath("empty"));
    EXPECT_EQ(prompts.last().title, "Invalid directory");
    EXPECT_TRUE(window->clientDialog().isVisible() && copies().size() == 1);
    window->clientDialog().cancelButton()->click();
    prompts.clear();
    const QString copy = recovery().copyPath();
    const QByteArray old = readFile(copy);
    ASSERT_FALSE(old.isEmpty());
    // A nearly full disk: the next copy is longer than a file may grow.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    const auto limit = [&](rlim_t bytes) {
        const rlimit small{.rlim_cur = bytes, .rlim_max = saved.rlim_max};
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    };
    const auto room = [&] { limit(saved.rlim_cur); };
    const auto lift = qScopeGuard([&] {
        room();
        std::signal(SIGXFSZ, oldSignal);
    });
    limit(old.size() + 64);
    const QString tooLarge = QString::fromLocal8Bit(std::strerror(EFBIG)) + ".]";
    const QString notSaved =
        "Information|Recovery Copy Not Saved|The recovery copy of this "
        "interview could not be written in \"" +
        recoveryFolder + '"';
    locator().setText("txtLocationInformation", QString(4000, 'x'));
    next();
    EXPECT_TRUE(lastBox(prompts).startsWith(notSaved + ".\r\n") &&
                lastBox(prompts).endsWith("[Cannot write \"" + copy + "\": " + tooLarge));
    // Said once, not at every page; no half-written file beside the copy and its lock.
    locator().setText("txtCity", "Springfield");
    next();
    EXPECT_EQ(readFile(copy), old);
    // The copy, its lock and the folder named as a copy.
    EXPECT_TRUE(prompts.boxes.size() == 1 && entries(recoveryFolder).size() == 3);
    room();
    next();
    const auto now = RecoveryCopy::decode(readFile(copy));
    EXPECT_TRUE(prompts.boxes.size() == 1 && now &&
                now->files == RecoveryCopy::filesOf(window->interview()));
    // A full disk before the first copy: its lock cannot be made.
    crash();
    QDir(recoveryFolder).removeRecursively();
    start();
    typeClient();
    limit(8);
    next();
    room();
    EXPECT_TRUE(lastBox(prompts).startsWith(notSaved + ": its lock could not be taken.\r\n") &&
                lastBox(prompts).endsWith(".lock\": " + tooLarge))
        << lastBox(prompts).toStdString();
}

// Copies are trusted only in a folder of the user's own that nobody else may reach;
// none is written into another user's folder or through a link either.
TEST_F(RecoveryTest, AFolderOthersMayReachOrNotTheUsersOwnOffersNothing) {
    // Why the folder is not looked in; why no copy is written into it ("" when one is).
    const std::tuple<QString, mode_t, uid_t, QString> rows[] = {
        {"others may reach it", 0750, -1, ""},
        {"others may reach it", 0701, -1, ""},
        {"it belongs to another user", 0700, 4242, "it belongs to another user"},
        {"it is a link", 0700, -1, "the folder could not be made"},
    };
    for (int row = 0; row < 4; ++row) {
        const auto& [why, mode, owner, cause] = rows[row];
        if (owner != uid_t(-1) && geteuid() != 0) continue;  // only root gives files away
        recoveryFolder = data.filePath(QString::number(row));
        ASSERT_TRUE(makeFolder(recoveryFolder));
        writeFile(slot(1), whole("Doe"));
        const QByteArray path = QFile::encodeName(recoveryFolder), real = path + "-real";
        ASSERT_EQ(chmod(path, mode) + chown(path, owner, -1), 0);
        ASSERT_EQ(row == 3 ? rename(path, real) + symlink(real, path) : 0, 0);  // a link
        start();
        const QString folderName = '"' + recoveryFolder + "\": ";
        EXPECT_TRUE(prompts.boxes.size() == 1 && prompts.last().title == "Interview Not Saved" &&
                    lastBox(prompts).contains("not looked for in " + folderName + why))
            << lastBox(prompts).toStdString();
        typeClient();
        next();
        EXPECT_TRUE(QFileInfo::exists(slot(1)) &&
                    (cause.isEmpty() ||
                     lastBox(prompts).contains("written in " + folderName + cause + ".\r\n")))
            << row << lastBox(prompts).toStdString();
    }
}

// However crowded the folder, a start offers the newest few copies and leaves the
// others for later starts; long names are cut when written and elided when shown.
TEST_F(RecoveryTest, ACrowdedFolderOffersOnlyTheNewestFewCopies) {
    ASSERT_TRUE(makeFolder(recoveryFolder));
    for (int i = 100; i < 20'100; ++i)
        writeFile(i % 2 ? slot(i) : slot(i) + '~', "");  // damaged copies, other names
    QTest::qWait(50);                                    // then three newer copies
    for (int i = 30'000; i < 30'003; ++i)
        writeFile(slot(i), whole(QString(2000, 'N')));
    // Copies that kills left under a temporary name: the old ones go, a young one
    // (another program's, being written) stays.
    for (const QString name : {"old", "older", "young"}) {
        writeFile(recoveryFolder + "/.yrn-tmp-" + name, whole(name));
        ASSERT_TRUE(name == "young" ||
                    makeOlder(recoveryFolder + "/.yrn-tmp-" + name, kAbandonedAfterSeconds + 1));
    }
    start({false, false, false});
    EXPECT_EQ(entries(recoveryFolder, QDir::Files, {".yrn-tmp-*"}), QStringList{".yrn-tmp-young"});
    ASSERT_EQ(prompts.boxes.size(), Recovery::kMostOffered);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(prompts.boxes.at(i).text.contains(QString(99, 'N') + QChar(0x2026) + ", "));
    EXPECT_TRUE(lastBox(prompts).contains("damaged"));
    EXPECT_EQ(copies().size(), 10'003 - Recovery::kMostOffered);
}

void say(const QByteArray& line) {
    std::fputs((line + '\n').constData(), stdout);
    std::fflush(stdout);
}

// The killed child: it answers a client and waits, or writes copies without pause.
TEST(RecoveryChild, DISABLED_RunsUntilKilled) {
    if (qEnvironmentVariableIsEmpty(kProgramVariable)) GTEST_SKIP() << "started by the kill test";
    RecordingPrompts prompts;
    RecordingOpener opener;
    MainWindow window(prompts, qEnvironmentVariable(kProgramVariable), &opener);
    window.setExitHandler([] {});
    window.keepRecoveryCopies(Recovery::defaultFolder());
    window.startUp();
    window.clientDialog().newButton()->click();
    Section& locator = *window.interview().section("ctlLocatorInformation");
    if (qEnvironmentVariable(kModeVariable) == "write") {
        nameClient(locator);
        for (int i = 0;; ++i) {
            // Long enough that a write takes a while, so that kills land inside writes.
            locator.setText("txtLocationInformation", QString(20000, QChar('a' + i % 26)));
            locator.setText("txtCity", "City " + QString::number(i));
            window.recovery()->checkpoint();
            if (i == 0) say("WRITING");
        }
    }
    // Answers on the locator and demographic panes: a working client with a court site, a
    // two-line comment, letters beyond Windows-1252, blanks at the ends of a text.
    answerDemographic(locator, *window.interview().section("ctlDemographic"));
    locator.setText("txtCity", " Springfield ");
    locator.setText("txtInterviewer", "-1");
    locator.setPosition("cboSite", 2);
    locator.choose("optWorking", 1);
    locator.setText("txtWorkPlace", "Łódź Café");
    locator.setText("txtLocationInformation", "Met at court.\r\nCalm, asked for water.");
    for (int page = 0; page < 5; ++page)
        window.currentPane()->next();
    // Answered after the last page change: written within three seconds.
    window.interview().section("ctlDemographic")->choose("optSex", 0);
    QTest::qWait(3000);
    const auto copy = RecoveryCopy::decode(readFile(window.recovery()->copyPath()));
    ASSERT_TRUE(copy && copy->files == RecoveryCopy::filesOf(window.interview()));
    say("PLACE:" + window.currentPane()->section().info().module.toUtf8() + ' ' +
        QByteArray::number(window.currentPane()->currentPage()));
    for (const Section* section : window.interview().sections())
        say("STATE:" + stateOf(*section).join('\n').toUtf8().toBase64());
    say("READY");
    for (;;)
        QTest::qWait(1000);
}

class RecoveryKillTest : public RecoveryTest {
  protected:
    void SetUp() override {
        savedHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", data.path().toUtf8());
        recoveryFolder = Recovery::defaultFolder();
        ASSERT_TRUE(recoveryFolder.startsWith(data.path() + '/'));
    }
    void TearDown() override {
        RecoveryTest::TearDown();
        qputenv("XDG_DATA_HOME", savedHome);
    }
    // Starts the child in a mode and kills it once it said `ready`; false if never.
    bool runAndKill(const QString& mode, const QByteArray& ready, int waitMs = 0) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(kProgramVariable, program);
        env.insert(kModeVariable, mode);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_also_run_disabled_tests",
                     "--gtest_filter=RecoveryChild.DISABLED_RunsUntilKilled"});
        const QDeadlineTimer deadline(60000);
        bool readied = false;
        while (!readied && !deadline.hasExpired() && child.state() != QProcess::NotRunning) {
            child.waitForReadyRead(200);
            while (!readied && child.canReadLine()) {
                const QByteArray line = child.readLine().trimmed();
                if (line.startsWith("STATE:"))
                    said << QString::fromUtf8(QByteArray::fromBase64(line.mid(6)));
                if (line.startsWith("PLACE:")) place = line.mid(6);
                readied = line == ready;
            }
        }
        QTest::qWait(waitMs);
        child.kill();  // SIGKILL: no handler, no clean-up
        EXPECT_TRUE(child.waitForFinished(10000) && child.exitStatus() == QProcess::CrashExit);
        EXPECT_TRUE(readied)
            << (child.readAllStandardOutput() + child.readAllStandardError()).toStdString();
        return readied;
    }
    QByteArray savedHome;
    QStringList said;
    QByteArray place;
};

TEST_F(RecoveryKillTest, AKilledProgramsInterviewComesBackWholeWhereverTheKillLands) {
    ASSERT_TRUE(runAndKill("answer", "READY"));
    ASSERT_EQ(copies().size(), 1);
    EXPECT_EQ(entries(program), QStringList{"YRN_TEMPLATE.RTF"});
    start({true});
    ASSERT_EQ(prompts.boxes.size(), 1) << lastBox(prompts).toStdString();
    EXPECT_TRUE(lastBox(prompts).startsWith(kQuestion + "Jane Q. Doe, "));
    QStringList states;
    for (const Section* section : window->interview().sections())
        states << stateOf(*section).join('\n');
    EXPECT_EQ(states, said);
    EXPECT_TRUE(place == "ctlDemographic 0" && where() == "Demographic:0");  // where it was
    window->saveClient();
    crash();
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(runAndKill("write", "WRITING", 50 + QRandomGenerator::global()->bounded(300)));
        // The copy and the dead program's lock; no half-written file beside them. A kill
        // between naming a whole copy and renaming it leaves it under its temporary name.
        const QStringList left = entries(recoveryFolder);
        for (const QString& name : left.filter(QRegularExpression(R"(^\.yrn-tmp-\w+$)")))
            EXPECT_TRUE(readFile(recoveryFolder + "/" + name).endsWith("end\r\n"));
        EXPECT_EQ(
            left.filter(QRegularExpression(R"(^(interview-\w+\.(recovery|lock)|\.yrn-tmp-\w+)$)")),
            left);
        start({true});
        ASSERT_EQ(prompts.boxes.size(), 1) << lastBox(prompts).toStdString();
        EXPECT_TRUE(locator().text("txtCity").startsWith("City "));
        const QString comment = locator().text("txtLocationInformation");
        EXPECT_EQ(comment, QString(20000, comment.at(0)));  // one whole write
        window->saveClient();  // so that the next round starts without a copy
        crash();
        EXPECT_TRUE(copies().isEmpty());
    }
}

}  // namespace
}  // namespace yrn::test
