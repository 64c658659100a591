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

const QString kLocatorCaption = "Halverin Drug Court YRN -- Locator Information ";

// Exactly one pane and one page of it are on screen.
::testing::AssertionResult onePageOnScreen(const MainWindow& window) {
    const QList<PaneView*> panes = window.visiblePanes();
    if (panes.size() != 1) return ::testing::AssertionFailure() << panes.size() << " panes visible";
    if (panes.first()->visiblePages().size() != 1)
        return ::testing::AssertionFailure()
               << panes.first()->visiblePages().size() << " pages visible";
    const int checked = window.checkedViewItem();
    if (checked < 0 || checked > 8)
        return ::testing::AssertionFailure() << "View check mark " << checked;
    return ::testing::AssertionSuccess();
}

class MainWindowTest : public AppTest {
  protected:
    // Clicks the Next or Back button of the page on screen, as a person would.
    void clickPageButton(bool next) {
        const Page* page = current()->section().page(currentPage());
        ASSERT_NE(page, nullptr);
        QPushButton* button = current()->button(next ? page->nextButton : page->backButton);
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
    }
};

TEST_F(MainWindowTest, StartsOnTheLocatorWithTheDialogAndTheMenus) {
    EXPECT_EQ(currentName(), "LocatorInformation");
    EXPECT_EQ(currentPage(), 0);
    EXPECT_EQ(window->checkedViewItem(), 0);
    EXPECT_EQ(window->windowTitle(), kLocatorCaption);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_FALSE(window->interview().IsLoading());
    EXPECT_TRUE(prompts.boxes.isEmpty());

    ClientDialog& dialog = window->clientDialog();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.windowTitle(), "QMT-YRN Client Assessments");
    EXPECT_TRUE(dialog.loadButton()->isVisible());
    EXPECT_EQ(dialog.loadButton()->text(), "&Load Assessment");
    EXPECT_TRUE(dialog.newButton()->isVisible());
    EXPECT_EQ(dialog.newButton()->text(), "&New Assessment");
    EXPECT_TRUE(dialog.cancelButton()->isHidden());
    EXPECT_EQ(QDir(dialog.currentFolder()), QDir(program));

    QStringList titles;
    for (QMenu* menu : window->menus())
        titles << menu->title();
    EXPECT_EQ(titles, (QStringList{"&File", "&View", "&Help"}));
    EXPECT_EQ(window->viewAction(3)->text(), "&Education &&Employment ");
    EXPECT_EQ(window->viewAction(8)->text(), "&Interview Ratings");
    EXPECT_FALSE(window->viewAction(9)->isCheckable());
    EXPECT_EQ(window->helpAction(0)->text(), "&YRN Introduction");
    EXPECT_EQ(window->helpAction(9)->text(), "&Saving Information");
    EXPECT_EQ(window->fileAction("mnuOpenClient")->text(), "&Open Client ...");
    EXPECT_EQ(window->fileAction("mnuClientExit")->text(), "E&xit");

    // Every pane was placed and laid out from the work area.
    const twips::Rect work = window->workArea();
    for (PaneView* pane : window->panes()) {
        EXPECT_DOUBLE_EQ(pane->paneTwips().height, work.height + 10000);
        EXPECT_GT(pane->pageTwips().height, 0);
    }
    EXPECT_FLOAT_EQ(window->SystemSettingsHeight(), static_cast<float>(work.height));
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
    QWidget* page = current()->pageWidget(0);
    EXPECT_LE(page->geometry().bottom(), current()->height());
    // The next Start lays the pages out from the work area again.
    window->view(1);
    const twips::Rect work = window->workArea();
    EXPECT_DOUBLE_EQ(current()->pageTwips().height,
                     work.height - twips::nearest(work.height * 0.04));
}

