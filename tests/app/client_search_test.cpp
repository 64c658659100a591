// Finding a client by name or date in the open-client dialog, its folder list,
// and Help, About.
#include <utime.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QStorageInfo>
#include <QTest>
#include <QTreeView>

#include "AppFixture.h"
#include "ProgramInfo.h"
#include "app/AboutBox.h"
#include "app/ClientDialog.h"
#include "app/ClientSearch.h"

namespace yrn::test {
namespace {

const QStringList kSectionFiles{"Location.YRN", "Demographic.YRN", "Drugs.YRN"};

// Client folders whose section files (and the folders themselves) were saved at
// the given times; other folders beside them hold no section file.
class ClientSearchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        addClient("DoeJaneQ05-07-2001", "Location.YRN", 3);
        addClient("Mu\u00f1ozAnaQ5-7-2001", "Location.YRN", 1);
        addClient("SmithJohn11-30-2003", "demographic.yrn", 2);
        addClient("Odd", "notes.yrn", 4);
        addClient("ClientReports", "DoeJaneQ05-07-2001.RTF", 0);
    }

    // A folder holding one file, saved `daysAgo` days ago.
    void addClient(const QString& name, const QString& file, int daysAgo) {
        QDir(folder.path).mkpath(name);
        const QString path = folder.filePath(name + "/" + file);
        writeFile(path, "-1 \r\n");
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        const QDateTime when = QDateTime::currentDateTime().addDays(-daysAgo);
        f.setFileTime(when, QFileDevice::FileModificationTime);
        const utimbuf times{when.toSecsSinceEpoch(), when.toSecsSinceEpoch()};
        ASSERT_EQ(::utime(QFile::encodeName(folder.filePath(name)).constData(), &times), 0);
    }

    QStringList find(const QString& query) const {
        QStringList names;
        for (const ClientMatch& match : index.find(query))
            names << match.name;
        return names;
    }

    ProgramFolder folder;
    ClientIndex index{kSectionFiles};
};

TEST_F(ClientSearchTest, FindsNamesWithoutCaseOrAccentsNewestFirst) {
    index.scan(folder.path);
    EXPECT_EQ(index.size(), 3) << "only folders with a section file are clients";
    EXPECT_EQ(find("doe"), QStringList{"DoeJaneQ05-07-2001"});
    EXPECT_EQ(find("MUNOZ"), QStringList{"Mu\u00f1ozAnaQ5-7-2001"});
    EXPECT_EQ(find("mu\u00d1oz ana"), QStringList{"Mu\u00f1ozAnaQ5-7-2001"});
    EXPECT_EQ(find("j"), (QStringList{"SmithJohn11-30-2003", "DoeJaneQ05-07-2001"}));
    EXPECT_EQ(find("jane 2001"), QStringList{"DoeJaneQ05-07-2001"});
    EXPECT_EQ(find("   "), QStringList());
    EXPECT_EQ(find("zzz"), QStringList());
    EXPECT_EQ(find("odd"), QStringList()) << "a *.yrn file that no section reads";
    EXPECT_EQ(find("reports"), QStringList());

    const ClientMatch doe = index.find("doe").value(0);
    EXPECT_EQ(doe.path, folder.filePath("DoeJaneQ05-07-2001"));
    EXPECT_LT(std::abs(doe.time.daysTo(QDateTime::currentDateTime()) - 3), 2);

    // Without the section file names, any "*.yrn" file makes a client.
    ClientIndex any;
    any.scan(folder.path);
    EXPECT_EQ(any.size(), 4);
}

TEST_F(ClientSearchTest, FindsADateWithOrWithoutLeadingZeros) {
    index.scan(folder.path);
    const QStringList both{"Mu\u00f1ozAnaQ5-7-2001", "DoeJaneQ05-07-2001"};
    EXPECT_EQ(find("5/7/2001"), both);
    EXPECT_EQ(find("05/07/2001"), both);
    EXPECT_EQ(find("05-07"), both);
    EXPECT_EQ(find("5/7/20"), both) << "a year still being typed";
    EXPECT_EQ(find("5/"), both);
    EXPECT_EQ(find("11/30"), QStringList{"SmithJohn11-30-2003"});
    EXPECT_EQ(find("1/30/2003"), QStringList()) << "January is not November";
    EXPECT_EQ(find("5/7/2002"), QStringList());
}

