// The recovery copy of an interview that was not saved: when it is written and
// removed, what the next start asks and restores, and what a damaged copy, a full
// disk or a second running program do to it.
#include <sys/resource.h>
#include <sys/stat.h>
#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>
#include <csignal>

#include "app/ClientDialog.h"
#include "app/RecoveryFixture.h"

namespace yrn::test {
namespace {

const QString kQuestion = "YesNo|Interview Not Saved|An interview that was not saved was found (";
const QString kDamaged =
    "Information|Interview Not Saved|An interview that was not saved was "
    "found, but its recovery copy is damaged and cannot be restored.";

// A copy written by hand: the locator file of a client whose date is typed, cut
// off after the year (as a damaged disk could leave it), and a section file this
// program does not know.
const QByteArray kHandWritten =
    "YRN recovery copy 1\r\n"
    "written 2024-03-14T18:35:07.000Z\r\n"
    "name Jane Q. Doe\r\n"
    "file Location.YRN 23\r\n"
    "05\r\n;\r\n07\r\n;\r\n2001\r\n;\r\n\r\n"
    "file Future.YRN 3\r\n"
    "x\r\n\r\n"
    "end\r\n";

TEST_F(RecoveryTest, AnInterviewLeftByACrashComesBackWithEveryAnswerAndStaysUntilSaved) {
    start();
    EXPECT_TRUE(prompts.boxes.isEmpty()) << lastBox(prompts).toStdString();
    answerClient(interview());
    settle();
    EXPECT_TRUE(copies().isEmpty()) << "written before a page change or the interval";
    next();
    ASSERT_EQ(copies().size(), 1);
    EXPECT_EQ(recovery().writes(), 1);
    EXPECT_EQ(QFile::permissions(recoveryFolder) &
                  ~(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser |
                    QFile::WriteUser | QFile::ExeUser),
              0);
    EXPECT_EQ(QFile::permissions(recovery().copyPath()) &
                  ~(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser),
              0);
    // The copy follows the interviewer to the next page; a change after the last
    // page change is written once the interval is up.
    next();
    EXPECT_EQ(recovery().writes(), 2);
    locator().setText("txtZipCode", "62704");
    recovery().setInterval(20);
    EXPECT_TRUE(QTest::qWaitFor([&] { return recovery().writes() == 3; }));

    const QList<QStringList> typed = states();
    const QString copy = QFileInfo(recovery().copyPath()).fileName();
    crash();
    ASSERT_EQ(copies(), QStringList{copy});
    // Nothing of it lies in the program folder.
    EXPECT_EQ(entries(program), QStringList{"YRN_TEMPLATE.RTF"});

    start({true});
    ASSERT_EQ(prompts.boxes.size(), 1) << lastBox(prompts).toStdString();
    const QString question = lastBox(prompts);
    EXPECT_TRUE(question.startsWith(kQuestion + "Jane Q. Doe, ")) << question.toStdString();
    const QRegularExpression when(R"(, (\d\d/\d\d/\d{4} \d{1,2}:\d\d [AP]M)\)\. Restore it\?$)");
    const QRegularExpressionMatch match = when.match(question);
    ASSERT_TRUE(match.hasMatch()) << question.toStdString();
    EXPECT_TRUE(
        match.captured(1).startsWith(QDate::currentDate().toString("MM/dd/yyyy")) ||
        match.captured(1).startsWith(QDate::currentDate().addDays(-1).toString("MM/dd/yyyy")));
    const QList<QStringList> restored = states();
    ASSERT_EQ(restored.size(), typed.size());
    for (qsizetype i = 0; i < typed.size(); ++i)
        EXPECT_TRUE(sameLines(restored.at(i), typed.at(i))) << "pane " << i;
    // Back on the page where the interviewer was, the name in the caption. The
    // open-client dialog follows as at every start, with Cancel to keep the client
    // on screen in place of New Assessment, which would not make a new one.
    EXPECT_EQ(window->currentPane(), window->pane("LocatorInformation"));
    EXPECT_EQ(window->currentPane()->currentPage(), 2);
    EXPECT_EQ(window->checkedViewItem(), 0);
    EXPECT_TRUE(window->caption().endsWith("[Doe, Jane Q]"));
    EXPECT_TRUE(window->clientDialog().isVisible());
    EXPECT_TRUE(window->clientDialog().newButton()->isHidden());
    EXPECT_FALSE(window->clientDialog().cancelButton()->isHidden());
    window->clientDialog().cancelButton()->click();
    EXPECT_EQ(locator().text("txtLastName"), "Doe");

    // The restored answers are not saved: the copy stays, and is this program's now.
    EXPECT_EQ(copies(), QStringList{copy});
    locator().setText("txtZipCode", "62705");
    next();
    EXPECT_EQ(copies(), QStringList{copy});
    window->saveClient();
    EXPECT_TRUE(QFileInfo::exists(program + "/DoeJaneQ05-07-2001/Location.YRN"));
    EXPECT_TRUE(copies().isEmpty());
    crash();
    start();
    EXPECT_TRUE(prompts.boxes.isEmpty()) << lastBox(prompts).toStdString();
    EXPECT_TRUE(entries(recoveryFolder).isEmpty())
        << entries(recoveryFolder).join(' ').toStdString();
}

TEST_F(RecoveryTest, NoRemovesTheCopyAndKeepsTheNewClient) {
    start();
    answerClient(interview());
    next();
    crash();
    start({false});
    EXPECT_TRUE(lastBox(prompts).startsWith(kQuestion));
    EXPECT_TRUE(copies().isEmpty());
    EXPECT_EQ(locator().text("txtLastName"), "");
    EXPECT_TRUE(window->clientDialog().isVisible());
    EXPECT_FALSE(window->clientDialog().newButton()->isHidden());
    crash();
    start();
    EXPECT_TRUE(prompts.boxes.isEmpty()) << lastBox(prompts).toStdString();
}

TEST_F(RecoveryTest, SaveNewOpenAndAConfirmedExitRemoveTheCopyAFailedSaveOrRefusedExitDoNot) {
    start();
    const auto typeAndTurnPage = [&](const QString& city) {
        locator().setText("txtCity", city);
        next();
        return copies().size();
    };
    // A save that writes nothing (a name no folder may carry) keeps the copy.
    nameClient(locator(), "Do/e");
    EXPECT_EQ(typeAndTurnPage("Springfield"), 1);
    window->saveClient();
    EXPECT_EQ(prompts.last().title, "Save Error");
    EXPECT_EQ(copies().size(), 1);
    // Exit cancelled, from the menu or the window's close, keeps it.
    prompts.answerSave({Prompts::SaveChoice::Cancel, Prompts::SaveChoice::Cancel});
    window->exitItem();
    EXPECT_FALSE(window->close());
    EXPECT_EQ(copies().size(), 1);
    // New Client drops the answers, as the interviewer chose; so goes the copy.
    prompts.answerSave({Prompts::SaveChoice::DontSave});
    window->newClient();
    EXPECT_TRUE(copies().isEmpty());

    nameClient(locator());
    EXPECT_EQ(typeAndTurnPage("Springfield"), 1);
    window->saveClient();
    EXPECT_TRUE(copies().isEmpty());
    // Changed and changed back to the saved answers: no copy is needed.
    EXPECT_EQ(typeAndTurnPage("Shelbyville"), 1);
    EXPECT_EQ(typeAndTurnPage("Springfield"), 0);

    // An open that finds no section file leaves the answers and their copy; one
    // that reads a client removes it.
    EXPECT_EQ(typeAndTurnPage("Ogdenville"), 1);
    const QString empty = folder.root.filePath("empty");
    QDir().mkpath(empty);
    window->openClient();
    window->clientDialog().setCurrentFolder(empty);
    window->clientDialog().loadButton()->click();
    EXPECT_EQ(prompts.last().title, "Invalid directory");
    EXPECT_EQ(copies().size(), 1);
    window->clientDialog().setCurrentFolder(program + "/DoeJaneQ05-07-2001");
    prompts.answerSave({Prompts::SaveChoice::DontSave});
    window->clientDialog().loadButton()->click();
    EXPECT_EQ(locator().text("txtCity"), "Springfield");
    EXPECT_TRUE(copies().isEmpty());

    // The answers let go on the way out, from the menu or the window's close.
    EXPECT_EQ(typeAndTurnPage("Ogdenville"), 1);
    prompts.answerSave({Prompts::SaveChoice::DontSave});
    window->exitItem();
    EXPECT_EQ(exits, 1);
    EXPECT_TRUE(copies().isEmpty());
    start();
    EXPECT_EQ(typeAndTurnPage("Ogdenville"), 1);
    prompts.answerSave({Prompts::SaveChoice::DontSave});
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(copies().isEmpty());
    crash();
    EXPECT_TRUE(entries(recoveryFolder).isEmpty())
        << entries(recoveryFolder).join(' ').toStdString();
    // Nothing but the client folder was written beside the template.
    EXPECT_EQ(entries(program),
              QStringList({"ClientReports", "DoeJaneQ05-07-2001", "YRN_TEMPLATE.RTF"}));
    EXPECT_EQ(entries(program + "/DoeJaneQ05-07-2001").filter(".recovery"), QStringList());
}

TEST_F(RecoveryTest, ASecondProgramLeavesTheCopyOfARunningOneAlone) {
    start();
    nameClient(locator());
    next();
    const QString first = recovery().copyPath();
    ASSERT_TRUE(QFileInfo::exists(first));

    RecordingPrompts otherPrompts;
    auto second = std::make_unique<MainWindow>(otherPrompts, program, &opener);
    second->keepRecoveryCopies(recoveryFolder);
    second->startUp();
    EXPECT_TRUE(otherPrompts.boxes.isEmpty()) << lastBox(otherPrompts).toStdString();
    nameClient(*second->interview().section("ctlLocatorInformation"), "Roe");
    second->currentPane()->next();
    settle();
    EXPECT_EQ(copies().size(), 2);
    EXPECT_NE(second->recovery()->copyPath(), first);

    // The first one crashes; a third start offers its copy, not the second's.
    crash();
    start({true});
    ASSERT_EQ(prompts.boxes.size(), 1);
    EXPECT_TRUE(lastBox(prompts).startsWith(kQuestion + "Jane Q. Doe, "));
    EXPECT_EQ(recovery().copyPath(), first);
    EXPECT_EQ(second->interview().section("ctlLocatorInformation")->text("txtLastName"), "Roe");
    EXPECT_EQ(copies().size(), 2);
}

TEST_F(RecoveryTest, DamagedCopiesAreReportedAndRemovedWithoutHangingOrCrashing) {
    ASSERT_TRUE(QDir().mkpath(recoveryFolder));
    const auto put = [&](const QString& slot, const QByteArray& bytes) {
        writeFile(recoveryFolder + "/interview-" + slot + ".recovery", bytes);
    };
    RecoveryCopy whole{QDateTime::currentDateTimeUtc(), "Jane Q. Doe", {{"Location.YRN", "x"}}, {}};
    const QByteArray good = whole.encode();
    put("cut", good.left(good.size() - 3));
    put("junk", QByteArray("\x00\xff\xfe junk\r\n", 10).repeated(1000));
    put("empty", "");
    put("long",
        "YRN recovery copy 1\r\nwritten 2024-03-14T18:35:07.000Z\r\nname x\r\n"
        "file Location.YRN 99999999999\r\nx\r\nend\r\n");
    ASSERT_TRUE(QFile::link("/dev/zero", recoveryFolder + "/interview-device.recovery"));
    ASSERT_EQ(mkfifo(qPrintable(recoveryFolder + "/interview-fifo.recovery"), 0600), 0);
    // A folder of that name is not a copy and is left alone.
    ASSERT_TRUE(QDir().mkpath(recoveryFolder + "/interview-folder.recovery"));

    start();
    EXPECT_EQ(prompts.boxes.size(), 6);
    for (const RecordingPrompts::Box& box : std::as_const(prompts.boxes))
        EXPECT_EQ(kDamaged, "Information|" + box.title + '|' + box.text);
    EXPECT_EQ(entries(recoveryFolder), QStringList{"interview-folder.recovery"});
    EXPECT_EQ(locator().text("txtLastName"), "");
}

TEST_F(RecoveryTest, AHandWrittenCopyRestoresWhatItHoldsAndSaysWhatWasCutOff) {
    ASSERT_TRUE(QDir().mkpath(recoveryFolder));
    writeFile(recoveryFolder + "/interview-hand.recovery", kHandWritten);
    start({true});
    ASSERT_EQ(prompts.boxes.size(), 2) << lastBox(prompts).toStdString();
    EXPECT_EQ(prompts.boxes.first().text.section(',', 0, 0),
              "An interview that was not saved was found (Jane Q. Doe");
    EXPECT_EQ(lastBox(prompts),
              "Information|Interview Not Saved|Parts of the interview that was not saved could "
              "not be read in full: Location.YRN.\r\nEverything that could be read is on screen.");
    EXPECT_TRUE(shows(locator(), {"txtAssessmentDate1=05", "txtAssessmentDate2=07",
                                  "txtAssessmentDate3=2001", "txtTime1="}));
    EXPECT_FALSE(interview().IsLoading());
}

TEST_F(RecoveryTest, AWriteThatFailsIsReportedOnceAndTheOldCopyStaysWhole) {
    start();
    nameClient(locator());
    next();
    const QString copy = recovery().copyPath();
    const QByteArray old = readFile(copy);
    ASSERT_FALSE(old.isEmpty());

    // A nearly full disk: the next copy is longer than a file may grow.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = static_cast<rlim_t>(old.size() + 64);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    auto lift = qScopeGuard([&] {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldSignal);
    });
    locator().setText("txtLocationInformation", QString(4000, 'x'));
    next();
    EXPECT_EQ(prompts.boxes.size(), 1);
    EXPECT_TRUE(lastBox(prompts).startsWith(
        "Information|Recovery Copy Not Saved|The recovery copy of this interview could not be "
        "written in \""))
        << lastBox(prompts).toStdString();
    EXPECT_EQ(readFile(copy), old);
    // Said once, not at every page.
    locator().setText("txtCity", "Springfield");
    next();
    EXPECT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(readFile(copy), old);
    EXPECT_EQ(QDir(recoveryFolder).entryList(QDir::Files | QDir::Hidden).size(), 2)
        << "the copy and its lock, no half-written file";