TEST_F(MainWindowTest, NextAndBackWalkTheWholeInterviewAndBack) {
    QStringList forward;
    for (int step = 0; step < 80; ++step) {
        ASSERT_TRUE(onePageOnScreen(*window)) << "at step " << step;
        forward << currentName() + ":" + QString::number(currentPage());
        if (currentName() == "MentalHealth" && currentPage() == current()->section().lastPage())
            break;
        clickPageButton(true);
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
    EXPECT_EQ(window->windowTitle(), "Halverin Drug Court YRN -- Interviewer Ratings");

    QStringList backward;
    for (int step = 0; step < 80; ++step) {
        ASSERT_TRUE(onePageOnScreen(*window)) << "at step " << step;
        backward.prepend(currentName() + ":" + QString::number(currentPage()));
        if (currentName() == "LocatorInformation" && currentPage() == 0) break;
        clickPageButton(false);
    }
    EXPECT_EQ(backward, forward);
    EXPECT_EQ(window->windowTitle(), kLocatorCaption);
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
        ASSERT_TRUE(onePageOnScreen(*window));
        EXPECT_EQ(currentName(), panes.at(item));
        EXPECT_EQ(currentPage(), current()->section().firstPage());
        EXPECT_EQ(window->checkedViewItem(), item);
        EXPECT_EQ(window->windowTitle(), current()->section().info().caption + "  [Doe, Jane Q]");
    }
    window->viewAction(0)->trigger();  // the item already ticked stays ticked
    EXPECT_EQ(window->checkedViewItem(), 0);
    window->viewAction(8)->trigger();
    ASSERT_TRUE(onePageOnScreen(*window));
    EXPECT_EQ(currentName(), "MentalHealth");
    EXPECT_EQ(currentPage(), 4);
    EXPECT_EQ(window->checkedViewItem(), 8);
    EXPECT_EQ(window->windowTitle(),
              "Halverin Drug Court YRN -- Interviewer Ratings  [Doe, Jane Q]");

    // Back from the ratings page restores the mental health caption and item 7.
    current()->back();
    EXPECT_EQ(currentPage(), 3);
    EXPECT_EQ(window->checkedViewItem(), 7);
    EXPECT_EQ(window->windowTitle(),
              "Halverin Drug Court YRN -- Mental Health Information   [Doe, Jane Q]");
    // ... and Next from page 3 enters it again.
    current()->next();
    EXPECT_EQ(window->checkedViewItem(), 8);
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

TEST_F(MainWindowTest, TheExitQuestionGuardsBothWaysOut) {
    window->view(5);
    current()->next();
    const int page = currentPage();

    prompts.answer({false});
    EXPECT_FALSE(window->close());
    ASSERT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(prompts.last().kind, RecordingPrompts::Kind::YesNo);
    EXPECT_EQ(prompts.last().title, "Exit YRN");
    EXPECT_EQ(prompts.last().text, "Do you really wish to end this session?");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(currentName(), "CriminalJustice");
    EXPECT_EQ(currentPage(), page);

    prompts.answer({false});
    window->fileAction("mnuClientExit")->trigger();
    EXPECT_EQ(prompts.boxes.size(), 2);
    EXPECT_EQ(exits, 0);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(currentPage(), page);

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
    EXPECT_EQ(opener.opened.first(), program + "/YRN Help Files/YRN Introduction.doc");
    EXPECT_EQ(opener.opened.at(6), program + "/YRN Help Files/YRN Criminal History.doc");
    EXPECT_EQ(opener.opened.last(), program + "/YRN Help Files/YRN Saving Information.doc");
    // Nine boxes: the saving document keeps quiet.
    ASSERT_EQ(prompts.boxes.size(), 9);
    for (const RecordingPrompts::Box& box : prompts.boxes) {
        EXPECT_EQ(box.title, "Help File Not Found or Unavailable");
        EXPECT_EQ(box.text, "Unable to open this help file!");
    }
    EXPECT_EQ(currentName(), "Medical");
    EXPECT_EQ(currentPage(), 0);

    // The shipped documents are all there under the names the menu opens.
    prompts.clear();
    const QDir shipped(QStringLiteral(YRN_SOURCE_DIR) + "/resources/YRN Help Files");
    for (const HelpItem& item : helpItems()) {
        EXPECT_TRUE(shipped.exists(item.file)) << item.file.toStdString();
        QFile in(shipped.filePath(item.file));
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        EXPECT_TRUE(in.readAll().startsWith("{\\rtf1")) << item.file.toStdString();
        QDir().mkpath(program + "/YRN Help Files");
        QFile::copy(shipped.filePath(item.file), program + "/YRN Help Files/" + item.file);
    }
    for (int item = 0; item < 10; ++item)
        window->help(item);
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

TEST_F(MainWindowTest, MissingNameOrDateLeadsBackToTheLocator) {
    window->view(4);
    window->fileAction("mnuSaveClient")->trigger();
    EXPECT_EQ(prompts.titles(), QStringList{"Save Error"});
    EXPECT_EQ(prompts.last().text,
              "You must enter client's name and the date of assessment before saving.");
    EXPECT_EQ(currentName(), "LocatorInformation");
    EXPECT_EQ(currentPage(), 0);

    prompts.clear();
    window->view(6);
    window->viewAction(9)->trigger();
    EXPECT_EQ(prompts.titles(), (QStringList{"Save Error", "Report Generating Error"}));
    EXPECT_EQ(prompts.last().text, "Not enough information provided to generate a report.");
    EXPECT_EQ(currentName(), "LocatorInformation");
    EXPECT_EQ(currentPage(), 0);
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
        if (w->objectName() == "frmSplash") {
            EXPECT_FALSE(w->isVisible());
        }
}

}  // namespace
}  // namespace yrn::test
