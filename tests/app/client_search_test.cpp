// Finding a client by name or date in the open-client dialog, and Help, About.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QSignalSpy>
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

// Client folders whose section files were saved at the given times; other
// folders beside them hold no section file.
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
        f.setFileTime(QDateTime::currentDateTime().addDays(-daysAgo),
                      QFileDevice::FileModificationTime);
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
