// A program that types a client and is killed (SIGKILL, as a crash or a power cut
// ends it) leaves a copy from which the next start restores every answer; a kill
// in the middle of writing the copy leaves a whole one.
//
// The child is this test program again, running one of the DISABLED_ tests below
// with the folders it is given; it keeps its copy where the program keeps it, in
// the application data folder, here under a temporary XDG_DATA_HOME.
#include <QButtonGroup>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>
#include <cstdio>

#include "app/ClientDialog.h"
#include "app/FieldBinder.h"
#include "app/RecoveryFixture.h"

namespace yrn::test {
namespace {

const char* const kProgramVariable = "YRN_CHILD_PROGRAM";

// The program a child starts: a new client on screen, copies under the data folder
// of its environment, written as the program writes them.
std::unique_ptr<MainWindow> startChild(RecordingPrompts& prompts, RecordingOpener& opener) {
    auto window =
        std::make_unique<MainWindow>(prompts, qEnvironmentVariable(kProgramVariable), &opener);
    window->setExitHandler([] {});
    window->keepRecoveryCopies(Recovery::defaultFolder());
    window->startUp();
    QTest::mouseClick(window->clientDialog().newButton(), Qt::LeftButton);
    window->activateWindow();
    QApplication::setActiveWindow(window.get());
    return window;
}

void say(const QByteArray& line) {
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stdout);
    std::fputs("\n", stdout);
    std::fflush(stdout);
}

// Types a client as a person does, page by page: into the boxes, clicking option
// buttons and choosing from lists with the keyboard, pressing Next.
class Typist {
  public:
    explicit Typist(MainWindow& window) : window_(window) {}

    void type(const QString& id, const QString& text) {
        QWidget* box = window_.findChild<QWidget*>(id);
        ASSERT_TRUE(box && box->isVisible()) << qPrintable(id);
        QTest::mouseClick(box, Qt::LeftButton);
        settle();
        if (auto* multi = qobject_cast<QPlainTextEdit*>(box)) {
            const QStringList lines = text.split('\n');
            for (qsizetype i = 0; i < lines.size(); ++i) {
                if (i > 0) QTest::keyClick(multi, Qt::Key_Return);
                QTest::keyClicks(multi, lines.at(i));
            }
        } else {
            QTest::keyClicks(box, text);
        }
        settle();
    }
    void click(const QString& id, int button) {
        PaneView* pane = window_.currentPane();
        ASSERT_NE(pane, nullptr);
        const QList<QRadioButton*> buttons = pane->binder().optionButtons(id);
        ASSERT_GT(buttons.size(), button) << qPrintable(id);
        QTest::mouseClick(buttons.at(button), Qt::LeftButton);
        settle();
    }
    void choose(const QString& id, int downs) {
        auto* list = window_.findChild<QComboBox*>(id);
        ASSERT_TRUE(list && list->isVisible()) << qPrintable(id);
        list->setFocus();
        for (int i = 0; i < downs; ++i)
            QTest::keyClick(list, Qt::Key_Down);
        settle();
    }
    void next() {
        window_.currentPane()->next();
        settle();
    }
    static void settle() {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

  private:
    MainWindow& window_;
};

void typeClient(MainWindow& window) {
    Typist t(window);
    t.type("txtAssessmentDate1", "05");
    t.type("txtAssessmentDate2", "07");
    t.type("txtAssessmentDate3", "2001");
    t.type("txtTime1", "10");
    t.type("txtTime2", "30");
    t.click("optAMPM", 0);
    t.type("txtInterviewer", "Pat Smith");
    t.choose("cboSite", 2);
    t.type("txtLastName", "Doe");
    t.type("txtFirstName", "Jane");
    t.type("txtMI", "Q");
    t.type("txtStreetAddress", "1 Main St");
    t.type("txtCity", "Springfield");
    t.type("txtZipCode", "62704");
    t.type("txtCurrAddressLen", "3");
    t.click("optOwnRes", 1);
    t.next();
    t.type("txtPhone", "555-0100");
    t.click("optWorking", 1);
    t.next();
    t.type("txtWorkPlace", "Acme Mill");
    t.next();
    t.next();
    t.type("txtLocationInformation", "Met at court.\nCalm, asked for water.");
    t.next();
    // The demographic pane: answered after the last page change, so only the
    // interval writes these.
    t.type("txtBDateMonth", "03");
    t.type("txtBDateDay", "09");
    t.type("txtBDateYear", "1970");
    t.click("optSex", 1);
    t.choose("cboLanguage", 3);
}

// The copy on disk holds the answers on screen.
bool copyIsCurrent(MainWindow& window) {
    const std::optional<RecoveryCopy> copy =
        RecoveryCopy::decode(readFile(window.recovery()->copyPath()));
    return copy && copy->files == RecoveryCopy::filesOf(window.interview());
}

TEST(RecoveryChild, DISABLED_TypesAClientAndWaitsToBeKilled) {
    if (qEnvironmentVariableIsEmpty(kProgramVariable)) GTEST_SKIP() << "started by the kill test";
    RecordingPrompts prompts;
    RecordingOpener opener;
    std::unique_ptr<MainWindow> window = startChild(prompts, opener);
    typeClient(*window);
    // The last answers were typed after the last page change: a copy holds them
    // within the three seconds an interviewer takes to look up.
    QTest::qWait(3000);
    ASSERT_TRUE(copyIsCurrent(*window));
    // What the person sees and where, for the parent to compare with what comes back.
    say("PLACE:" + window->currentPane()->section().info().module.toUtf8() + ' ' +
        QByteArray::number(window->currentPane()->currentPage()));
    for (const Section* section : window->interview().sections()) {
        QByteArrayList lines;
        for (const QString& line : stateOf(*section))
            lines << line.toUtf8().toBase64();
        say("STATE:" + lines.join(','));
    }
    say("READY");
    for (;;)
        QTest::qWait(1000);
}

TEST(RecoveryChild, DISABLED_WritesWithoutPauseUntilKilled) {
    if (qEnvironmentVariableIsEmpty(kProgramVariable)) GTEST_SKIP() << "started by the kill test";
    RecordingPrompts prompts;
    RecordingOpener opener;
    std::unique_ptr<MainWindow> window = startChild(prompts, opener);
    Section& locator = *window->interview().section("ctlLocatorInformation");
    nameClient(locator);
    for (int i = 0;; ++i) {
        // Long enough that a write takes a while, so that kills land inside writes.
        locator.setText("txtLocationInformation", QString(20000, QChar('a' + i % 26)));
        locator.setText("txtCity", "City " + QString::number(i));
        window->recovery()->checkpoint();
        if (i == 0) say("WRITING");
    }
}

class RecoveryKillTest : public RecoveryTest {
  protected:
    // The program's own folder for copies, under the test's data folder.
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
    // Starts this program as a child running the named test; true once it said `ready`.
    bool startChildTest(QProcess& child, const QString& test, const QByteArray& ready) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(kProgramVariable, program);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::SeparateChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_also_run_disabled_tests", "--gtest_filter=RecoveryChild." + test});
        if (!child.waitForStarted(10000)) return false;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 60000) {
            while (child.canReadLine()) {
                const QByteArray line = child.readLine().trimmed();
                if (line.startsWith("STATE:")) said << line.mid(6);
                if (line.startsWith("PLACE:")) place = line.mid(6);
                if (line == ready) return true;
            }
            if (child.state() != QProcess::Running) return false;
            child.waitForReadyRead(200);
        }
        return false;
    }
    void kill(QProcess& child) {
        child.kill();  // SIGKILL: no handler, no clean-up
        ASSERT_TRUE(child.waitForFinished(10000));
        EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);
    }
    QString childFailure(QProcess& child) {
        return QString::fromUtf8(child.readAllStandardOutput() + child.readAllStandardError());
    }

    QByteArray savedHome;
    QList<QByteArray> said;
    QByteArray place;
};

