// The main window: captions, the View menu, layout, help and About, the exit and
// save questions, the closing page, the review; the open-client dialog.

#include "app/AboutBox.h"
#include "app/AppFixture.h"
#include "app/ClientSearch.h"
#include "app/HelpMenu.h"
#include "app/Recovery.h"
#include "app/ReviewPanel.h"
#include "interview/Review.h"
#include "records/ClientFolder.h"

namespace yrn::test {
namespace {

const QString kTitle = "Halverin Drug Court YRN -- ";
using Choice = Prompts::SaveChoice;

class MainWindowTest : public AppTest {
  protected:
    // Exactly one pane and one page of it are on screen, with a View check mark.
    bool onePageOnScreen() {
        const QList<PaneView*> panes = window->visiblePanes();
        return panes.size() == 1 && panes.first()->visiblePages().size() == 1 &&
               window->checkedViewItem() >= 0;
    }
    QString status() { return window->statusBar()->currentMessage(); }
    bool titleMarked(bool marked) {
        return QTest::qWaitFor([&] { return window->isWindowModified() == marked; }, 2000);
    }
};

TEST_F(MainWindowTest, CaptionsCheckMarksAndLayoutFollowTheViewAndUnsavedAnswersAreAskedAbout) {
    EXPECT_EQ(window->caption(), kTitle + "Locator Information ");
    EXPECT_EQ(window->checkedViewItem(), 0);
    // Only the page on screen is made.
    EXPECT_EQ(std::ranges::count_if(window->panes(), &PaneView::pagesMade), 1);
    EXPECT_EQ(current()->pagesMade(), 1);
    ClientDialog& dialog = window->clientDialog();
    EXPECT_TRUE(dialog.isVisible() && dialog.loadButton()->isVisible() &&
                dialog.newButton()->isVisible() && dialog.cancelButton()->isHidden());
    EXPECT_EQ(QDir(dialog.currentFolder()), QDir(program));
    // Closing the open-client dialog never leaves the window disabled.
    for (const bool control : {true, false}) {
        window->fileAction("mnuOpenClient")->trigger();
        EXPECT_TRUE(!window->isEnabled() && dialog.isVisible());
        EXPECT_EQ(dialog.cancelButton()->isHidden(), control);  // Cancel from the second on
        control ? closeByControl(&dialog) : dialog.cancelButton()->click();
        EXPECT_TRUE(!dialog.isVisible() && window->isEnabled() && dialog.newButton()->isHidden());
    }
    // About names the folder the program uses, and whether it is the program's own.
    window->findChild<QAction*>("mnuAbout")->trigger();
    auto* box = window->findChild<AboutBox*>();
    ASSERT_TRUE(box && box->isVisible());
    EXPECT_TRUE(box->text().contains(QDir::toNativeSeparators(program) + "\nThis is your own"));
    box->accept();
    typeClient();
    for (int item = 7; item >= 0; --item) {
        window->viewAction(item)->trigger();
        ASSERT_TRUE(onePageOnScreen());
        EXPECT_EQ(current()->section().info().viewMenuItem, item);
        EXPECT_EQ(currentPage(), current()->section().firstPage());
        EXPECT_EQ(window->checkedViewItem(), item);
        EXPECT_EQ(window->caption(), current()->section().info().caption + "  [Doe, Jane Q]");
    }
    window->viewAction(0)->trigger();  // the item already ticked stays ticked
    EXPECT_EQ(window->checkedViewItem(), 0);
    const QString ratings = kTitle + "Interviewer Ratings  [Doe, Jane Q]";
    window->viewAction(8)->trigger();
    EXPECT_TRUE(where() == "MentalHealth:4" && window->caption() == ratings);
    // Back from the ratings page gives the section its caption and item back.
    current()->back();
    EXPECT_EQ(where(), "MentalHealth:3");
    EXPECT_EQ(window->checkedViewItem(), 7);
    EXPECT_EQ(window->caption(), kTitle + "Mental Health Information   [Doe, Jane Q]");
    current()->button("cmdNextMH(3)")->click();
    EXPECT_TRUE(window->checkedViewItem() == 8 && window->caption() == ratings);
    current()->next();
    EXPECT_EQ(window->checkedViewItem(), 8);
    EXPECT_TRUE(prompts.boxes.isEmpty()) << lastBox(prompts).toStdString();
    // Every resize lays the pages out from the window size.
    window->showNormal();
    window->resize(700, 500);
    QApplication::processEvents();
    const double height = window->MainHeight(), width = window->MainWidth();
    for (PaneView* pane : window->panes()) {
        EXPECT_DOUBLE_EQ(pane->pageTwips().height, height - twips::nearest(height * 0.065));
        EXPECT_DOUBLE_EQ(pane->pageTwips().width, width - twips::nearest(width * 0.009));
    }
    // The next Start lays the pane and its pages out from the work area again.
    window->view(1);
    const twips::Rect work = window->workArea();
    EXPECT_DOUBLE_EQ(current()->pageTwips().height,
                     work.height - twips::nearest(work.height * 0.04));
    EXPECT_DOUBLE_EQ(current()->paneTwips().height, work.height + 10000);
    start();
    // A save that fails (no name) keeps the program, and goes to the locator.
    locator().setText("txtCity", "Springfield");
    window->view(4);
    window->close();
    EXPECT_EQ(prompts.titles(), (QStringList{"Unsaved Answers", "Save Error"}));
    EXPECT_TRUE(where() == "LocatorInformation:0" && exits == 0);
    // Saved, or changed back to what was saved: only the exit question.
    typeClient();
    window->saveClient();
    EXPECT_TRUE(titleMarked(false));
    locator().setText("txtCity", "Shelbyville");
    EXPECT_TRUE(titleMarked(true));
    locator().setText("txtCity", "Springfield");
    EXPECT_TRUE(titleMarked(false));
    prompts.clear();
    window->newClient();
    EXPECT_TRUE(prompts.boxes.isEmpty()) << lastBox(prompts).toStdString();
    window->view(5);
    prompts.answer({false, false});
    EXPECT_FALSE(window->close());
    window->fileAction("mnuClientExit")->trigger();
    EXPECT_EQ(lastBox(prompts), "YesNo|Exit YRN|Do you really wish to end this session?");
    EXPECT_TRUE(prompts.boxes.size() == 2 && exits == 0);
    prompts.answer({true});
    window->fileAction("mnuClientExit")->trigger();
    EXPECT_TRUE(exits == 1 && !window->isVisible() && !window->clientDialog().isVisible());
    start({true});
    EXPECT_TRUE(window->close() && exits == 1);
    // Each way to replace unsaved answers, and the last name on screen after it (none
    // when the program ends).
    const std::tuple<const char*, std::function<void()>, std::optional<QString>> ways[] = {
        {"File, New Client", [&] { window->newClient(); }, ""},
        {"the first dialog's Load", [&] { load(program + "/RoeJaneQ05-07-2001"); }, "Roe"},
        {"File, Exit", [&] { window->exitItem(); }, std::nullopt},
        {"closing the window", [&] { window->close(); }, std::nullopt},
    };
    QTemporaryDir data;  // a recovery folder for each row
    int row = 0;
    for (const auto& [name, replace, lastNameAfter] : ways) {
        for (const Choice choice : {Choice::Cancel, Choice::DontSave, Choice::Save}) {
            SCOPED_TRACE(std::string(name) + ", choice " + std::to_string(int(choice)));
            // A client on disk to open, then a new one typed on screen, with its copy.
            QDir(clientFolder()).removeRecursively();
            const QDir copies(data.filePath(QString::number(++row)), "*.recovery");
            start({}, copies.path());
            typeClient("Roe");
            window->saveClient();
            window->newClient();
            typeClient();
            window->recovery()->checkpoint();
            ASSERT_TRUE(copies.entryList(QDir::Files | QDir::Hidden).size() == 1 &&
                        titleMarked(true));
            prompts.clear();
            prompts.answerSave({choice});
            replace();
            EXPECT_EQ(lastBox(prompts),
                      "SaveChoice|Unsaved Answers|Save the answers of Doe, Jane Q?");
            EXPECT_EQ(prompts.boxes.size(), 1);
            EXPECT_EQ(QFileInfo::exists(clientFolder() + "/Location.YRN"), choice == Choice::Save);
            const bool replaced = choice != Choice::Cancel;
            // The copy goes with the answers let go or saved.
            EXPECT_EQ(copies.entryList(QDir::Files | QDir::Hidden).size(), replaced ? 0 : 1);
            if (lastNameAfter) {
                EXPECT_EQ(locator().text("txtLastName"), replaced ? *lastNameAfter : "Doe");
                EXPECT_TRUE(titleMarked(!replaced));
            } else {
                EXPECT_EQ(exits, replaced ? 1 : 0);  // the answer to leaving as well
            }
        }
    }
}

TEST_F(MainWindowTest,
       ClientsAreSavedReportedAndOpenedAgainAndHelpOpensItsDocumentsOrWhyNotIsSaid) {
    ASSERT_TRUE(folder.hasTemplate);
    window->view(6);
    window->viewAction(9)->trigger();
    EXPECT_EQ(prompts.titles(), (QStringList{"Save Error", "Report Generating Error"}));
    EXPECT_EQ(where(), "LocatorInformation:0");
    // An incomplete client: asked, made anyway, the report in the client folder opened.
    typeClient();
    prompts.clear();
    window->viewAction(9)->trigger();
    EXPECT_EQ(prompts.titles(), QStringList{"Unanswered Questions"});
    EXPECT_EQ(opener.opened, QStringList{reportPath()});
    EXPECT_TRUE(status().startsWith("Saved to "));
    // No program for it, or no file: where it lies is said.
    opener.result = 31;
    window->viewAction(9)->trigger();
    EXPECT_EQ(prompts.last().title, "Report Not Opened");
    EXPECT_TRUE(prompts.last().text.endsWith(QDir::toNativeSeparators(reportPath())));
    prompts.clear();
    opener.result = 2;
    window->viewAction(9)->trigger();
    EXPECT_EQ(prompts.titles(),
              (QStringList{"Unanswered Questions", "Report Not Found or Unavailable"}));
    // A save that worked says so where the interviewer looks, without a box.
    prompts.clear();
    window->statusBar()->clearMessage();
    locator().setText("txtCity", "Springfield");
    window->fileAction("mnuSaveClient")->trigger();
    EXPECT_TRUE(prompts.boxes.isEmpty()) << lastBox(prompts).toStdString();
    EXPECT_EQ(status(), "Saved to " + QDir::toNativeSeparators(clientFolder()) +
                            "; the report DoeJaneQ05-07-2001.RTF there and in " +
                            QDir::toNativeSeparators(program + "/ClientReports"));
    window->clientDialog().newButton()->click();
    window->newClient();
    EXPECT_EQ(locator().text("txtLastName"), "");
    window->view(3);
    window->fileAction("mnuOpenClient")->trigger();
    load(clientFolder());
    EXPECT_TRUE(prompts.boxes.isEmpty()) << lastBox(prompts).toStdString();
    EXPECT_FALSE(QApplication::overrideCursor() || window->interview().IsLoading() ||
                 !window->isEnabled() || window->clientDialog().isVisible());
    EXPECT_TRUE(shows(locator(), {"txtLastName=Doe", "txtCity=Springfield"}));
    EXPECT_EQ(where(), "LocatorInformation:0");
    EXPECT_EQ(window->caption(), kTitle + "Locator Information   [Doe, Jane Q]");
    QApplication::processEvents();
    EXPECT_EQ(window->focusWidget(), window->findChild<QWidget*>("txtAssessmentDate1"));
    // Help: each item opens its document, or says why not.
    opener = RecordingOpener();
    prompts.clear();
    for (int item = 0; item < 10; ++item)
        window->helpAction(item)->trigger();
    const QString help = program + "/YRN Help Files/";
    ASSERT_EQ(opener.opened.size(), 10);
    EXPECT_EQ(opener.opened.at(6), help + "YRN Criminal History.doc");
    EXPECT_EQ(prompts.titles(), QStringList(9, "Help File Not Found or Unavailable"));
    prompts.clear();
    QDir().mkpath(help);
    for (const HelpItem& item : helpItems())
        writeFile(help + item.file, "");
    for (int item = 0; item < 10; ++item)
        window->help(item);
    EXPECT_TRUE(prompts.boxes.isEmpty()) << lastBox(prompts).toStdString();
    // There, but no program for it: the box names the file.
    opener.result = 31;
    window->help(9);
    EXPECT_TRUE(
        lastBox(prompts).endsWith(QDir::toNativeSeparators(help + "YRN Saving Information.doc")));
    // The desktop's opener failing once it has ended (no application for the file).
    const QString script = folder.root.filePath("opener.sh");
    writeFile(script, "#!/bin/sh\nsleep 0.2\nexit 4\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner);
    DesktopOpener desktop(script);
    start({}, {}, &desktop);
    window->help(1);
    EXPECT_TRUE(prompts.boxes.isEmpty()) << "told before the opener ended";
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return prompts.last().title == "Help File Not Opened"; }, 5000));
    EXPECT_TRUE(lastBox(prompts).endsWith(QDir::toNativeSeparators(help + "YRN Locator.doc")));
    typeClient();
    pressClosing("cmdSave");
    ASSERT_TRUE(QTest::qWaitFor([&] { return prompts.last().title == "Report Not Opened"; }, 5000));
    // A new program's client of a saved client's name asks before replacing it.
    EXPECT_EQ(prompts.titles(), (QStringList{"Client Folder Exists", "Unanswered Questions",
                                             "Report Information", "Report Not Opened"}));
    EXPECT_TRUE(lastBox(prompts).endsWith(QDir::toNativeSeparators(reportPath())));
    window.reset();
}

