// The main window: start-up, walking the whole interview, the View menu, the
// exit question, the help menu and the paths where the name or date is missing.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "AppFixture.h"
#include "app/ClientDialog.h"
#include "app/HelpMenu.h"
#include "app/Splash.h"

namespace yrn::test {
namespace {

const QString kTitle = "Halverin Drug Court YRN -- ";

class MainWindowTest : public AppTest {
  protected:
    // Exactly one pane and one page of it are on screen, with a View check mark.
    ::testing::AssertionResult onePageOnScreen() {
        const QList<PaneView*> panes = window->visiblePanes();
        const int checked = window->checkedViewItem();
        if (panes.size() == 1 && panes.first()->visiblePages().size() == 1 && checked >= 0 &&
            checked <= 8)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << panes.size() << " panes, View item " << checked;
    }
    // Clicks the Next or Back button of the page on screen, as a person would.
    void clickPageButton(bool next) {
        const Page* page = current()->section().page(currentPage());
        ASSERT_NE(page, nullptr);
        QPushButton* button = current()->button(next ? page->nextButton : page->backButton);
        ASSERT_TRUE(button && button->isVisible()) << where().toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
    }
};

TEST_F(MainWindowTest, StartsOnTheLocatorWithTheDialogAndTheMenus) {
    EXPECT_EQ(where(), "LocatorInformation:0");
    EXPECT_EQ(window->checkedViewItem(), 0);
    EXPECT_EQ(window->caption(), kTitle + "Locator Information ");
    EXPECT_TRUE(window->isEnabled());
    EXPECT_FALSE(window->interview().IsLoading());
    EXPECT_TRUE(prompts.boxes.isEmpty());

    ClientDialog& dialog = window->clientDialog();
    EXPECT_TRUE(dialog.isVisible() && dialog.loadButton()->isVisible() &&
                dialog.newButton()->isVisible() && dialog.cancelButton()->isHidden());
    EXPECT_EQ(QDir(dialog.currentFolder()), QDir(program));
    QStringList texts{dialog.windowTitle(), dialog.loadButton()->text(),
                      dialog.newButton()->text()};
    for (QMenu* menu : window->menus())
        texts << menu->title();
    for (QAction* action : {window->viewAction(3), window->viewAction(8), window->helpAction(0),
                            window->helpAction(9), window->fileAction("mnuOpenClient"),
                            window->fileAction("mnuClientExit")})
        texts << action->text();
    EXPECT_EQ(
        texts,
        (QStringList{"QMT-YRN Client Assessments", "&Load Assessment", "&New Assessment", "&File",
                     "&View", "&Help", "&Education &&Employment ", "&Interview Ratings",
                     "&YRN Introduction", "&Saving Information", "&Open Client ...", "E&xit"}));
    EXPECT_FALSE(window->viewAction(9)->isCheckable());
}

TEST_F(MainWindowTest, EveryResizeLaysThePagesOutFromTheWindowSize) {
    window->showNormal();
    window->resize(700, 500);
    QApplication::processEvents();
    const double height = window->MainHeight();
    const double width = window->MainWidth();
    for (PaneView* pane : window->panes()) {
        EXPECT_DOUBLE_EQ(pane->pageTwips().height, height - twips::nearest(height * 0.065));
        EXPECT_DOUBLE_EQ(pane->pageTwips().width, width - twips::nearest(width * 0.009));
    }
    // A page never reaches past its pane, so its buttons stay on screen.
    EXPECT_LE(current()->pageWidget(0)->geometry().bottom(), current()->height());
    // The next Start lays the pane and its pages out from the work area again.
    window->view(1);
    const twips::Rect work = window->workArea();
    EXPECT_DOUBLE_EQ(current()->pageTwips().height,
                     work.height - twips::nearest(work.height * 0.04));
    EXPECT_DOUBLE_EQ(current()->paneTwips().height, work.height + 10000);
}

TEST_F(MainWindowTest, NextAndBackWalkTheWholeInterviewAndBack) {
    QStringList forward;
    for (int step = 0; step < 80 && !forward.contains("MentalHealth:5"); ++step) {
        ASSERT_TRUE(onePageOnScreen()) << "at " << where().toStdString();
        forward << where();
        if (!forward.contains("MentalHealth:5")) clickPageButton(true);
    }
    // Every pane is entered at its first page; employment starts at page 1 and
    // the drug pane never shows its comment page or pages 3 and 4.
    for (const char* start :
         {"LocatorInformation:0", "Demographic:0", "Medical:0", "Employment:1", "Drugs:0",
          "CriminalJustice:0", "FamilySocialHistory:0", "MentalHealth:0"})
        EXPECT_TRUE(forward.contains(QString(start))) << start;
    EXPECT_FALSE(forward.contains("Drugs:2"));
    EXPECT_FALSE(forward.contains("Employment:0"));
    EXPECT_EQ(forward.indexOf("Drugs:5"), forward.indexOf("Drugs:1") + 1);
    EXPECT_EQ(forward.last(), "MentalHealth:5");
    EXPECT_EQ(window->caption(), kTitle + "Interviewer Ratings");

    QStringList backward{where()};
    for (int step = 0; step < 80 && backward.first() != "LocatorInformation:0"; ++step) {
        clickPageButton(false);
        ASSERT_TRUE(onePageOnScreen()) << "at " << where().toStdString();
        backward.prepend(where());
    }
    EXPECT_EQ(backward, forward);
    EXPECT_EQ(window->caption(), kTitle + "Locator Information ");
    EXPECT_EQ(window->checkedViewItem(), 0);
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

TEST_F(MainWindowTest, ViewMenuShowsEverySectionAndTheRatingsPage) {
    typeClient();
    const QStringList panes{"LocatorInformation",  "Demographic", "Medical",
                            "Employment",          "Drugs",       "CriminalJustice",
                            "FamilySocialHistory", "MentalHealth"};
    for (int item = 7; item >= 0; --item) {
        window->viewAction(item)->trigger();
        ASSERT_TRUE(onePageOnScreen());
        EXPECT_EQ(currentName(), panes.at(item));
        EXPECT_EQ(currentPage(), current()->section().firstPage());
        EXPECT_EQ(window->checkedViewItem(), item);
        EXPECT_EQ(window->caption(), current()->section().info().caption + "  [Doe, Jane Q]");
    }
    window->viewAction(0)->trigger();  // the item already ticked stays ticked
    EXPECT_EQ(window->checkedViewItem(), 0);
    window->viewAction(8)->trigger();
    ASSERT_TRUE(onePageOnScreen());
    EXPECT_EQ(where(), "MentalHealth:4");
    EXPECT_EQ(window->checkedViewItem(), 8);
    EXPECT_EQ(window->caption(), kTitle + "Interviewer Ratings  [Doe, Jane Q]");

    // Back from the ratings page restores the mental health caption and item 7,
    // and Next from page 3 enters it again.
    current()->back();
    EXPECT_EQ(currentPage(), 3);
    EXPECT_EQ(window->checkedViewItem(), 7);
    EXPECT_EQ(window->caption(), kTitle + "Mental Health Information   [Doe, Jane Q]");
    current()->next();
    EXPECT_EQ(window->checkedViewItem(), 8);
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

TEST_F(MainWindowTest, TheExitQuestionGuardsBothWaysOut) {
    window->view(5);
    current()->next();
    const QString page = where();

    prompts.answer({false, false});
    EXPECT_FALSE(window->close());
    EXPECT_EQ(lastBox(prompts), "YesNo|Exit YRN|Do you really wish to end this session?");
    window->fileAction("mnuClientExit")->trigger();
    EXPECT_EQ(prompts.titles(), (QStringList{"Exit YRN", "Exit YRN"}));
    EXPECT_EQ(exits, 0);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(where(), page);

    prompts.answer({true});
    window->fileAction("mnuClientExit")->trigger();
    EXPECT_EQ(exits, 1);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->clientDialog().isVisible());
}

TEST_F(MainWindowTest, ClosingTheWindowWithYesEndsTheProgram) {
    prompts.answer({true});
    EXPECT_TRUE(window->close());
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(prompts.titles(), QStringList{"Exit YRN"});
    EXPECT_FALSE(window->clientDialog().isVisible());
}

TEST_F(MainWindowTest, HelpItemsOpenTheirDocumentsAndReportMissingOnes) {
    window->view(2);
    for (int item = 0; item < 10; ++item)
        window->helpAction(item)->trigger();
    ASSERT_EQ(opener.opened.size(), 10);
    const QString help = program + "/YRN Help Files/";
    EXPECT_EQ(opener.opened.first(), help + "YRN Introduction.doc");
    EXPECT_EQ(opener.opened.at(6), help + "YRN Criminal History.doc");
    EXPECT_EQ(opener.opened.last(), help + "YRN Saving Information.doc");
    // Nine boxes: the saving document keeps quiet.
    ASSERT_EQ(prompts.boxes.size(), 9);
    for (const RecordingPrompts::Box& box : prompts.boxes)
        EXPECT_EQ(box.title + '|' + box.text,
                  "Help File Not Found or Unavailable|Unable to open this help file!");
    EXPECT_EQ(where(), "Medical:0");

    // The shipped documents are all there under the names the menu opens.
    prompts.clear();
    const QDir shipped(QStringLiteral(YRN_SOURCE_DIR) + "/resources/YRN Help Files");
    QDir().mkpath(help);
    for (const HelpItem& item : helpItems()) {
        EXPECT_TRUE(readFile(shipped.filePath(item.file)).startsWith("{\\rtf1"))
            << item.file.toStdString();
        QFile::copy(shipped.filePath(item.file), help + item.file);
    }
    for (int item = 0; item < 10; ++item)
        window->help(item);
    EXPECT_TRUE(prompts.boxes.isEmpty());

    // A document there but no program for it: every item names the file.
    opener.result = 31;
    for (const int item : {2, 9}) {
        window->help(item);
        EXPECT_EQ(lastBox(prompts),
                  "Information|Help File Not Opened|No program on this computer could open the "
                  "help file.\r\nIt can be opened by hand from:\r\n" +
                      QDir::toNativeSeparators(help + helpItems().at(item).file));
    }
    EXPECT_EQ(prompts.boxes.size(), 2);
}

TEST_F(MainWindowTest, MissingNameOrDateLeadsBackToTheLocator) {
    window->view(4);
    window->fileAction("mnuSaveClient")->trigger();
    EXPECT_EQ(lastBox(prompts),
              "Information|Save Error|You must enter client's name and the date "
              "of assessment before saving.");
    EXPECT_EQ(where(), "LocatorInformation:0");

    prompts.clear();
    window->view(6);
    window->viewAction(9)->trigger();
    EXPECT_EQ(prompts.titles(), (QStringList{"Save Error", "Report Generating Error"}));
    EXPECT_EQ(prompts.last().text, "Not enough information provided to generate a report.");
    EXPECT_EQ(where(), "LocatorInformation:0");
    EXPECT_EQ(window->checkedViewItem(), 0);

    // The closing buttons go back to the locator as well, and nothing ends.
    prompts.clear();
    window->view(8);
    current()->next();
    ASSERT_EQ(currentPage(), 5);
    current()->button("cmdNextMH(5)")->click();
    EXPECT_EQ(prompts.titles(), QStringList{"Save Error"});
    EXPECT_EQ(currentName(), "LocatorInformation");
    EXPECT_EQ(exits, 0);
    EXPECT_EQ(QDir(program).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{});
}

// The desktop's opener ends with a failure (no application for the file): the
// window says so once it has, and names the file.
class FailingOpenerTest : public AppTest {
  protected:
    void SetUp() override {
        const QString script = folder.root.filePath("opener.sh");
        writeFile(script, "#!/bin/sh\nsleep 0.2\nexit 4\n");
        QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner);
        desktop = std::make_unique<DesktopOpener>(script);
        window = std::make_unique<MainWindow>(prompts, program, desktop.get());
        window->setExitHandler([this] { ++exits; });
        window->startUp();
    }
    bool boxComes(const QString& title) {
        return QTest::qWaitFor([&] { return prompts.titles().contains(title); }, 5000);
    }
    std::unique_ptr<DesktopOpener> desktop;
};

TEST_F(FailingOpenerTest, HelpAndTheReportNameTheFileThatWasNotOpened) {
    ASSERT_TRUE(hasTemplate);
    const QString help = program + "/YRN Help Files/YRN Locator.doc";
    QDir().mkpath(program + "/YRN Help Files");
    writeFile(help, "{\\rtf1 }");
    window->help(1);
    EXPECT_TRUE(prompts.boxes.isEmpty()) << "told before the opener ended";
    ASSERT_TRUE(boxComes("Help File Not Opened"));
    EXPECT_TRUE(lastBox(prompts).endsWith(QDir::toNativeSeparators(help)));

    prompts.clear();
    typeClient();
    window->view(8);
    current()->next();
    current()->button("cmdSave")->click();
    ASSERT_TRUE(boxComes("Report Not Opened"));
    EXPECT_EQ(prompts.titles(),
              (QStringList{"Unanswered Questions", "Report Information", "Report Not Opened"}));
    EXPECT_TRUE(lastBox(prompts).endsWith(
        QDir::toNativeSeparators(clientFolder() + "/DoeJaneQ05-07-2001.RTF")));
}

TEST(Splash, AKeyClosesItEarly) {
    QElapsedTimer clock;
    clock.start();
    QTimer::singleShot(50, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "frmSplash" && w->isVisible()) QTest::keyClick(w, Qt::Key_Space);
    });
    Splash::showFor(10000);
    EXPECT_LT(clock.elapsed(), 5000);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->objectName() == "frmSplash" && w->isVisible());
}

}  // namespace
}  // namespace yrn::test