TEST_F(RecoveryKillTest, AKilledProgramsInterviewComesBackWithEveryAnswer) {
    QProcess child;
    ASSERT_TRUE(startChildTest(child, "DISABLED_TypesAClientAndWaitsToBeKilled", "READY"))
        << childFailure(child).toStdString();
    kill(child);
    ASSERT_EQ(said.size(), 8);
    ASSERT_EQ(copies().size(), 1);
    EXPECT_EQ(entries(program), QStringList{"YRN_TEMPLATE.RTF"});

    start({true});
    ASSERT_EQ(prompts.boxes.size(), 1) << lastBox(prompts).toStdString();
    EXPECT_TRUE(
        lastBox(prompts).startsWith("YesNo|Interview Not Saved|An interview that was not saved "
                                    "was found (Jane Q. Doe, "));
    const QList<Section*> sections = interview().sections();
    for (qsizetype i = 0; i < sections.size(); ++i) {
        QStringList typed;
        for (const QByteArray& line : said.at(i).split(','))
            if (!line.isEmpty()) typed << QString::fromUtf8(QByteArray::fromBase64(line));
        EXPECT_TRUE(sameLines(stateOf(*sections.at(i)), typed))
            << qPrintable(sections.at(i)->info().module);
    }
    EXPECT_TRUE(
        shows(locator(), {"txtLastName=Doe", "txtWorkPlace=Acme Mill",
                          "txtLocationInformation=Met at court.\r\nCalm, asked for water."}));
    EXPECT_TRUE(shows(section("ctlDemographic"), {"txtBDateYear=1970", "optSex=1"}));
    // Back where the interviewer was.
    EXPECT_EQ(place, "ctlDemographic 0");
    EXPECT_EQ(window->currentPane()->section().info().module.toUtf8() + ' ' +
                  QByteArray::number(window->currentPane()->currentPage()),
              place);
}

TEST_F(RecoveryKillTest, AKillInTheMiddleOfWritingLeavesAWholeCopy) {
    for (int round = 0; round < 3; ++round) {
        QProcess child;
        ASSERT_TRUE(startChildTest(child, "DISABLED_WritesWithoutPauseUntilKilled", "WRITING"))
            << childFailure(child).toStdString();
        QTest::qWait(50 + QRandomGenerator::global()->bounded(300));
        kill(child);
        // The copy and the dead program's lock; no half-written file beside them.
        const QStringList left = entries(recoveryFolder);
        EXPECT_EQ(left.filter(QRegularExpression(R"(^interview-\w+\.(recovery|lock)$)")), left);

        start({true});
        ASSERT_EQ(prompts.boxes.size(), 1) << lastBox(prompts).toStdString();
        EXPECT_TRUE(lastBox(prompts).startsWith("YesNo|")) << lastBox(prompts).toStdString();
        EXPECT_TRUE(locator().text("txtCity").startsWith("City "));
        const QString comment = locator().text("txtLocationInformation");
        EXPECT_EQ(comment.size(), 20000);
        EXPECT_EQ(comment.count(comment.at(0)), 20000);
        // Saved, so that the next round starts without a copy.
        window->saveClient();
        crash();
        EXPECT_TRUE(copies().isEmpty());
    }
}

}  // namespace
}  // namespace yrn::test