TEST_F(ClientSearchTest, FoldingDropsCaseAndAccentsOnly) {
    EXPECT_EQ(ClientIndex::fold("\u00c9lodie M\u00fcller-\u0141\u00f3d\u017a Stra\u00dfe"),
              "elodie muller-lodz strasse");
    EXPECT_EQ(ClientIndex::fold("O'Brien 05/07"), "o'brien 05/07");
}

TEST_F(ClientSearchTest, TheDialogListsWhatMatchesAndSelectsTheChosenClientInTheTree) {
    RecordingPrompts prompts;
    ClientDialog dialog(folder.path, prompts);
    dialog.setSectionFileNames(kSectionFiles);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QSignalSpy loads(&dialog, &ClientDialog::loadRequested);
    QListView* results = dialog.searchResults();
    EXPECT_TRUE(results->isHidden());
    // The volume chooser and the folder tree stay as they were.
    EXPECT_TRUE(dialog.volumes()->isVisible() && dialog.folders()->isVisible());
    EXPECT_EQ(QDir(dialog.currentFolder()), QDir(folder.path));

    dialog.searchBox()->setFocus();
    QTest::keyClicks(dialog.searchBox(), "j");
    ASSERT_FALSE(results->isHidden());
    ASSERT_EQ(results->model()->rowCount(), 2);
    EXPECT_TRUE(results->model()->index(0, 0).data().toString().startsWith("SmithJohn11-30-2003"));
    EXPECT_TRUE(results->model()->index(1, 0).data().toString().startsWith("DoeJaneQ05-07-2001"));
    QTest::keyClicks(dialog.searchBox(), "ane");
    ASSERT_EQ(results->model()->rowCount(), 1);

    // Enter chooses the client found and goes to the list; it loads nothing.
    QTest::keyClick(dialog.searchBox(), Qt::Key_Return);
    EXPECT_EQ(loads.size(), 0);
    EXPECT_EQ(QApplication::focusWidget(), results);
    const QString doe = folder.filePath("DoeJaneQ05-07-2001");
    EXPECT_EQ(QDir(dialog.currentFolder()), QDir(doe));
    const QTreeView* tree = dialog.folders();
    auto* model = static_cast<QFileSystemModel*>(tree->model());
    EXPECT_EQ(QDir(model->filePath(tree->currentIndex())), QDir(doe));
    EXPECT_EQ(tree->currentIndex().parent(), tree->rootIndex()) << "a top-level row";

    // A double click loads it.
    results->setCurrentIndex(QModelIndex());
    QApplication::processEvents();
    const QPoint onDoe = results->visualRect(results->model()->index(0, 0)).center();
    QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, onDoe);
    EXPECT_EQ(loads.size(), 0) << "one click only chooses";
    QTest::mouseDClick(results->viewport(), Qt::LeftButton, {}, onDoe);
    ASSERT_GE(loads.size(), 1);
    EXPECT_EQ(QDir(loads.last().at(0).toString()), QDir(doe));

    // Nothing found says so; an empty box hides the list.
    dialog.searchBox()->setText("nobody");
    EXPECT_EQ(results->model()->rowCount(), 0);
    const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](QLabel* label) {
        return label->isVisible() && label->text().startsWith("No client folder in ");
    }));
    dialog.searchBox()->clear();
    EXPECT_TRUE(results->isHidden());

    // A client saved while the dialog was hidden is found at the next showing.
    dialog.hide();
    addClient("NewNed01-02-2005", "Drugs.YRN", 0);
    dialog.show();
    dialog.searchBox()->setText("ned");
    EXPECT_EQ(results->model()->rowCount(), 1);
}