class ClosingPage : public MainWindowTest {
  protected:
    // Every question answered: the kept client, renamed.
    void answerEverything() {
        window->clientFolder().openClient(YRN_SOURCE_DIR "/tests/data/RiveraAnaM03-14-2024");
        typeClient();
        prompts.clear();
        ASSERT_TRUE(reviewAnswers(window->interview()).complete());
        kept = stateOf(section("ctlMentalHealth"));
    }
    // Each button says `title` and finishes nothing: no report, reset or exit.
    void everyButtonStops(const QString& title, const QString& at = "MentalHealth:5") {
        for (const QString button : {"cmdSave", "cmdSaveNew", "cmdNextMH(5)"}) {
            pressClosing(button);
            EXPECT_EQ(prompts.titles(), QStringList{title}) << button.toStdString();
            EXPECT_EQ(stateOf(section("ctlMentalHealth")), kept);
            EXPECT_TRUE(where() == at && exits == 0 && opener.opened.isEmpty());
        }
    }
    QStringList kept;
};

// A whole interview, every page left with Next and Back; then each closing button
// stopped by a missing name, a failed save and a failed report, and finishing once mended.
TEST_F(ClosingPage, AWholeInterviewToTheClosingPageAndEachButtonStoppedOrFinishing) {
    ASSERT_TRUE(folder.hasTemplate);
    answerEverything();
    window->view(0);
    QStringList visited;
    while (where() != "MentalHealth:5") {
        ASSERT_TRUE(!visited.contains(where()) && onePageOnScreen()) << where().toStdString();
        visited << where();
        auto* next = current()->button(current()->section().page(currentPage())->nextButton);
        ASSERT_TRUE(next && next->isVisible()) << where().toStdString();
        next->click();
    }
    QStringList backward{where()};
    while (backward.first() != "LocatorInformation:0" && backward.size() <= visited.size()) {
        current()->button(current()->section().page(currentPage())->backButton)->click();
        ASSERT_TRUE(onePageOnScreen()) << where().toStdString();
        backward.prepend(where());
    }
    EXPECT_EQ(backward, visited << "MentalHealth:5");
    EXPECT_TRUE(prompts.boxes.isEmpty()) << lastBox(prompts).toStdString();
    locator().setText("txtLastName", "");
    everyButtonStops("Save Error", "LocatorInformation:0");
    EXPECT_EQ(QDir(program).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{});
    locator().setText("txtLastName", "Doe");
    // A folder standing in the mental health file's place: the save fails.
    ASSERT_TRUE(QDir().mkpath(clientFolder() + "/MentalHealth.YRN"));
    window->saveClient();
    EXPECT_EQ(status(), "");
    everyButtonStops("Save Error");
    EXPECT_TRUE(prompts.last().text.contains("DoeJaneQ05-07-2001"));
    EXPECT_FALSE(QFileInfo::exists(program + "/ClientReports"));
    ASSERT_TRUE(QDir(clientFolder() + "/MentalHealth.YRN").removeRecursively());
    // No template: the report cannot be made.
    ASSERT_TRUE(QFile::rename(program + "/YRN_TEMPLATE.RTF", program + "/template.bak"));
    everyButtonStops("Template Error");
    EXPECT_TRUE(QFileInfo::exists(clientFolder() + "/MentalHealth.YRN"));
    ASSERT_TRUE(QFile::rename(program + "/template.bak", program + "/YRN_TEMPLATE.RTF"));
    pressClosing("cmdSave");
    EXPECT_EQ(prompts.titles(), QStringList{"Report Information"});
    EXPECT_EQ(opener.opened, QStringList{reportPath()});
    EXPECT_EQ(where(), "MentalHealth:5");
    EXPECT_TRUE(status().startsWith("Saved to " + QDir::toNativeSeparators(clientFolder())));
    // Save & Exit: completion, then the exit question; No keeps the interview.
    prompts.answer({false});
    pressClosing("cmdNextMH(5)");
    EXPECT_EQ(prompts.titles(), (QStringList{"YRN Completed", "Exit YRN"}));
    EXPECT_TRUE(exits == 0 && where() == "MentalHealth:5");
    // Save & New: completion, then every section reset and the locator's first page.
    QFile::remove(reportPath());
    pressClosing("cmdSaveNew");
    EXPECT_EQ(prompts.titles(), QStringList{"YRN Completed"});
    EXPECT_EQ(where(), "LocatorInformation:0");
    EXPECT_EQ(section("ctlMentalHealth").text("txtFinalComments"), "");
    EXPECT_TRUE(QFileInfo::exists(reportPath()));
    // Save & Exit with Yes ends the program.
    answerEverything();
    prompts.answer({true});
    pressClosing("cmdNextMH(5)");
    EXPECT_EQ(exits, 1);
}

