// The open-client dialog: finding a client by name or date, the folder list and
// its keys, the volumes.
#include <utime.h>

#include "app/AppFixture.h"
#include "app/ClientSearch.h"

namespace yrn::test {
namespace {

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

TEST_F(ClientSearchTest, FindsNamesAndDatesWithoutCaseOrAccentsNewestFirst) {
    EXPECT_EQ(index.size(), 3) << "only folders with a section file are clients";
    const QStringList both{kMunoz, "DoeJaneQ05-07-2001"};
    const QList<std::pair<QString, QStringList>> cases{
        {"doe", {"DoeJaneQ05-07-2001"}},
        {"MUNOZ", {kMunoz}},
        {"mu\u00d1oz ana", {kMunoz}},
        {"j", {"SmithJohn11-30-2003", "DoeJaneQ05-07-2001"}},
        {"jane 2001", {"DoeJaneQ05-07-2001"}},
        {"   ", {}},
        {"zzz", {}},
        {"odd", {}},
        {"reports", {}},
        {"5/7/2001", both},
        {"05/07/2001", both},
        {"05-07", both},
        {"5/7/20", both},
        {"5/", both},
        {"11/30", {"SmithJohn11-30-2003"}},
        {"1/30/2003", {}},
        {"5/7/2002", {}}};
    for (const auto& [query, names] : cases)
        EXPECT_EQ(find(query), names) << query.toStdString();
    const ClientMatch doe = index.find("doe").value(0);
    EXPECT_EQ(doe.path, folder.filePath("DoeJaneQ05-07-2001"));
    EXPECT_LT(std::abs(doe.time.daysTo(QDateTime::currentDateTime()) - 3), 2);
    EXPECT_EQ(ClientIndex::fold("\u00c9lodie M\u00fcller-\u0141\u00f3d\u017a Stra\u00dfe O'Brien"),
              "elodie muller-lodz strasse o'brien");
    // Without the section file names, any "*.yrn" file makes a client.
    ClientIndex any;
    any.scan(folder.path);
    EXPECT_EQ(any.size(), 4);
}

TEST_F(ClientSearchTest, TheDialogListsTheClientsNewestFirstAndFindsThemByNameOrDate) {
    ClientDialog dialog(folder.path, prompts);
    dialog.setSectionFileNames(kSectionFiles);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QSignalSpy loads(&dialog, &ClientDialog::loadRequested);
    QTreeView* tree = dialog.folders();
    // The model reads and sorts in the background.
    const QStringList clients{"ClientReports", kMunoz, "SmithJohn11-30-2003", "DoeJaneQ05-07-2001",
                              "Odd"};
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
    EXPECT_EQ(loads.size(), 3);
    for (int up = 0; up < 64 && dialog.listedFolder() != "/"; ++up)
        QTest::keyClick(tree, Qt::Key_Backspace);
    EXPECT_EQ(dialog.listedFolder(), "/");
    EXPECT_FALSE(dialog.upButton()->isEnabled());
    QTest::keyClick(tree, Qt::Key_Backspace);
    EXPECT_EQ(dialog.listedFolder(), "/");
    // The program's volume lists the client folders again; one that cannot be read
    // says so, and the chooser goes back.
    dialog.chooseVolume(dialog.volumes()->findData(QStorageInfo(folder.path).rootPath()));
    EXPECT_EQ(dialog.listedFolder(), folder.path);
    const int before = dialog.volumes()->currentIndex();
    dialog.volumes()->addItem("gone", folder.root.path() + "/no-such-volume");
    dialog.chooseVolume(dialog.volumes()->count() - 1);
    EXPECT_EQ(lastBox(prompts), "Critical|Drive Error|Drive not available!");
    EXPECT_EQ(dialog.volumes()->currentIndex(), before);
    EXPECT_EQ(dialog.listedFolder(), folder.path);
    // The search box.
    loads.clear();
    QListView* results = dialog.searchResults();
    EXPECT_TRUE(results->isHidden());
    dialog.searchBox()->setFocus();
    QTest::keyClicks(dialog.searchBox(), "j");
    ASSERT_FALSE(results->isHidden());
    ASSERT_EQ(results->model()->rowCount(), 2);
    EXPECT_TRUE(results->model()->index(0, 0).data().toString().startsWith("SmithJohn11-30-2003"));
    QTest::keyClicks(dialog.searchBox(), "ane");
    ASSERT_EQ(results->model()->rowCount(), 1);
    // Enter chooses the client found and goes to the list; it loads nothing.
    QTest::keyClick(dialog.searchBox(), Qt::Key_Return);
    EXPECT_EQ(loads.size(), 0);
    EXPECT_EQ(QApplication::focusWidget(), results);
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
    EXPECT_EQ(loads.size(), 0);
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

}  // namespace
}  // namespace yrn::test