// The names of the folder list's top-level rows, top to bottom.
QStringList topRows(const QTreeView* tree) {
    QStringList names;
    for (int row = 0; row < tree->model()->rowCount(tree->rootIndex()); ++row)
        names << tree->model()->index(row, 0, tree->rootIndex()).data().toString();
    return names;
}

TEST_F(ClientSearchTest, TheFolderListStartsWithTheClientsNewestFirstAndGoesUpToTheRoot) {
    RecordingPrompts prompts;
    ClientDialog dialog(folder.path, prompts);
    dialog.show();
    QSignalSpy loads(&dialog, &ClientDialog::loadRequested);
    QTreeView* tree = dialog.folders();
    // The model reads and sorts in the background. (A failed QTRY_ macro only
    // ends the test without telling GoogleTest, so wait and then compare.)
    const QStringList clients{"ClientReports", "Mu\u00f1ozAnaQ5-7-2001", "SmithJohn11-30-2003",
                              "DoeJaneQ05-07-2001", "Odd"};
    EXPECT_TRUE(QTest::qWaitFor([&] { return topRows(tree) == clients; }))
        << topRows(tree).join(' ').toStdString();
    EXPECT_EQ(dialog.listedFolder(), folder.path);

    // With no row chosen Load asks for the program folder itself; then the row
    // chosen, and a client folder double-clicked.
    dialog.loadButton()->click();
    const auto at = [tree](int row) {
        return tree->visualRect(tree->model()->index(row, 0, tree->rootIndex())).center();
    };
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at(2));
    dialog.loadButton()->click();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at(3));
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at(3));
    QStringList loaded;
    for (const QList<QVariant>& load : std::as_const(loads))
        loaded << load.at(0).toString();
    EXPECT_EQ(loaded, (QStringList{folder.path, folder.filePath("SmithJohn11-30-2003"),
                                   folder.filePath("DoeJaneQ05-07-2001")}));

    // Up lists the folder above with the folder left chosen, Enter on a folder
    // without section files lists it, and Backspace goes up as far as the root.
    dialog.upButton()->click();
    EXPECT_EQ(dialog.listedFolder(), folder.root.path());
    EXPECT_EQ(dialog.currentFolder(), folder.path);
    EXPECT_TRUE(QTest::qWaitFor([&] { return topRows(tree) == QStringList{"program"}; }));
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_EQ(dialog.listedFolder(), folder.path);
    EXPECT_EQ(dialog.currentFolder(), folder.path);
    EXPECT_EQ(loads.size(), 3);
    for (int up = 0; up < 64 && dialog.listedFolder() != "/"; ++up)
        QTest::keyClick(tree, Qt::Key_Backspace);
    EXPECT_EQ(dialog.listedFolder(), "/");
    EXPECT_FALSE(dialog.upButton()->isEnabled());
    QTest::keyClick(tree, Qt::Key_Backspace);
    EXPECT_EQ(dialog.listedFolder(), "/");

    // The program's volume lists the client folders again.
    dialog.chooseVolume(dialog.volumes()->findData(QStorageInfo(folder.path).rootPath()));
    EXPECT_EQ(dialog.listedFolder(), folder.path);
}

class AboutTest : public AppTest {};

TEST_F(AboutTest, AboutNamesTheVersionAndTheProgramFolder) {
    auto* about = window->findChild<QAction*>("mnuAbout");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->text(), "&About");
    about->trigger();
    auto* box = window->findChild<AboutBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(box->text().contains(QString("Version ") + kProgramVersion));
    EXPECT_TRUE(box->text().contains(QDir::toNativeSeparators(program)));
    // The test's program folder is not the executable's.
    EXPECT_TRUE(box->text().contains("your own data folder"));
    EXPECT_TRUE(prompts.boxes.isEmpty());
    box->accept();

    AboutBox beside(QCoreApplication::applicationDirPath());
    EXPECT_TRUE(beside.text().contains("the program's own folder"));
}

}  // namespace
}  // namespace yrn::test