TEST_F(MainWindowTest, TheReviewListsWhatIsMissingAndGoesToTheQuestion) {
    activate();
    typeClient();
    ReviewPanel& panel = window->reviewPanel();
    const auto fieldsOf = [](const QList<ReviewItem>& items) {
        QStringList out;
        for (const ReviewItem& item : items)
            out << item.module + ':' + item.fieldId;
        return out;
    };
    const auto due = [&] {
        const Review review = reviewAnswers(window->interview());
        return fieldsOf(review.unanswered + review.warnings);
    };
    // The keyboard ends in the box of a review entry, on its page.
    const auto keyboardIn = [&](const ReviewItem& item) {
        PaneView* pane = window->pane(item.module);
        return QTest::qWaitFor([&] {
            return current() == pane && currentPage() == item.page &&
                   focus() == pane->binder().focusWidget(item.fieldId);
        });
    };
    key(Qt::Key_R, Qt::ControlModifier);
    ASSERT_TRUE(window->reviewDock()->isVisible());
    EXPECT_EQ(fieldsOf(panel.entries()), due());
    EXPECT_EQ(panel.summary()->text(),
              QString("%1 questions are not answered.")
                  .arg(reviewAnswers(window->interview()).unanswered.size()));
    // Enter on the list goes to the entry chosen, the first at first.
    panel.list()->setFocus();
    key(Qt::Key_Return);
    EXPECT_TRUE(keyboardIn(panel.entries().first()));
    const QList<ReviewItem> entries = panel.entries();
    const auto at = std::ranges::find(entries, "ctlDemographic", &ReviewItem::module);
    ASSERT_NE(at, entries.cend());
    panel.choose(int(at - entries.cbegin()));
    EXPECT_TRUE(keyboardIn(*at));
    // Answered, a question leaves the list a moment later.
    locator().setText("txtCity", "Springfield");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !fieldsOf(panel.entries()).contains("ctlLocatorInformation:txtCity"); }));
    EXPECT_EQ(fieldsOf(panel.entries()), due());
    panel.list()->setFocus();
    key(Qt::Key_Escape);
    EXPECT_FALSE(window->reviewDock()->isVisible());
    // No to the report question stops before the report, in the first such question.
    const std::function<void()> ways[] = {
        [&] { window->viewAction(9)->trigger(); },
        [&] { window->saveAndViewReport(); },
        [&] { window->saveAndNew(); },
        [&] { window->saveAndExit(); },
    };
    for (const auto& way : ways) {
        prompts.clear();
        window->reviewDock()->hide();
        prompts.answer({false});
        way();
        const Review review = reviewAnswers(window->interview());
        EXPECT_EQ(lastBox(prompts), "YesNo|Unanswered Questions|" + review.reportQuestion());
        EXPECT_EQ(prompts.boxes.size(), 1);
        EXPECT_TRUE(QFileInfo::exists(clientFolder() + "/Location.YRN") &&
                    !QFileInfo::exists(reportPath()) && opener.opened.isEmpty() && exits == 0 &&
                    window->reviewDock()->isVisible());
        EXPECT_EQ(locator().text("txtLastName"), "Doe");
        EXPECT_TRUE(keyboardIn(review.unanswered.first()));
    }
}