    // Room again: the next page writes the copy.
    lift.dismiss();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldSignal);
    next();
    EXPECT_EQ(prompts.boxes.size(), 1);
    const auto now = RecoveryCopy::decode(readFile(copy));
    ASSERT_TRUE(now.has_value());
    EXPECT_EQ(now->files, RecoveryCopy::filesOf(interview()));

    // A file where the folder should be: the copy cannot be written and says so.
    crash();
    QDir(recoveryFolder).removeRecursively();
    writeFile(recoveryFolder, "not a folder");
    start();
    nameClient(locator());
    next();
    EXPECT_TRUE(lastBox(prompts).startsWith("Information|Recovery Copy Not Saved|"));
    EXPECT_TRUE(lastBox(prompts).contains("the folder could not be made"));
}

TEST(RecoveryCopyTest, RoundTripsEveryByteAndRefusesWhatIsNotOneWholeCopy) {
    RecoveryCopy copy{QDateTime(QDate(2024, 3, 14), QTime(18, 35, 7), Qt::UTC),
                      "Jane\r\nQ.\x7f"
                      "Doe",
                      {{"Location.YRN", "05\r\n;\r\nend\r\nfile x 3\r\n"},
                       {"Demographic.YRN", QByteArray("\xe2\x90\xa4\r\n\x00\r", 7)},
                       {"Medical.YRN", ""}},
                      {"ctlDemographic", 2}};
    const QByteArray bytes = copy.encode();
    const std::optional<RecoveryCopy> back = RecoveryCopy::decode(bytes);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->written, copy.written);
    EXPECT_EQ(back->name, "Jane  Q. Doe");  // one header line
    EXPECT_EQ(back->files, copy.files);
    EXPECT_EQ(back->place, copy.place);
    // A copy written before places were kept reads without one.
    QByteArray older = bytes;
    older.replace("place ctlDemographic 2\r\n", "");
    ASSERT_TRUE(RecoveryCopy::decode(older).has_value());
    EXPECT_EQ(RecoveryCopy::decode(older)->place, RecoveryPlace{});

    for (qsizetype cut = 0; cut < bytes.size(); ++cut)
        ASSERT_FALSE(RecoveryCopy::decode(bytes.left(cut)).has_value()) << cut;
    EXPECT_FALSE(RecoveryCopy::decode(bytes + "x").has_value());
    const auto changed = [&](const QByteArray& from, const QByteArray& to) {
        QByteArray b = bytes;
        return RecoveryCopy::decode(b.replace(from, to)).has_value();
    };
    EXPECT_FALSE(changed("copy 1", "copy 2"));
    EXPECT_FALSE(changed("2024-03-14T", "2024-13-14T"));
    const QByteArray size = "Location.YRN " + QByteArray::number(copy.files.at(0).second.size());
    EXPECT_FALSE(changed(size, "Location.YRN -1"));
    EXPECT_FALSE(changed(size, size + '1'));
    EXPECT_FALSE(changed(size, "Location.YRN x"));
    EXPECT_FALSE(changed("Medical.YRN", "Location.YRN"));  // twice
    EXPECT_FALSE(changed("file Medical.YRN", "file"));
    EXPECT_FALSE(changed("ctlDemographic 2", "ctlDemographic x"));
    EXPECT_FALSE(changed("ctlDemographic 2", "ctlDemographic"));
}

TEST(RecoveryFolderTest, LiesInTheUsersOwnDataFolder) {
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    auto restore = qScopeGuard([&] { qputenv("XDG_DATA_HOME", saved); });
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    EXPECT_EQ(Recovery::defaultFolder(),
              home.path() + '/' + QCoreApplication::applicationName() + "/recovery");
}

}  // namespace
}  // namespace yrn::test