const QStringList kSectionFiles{"Location.YRN", "Demographic.YRN", "Drugs.YRN"};
const QString kMunoz = "Mu\u00f1ozAnaQ5-7-2001";

// Client folders whose section files (and the folders themselves) were saved at
// the given times; other folders beside them hold no section file.
class ClientSearchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        addClient("DoeJaneQ05-07-2001", "Location.YRN", 3);
        addClient(kMunoz, "Location.YRN", 1);
        addClient("SmithJohn11-30-2003", "demographic.yrn", 2);
        addClient("Odd", "notes.yrn", 4);
        addClient("ClientReports", "DoeJaneQ05-07-2001.RTF", 0);
        index.scan(folder.path);
    }
    // A folder holding one file, saved `daysAgo` days ago.
    void addClient(const QString& name, const QString& file, int daysAgo) {
        QDir(folder.path).mkpath(name);
        writeFile(folder.filePath(name + "/" + file), "-1 \r\n");
        for (const QString& path : {name + "/" + file, name})  // the folder after its file
            ASSERT_TRUE(makeOlder(folder.filePath(path), daysAgo * 86400LL));
    }
    // The names of the folder list's top-level rows, top to bottom.
    static QStringList topRows(const QTreeView* tree) {
        QStringList names;
        for (int row = 0; row < tree->model()->rowCount(tree->rootIndex()); ++row)
            names << tree->model()->index(row, 0, tree->rootIndex()).data().toString();
        return names;
    }
    ProgramFolder folder;
    ClientIndex index{kSectionFiles};
    RecordingPrompts prompts;
};

TEST_F(ClientSearchTest, FindsNamesAndDatesWithoutCaseOrAccentsNewestFirstInTheIndexAndTheDialog) {
    EXPECT_EQ(index.size(), 3) << "only folders with a section file are clients";
    const QStringList both{kMunoz, "DoeJaneQ05-07-2001"};
    const QList<std::pair<QString, QStringList>> cases{
        {"doe", {"DoeJaneQ05-07-2001"}},
        {"MUNOZ", {kMunoz}},
        {"mu\u00d1oz ana", {kMunoz}},
        {"j", {"SmithJohn11-30-2003", "DoeJaneQ05-07-2001"}},
        {"jane 2001", {"DoeJaneQ05-07-2001"}},
        {"   ", {}},
        {"5/7/2001", both},
        {"05-07", both},
        {"5/", both},
        {"11/30", {"SmithJohn11-30-2003"}},
        {"1/30/2003", {}},
        {"5/7/2002", {}}};
    for (const auto& [query, names] : cases) {
        QStringList found;
        for (const ClientMatch& match : index.find(query))
            found << match.name;
        EXPECT_EQ(found, names) << query.toStdString();
    }
    const ClientMatch match = index.find("doe").value(0);
    EXPECT_EQ(match.path, folder.filePath("DoeJaneQ05-07-2001"));
    EXPECT_LT(std::abs(match.time.daysTo(QDateTime::currentDateTime()) - 3), 2);
    EXPECT_EQ(ClientIndex::fold("\u00c9lodie M\u00fcller-\u0141\u00f3d\u017a Stra\u00dfe O'Brien"),
              "elodie muller-lodz strasse o'brien");
    // Without the section file names, any "*.yrn" file makes a client.
    ClientIndex any;
    any.scan(folder.path);
    EXPECT_EQ(any.size(), 4);
    // The dialog lists the clients newest first and finds them by name or date.
    QStringList loaded;  // the folders the dialog asked to load
    ClientDialog dialog(folder.path, prompts);
    dialog.setSectionFileNames(kSectionFiles);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QObject::connect(&dialog, &ClientDialog::loadRequested, [&](const QString& f) { loaded << f; });
    QTreeView* tree = dialog.folders();
    // The model reads and sorts in the background.
    const QStringList clients{"ClientReports", kMunoz, "SmithJohn11-30-2003", "DoeJaneQ05-07-2001",
                              "Odd"};
    EXPECT_TRUE(QTest::qWaitFor([&] { return topRows(tree) == clients; }))
        << topRows(tree).join(' ').toStdString();
    EXPECT_EQ(dialog.listedFolder(), folder.path);
    // Load with no row chosen, with a row chosen, and a double click.
    dialog.loadButton()->click();
    const auto at = [tree](int row) {
        return tree->visualRect(tree->model()->index(row, 0, tree->rootIndex())).center();
    };
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at(2));
    dialog.loadButton()->click();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at(3));
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at(3));
    EXPECT_EQ(loaded, (QStringList{folder.path, folder.filePath("SmithJohn11-30-2003"),
                                   folder.filePath("DoeJaneQ05-07-2001")}));
    // Up lists the folder above with the folder left chosen, Enter on a folder
    // without section files lists it, and Backspace goes up as far as the root.
    dialog.upButton()->click();
    EXPECT_EQ(dialog.listedFolder(), folder.root.path());
    EXPECT_EQ(dialog.currentFolder(), folder.path);
    EXPECT_TRUE(QTest::qWaitFor([&] { return topRows(tree) == QStringList{"program"}; }));
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_TRUE(dialog.listedFolder() == folder.path && loaded.size() == 3);
    for (int up = 0; up < 64 && dialog.listedFolder() != "/"; ++up)
        QTest::keyClick(tree, Qt::Key_Backspace);
    EXPECT_TRUE(dialog.listedFolder() == "/" && !dialog.upButton()->isEnabled());
    QTest::keyClick(tree, Qt::Key_Backspace);
    EXPECT_EQ(dialog.listedFolder(), "/");
    // The program's volume lists the clients; one that cannot be read says so.
    dialog.chooseVolume(dialog.volumes()->findData(QStorageInfo(folder.path).rootPath()));
    EXPECT_EQ(dialog.listedFolder(), folder.path);
    const int before = dialog.volumes()->currentIndex();
    dialog.volumes()->addItem("gone", folder.root.path() + "/no-such-volume");
    dialog.chooseVolume(dialog.volumes()->count() - 1);
    EXPECT_EQ(lastBox(prompts), "Critical|Drive Error|Drive not available!");
    EXPECT_TRUE(dialog.volumes()->currentIndex() == before && dialog.listedFolder() == folder.path);
    loaded.clear();
    QListView* results = dialog.searchResults();
    EXPECT_TRUE(results->isHidden());
    dialog.searchBox()->setFocus();
    QTest::keyClicks(dialog.searchBox(), "j");
    ASSERT_TRUE(!results->isHidden() && results->model()->rowCount() == 2);
    EXPECT_TRUE(results->model()->index(0, 0).data().toString().startsWith("SmithJohn11-30-2003"));
    QTest::keyClicks(dialog.searchBox(), "ane");
    ASSERT_EQ(results->model()->rowCount(), 1);
    // Enter chooses the client found and goes to the list; it loads nothing.
    QTest::keyClick(dialog.searchBox(), Qt::Key_Return);
    EXPECT_TRUE(loaded.isEmpty() && QApplication::focusWidget() == results);
    const QString doe = folder.filePath("DoeJaneQ05-07-2001");
    EXPECT_EQ(QDir(dialog.currentFolder()), QDir(doe));
    EXPECT_EQ(QDir(static_cast<QFileSystemModel*>(tree->model())->filePath(tree->currentIndex())),
              QDir(doe));
    EXPECT_EQ(tree->currentIndex().parent(), tree->rootIndex()) << "a top-level row";
    // One click only chooses; a double click loads.
    results->setCurrentIndex(QModelIndex());
    QApplication::processEvents();
    const QPoint onDoe = results->visualRect(results->model()->index(0, 0)).center();
    QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, onDoe);
    EXPECT_EQ(loaded, QStringList{});
    QTest::mouseDClick(results->viewport(), Qt::LeftButton, {}, onDoe);
    EXPECT_EQ(QDir(loaded.value(loaded.size() - 1)), QDir(doe));
    // Nothing found; an empty box hides the list.
    dialog.searchBox()->setText("nobody");
    EXPECT_EQ(results->model()->rowCount(), 0);
    dialog.searchBox()->clear();
    EXPECT_TRUE(results->isHidden());
    // A client saved while the dialog was hidden is found at the next showing, one
    // saved again comes first, one removed is gone; the others are not read again.
    dialog.hide();
    addClient("NewNed01-02-2005", "Drugs.YRN", 0);
    addClient(kMunoz, "Drugs.YRN", 0);
    ASSERT_TRUE(QDir(folder.filePath("SmithJohn11-30-2003")).removeRecursively());
    dialog.show();
    dialog.searchBox()->setText("n");  // read in the background, then found again
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.clientsRead(); }));
    EXPECT_EQ(results->model()->rowCount(), 3);
    EXPECT_TRUE(results->model()->index(0, 0).data().toString().startsWith(kMunoz) &&
                results->model()->index(1, 0).data().toString().startsWith("NewNed"));
}

}  // namespace
}  // namespace yrn::test
