// Saving and opening clients through the File menu, the open-client dialog and
// the closing page, on a real temporary program folder.
#include <unistd.h>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QStatusBar>

#include "AppFixture.h"
#include "app/ClientDialog.h"

namespace yrn::test {
namespace {

class ClientFilesTest : public AppTest {
  protected:
    // File, Open Client, then Load Assessment on a folder.
    void openFolder(const QString& path) {
        window->fileAction("mnuOpenClient")->trigger();
        EXPECT_FALSE(window->isEnabled());
        window->clientDialog().setCurrentFolder(path);
        window->clientDialog().loadButton()->click();
    }
    // What every way out of an open leaves behind.
    void expectOpenEndedCleanly() {
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_FALSE(window->interview().IsLoading());
        EXPECT_TRUE(window->isEnabled());
    }
    // The closing page of the interview, ready for its buttons.
    void toClosingPage() {
        window->view(8);
        current()->next();
    }
};

TEST_F(ClientFilesTest, SaveAndOpenRoundTripThroughTheDialog) {
    ASSERT_TRUE(hasTemplate);
    typeClient();
    locator().setText("txtCity", "Springfield");
    window->fileAction("mnuSaveClient")->trigger();
    EXPECT_TRUE(prompts.boxes.isEmpty()) << lastBox(prompts).toStdString();
    // A save that worked says so where the interviewer looks, without a box.
    EXPECT_EQ(window->statusBar()->currentMessage(),
              "Saved to " + QDir::toNativeSeparators(clientFolder()) +
                  "; the report DoeJaneQ05-07-2001.RTF there and in " +
                  QDir::toNativeSeparators(program + "/ClientReports"));
    EXPECT_TRUE(QFileInfo::exists(clientFolder() + "/Location.YRN"));
    EXPECT_EQ(QFile::permissions(clientFolder()) & (QFile::ReadGroup | QFile::ReadOther), 0);
    EXPECT_TRUE(QFileInfo::exists(clientFolder() + "/DoeJaneQ05-07-2001.RTF"));
    EXPECT_TRUE(QFileInfo::exists(program + "/ClientReports/DoeJaneQ05-07-2001.RTF"));
    // The New Assessment button of the first showing goes, Cancel comes.
    window->clientDialog().newButton()->click();
    EXPECT_FALSE(window->clientDialog().isVisible());
    EXPECT_FALSE(window->clientDialog().cancelButton()->isHidden());
    EXPECT_TRUE(window->clientDialog().newButton()->isHidden());

    window->fileAction("mnuNewClient")->trigger();
    EXPECT_EQ(locator().text("txtLastName"), "");
    window->view(3);
    current()->pageWidget(currentPage())->findChild<QPushButton*>()->setFocus();

    openFolder(clientFolder());
    EXPECT_TRUE(prompts.boxes.isEmpty()) << lastBox(prompts).toStdString();
    EXPECT_TRUE(
        shows(locator(), {"txtLastName=Doe", "txtCity=Springfield", "txtAssessmentDate3=2001"}));
    EXPECT_FALSE(window->clientDialog().isVisible());
    EXPECT_EQ(where(), "LocatorInformation:0");
    // The keyboard is back in the first answer of the window.
    QApplication::processEvents();
    EXPECT_EQ(window->focusWidget(), window->findChild<QWidget*>("txtAssessmentDate1"));
    EXPECT_EQ(window->caption(), "Halverin Drug Court YRN -- Locator Information   [Doe, Jane Q]");
    expectOpenEndedCleanly();

    // Saving again into the existing folder works the same; View Report saves,
    // makes the report (the client is not complete: made anyway) and opens the one
    // in the client folder.
    window->viewAction(9)->trigger();
    EXPECT_EQ(prompts.titles(), QStringList{"Unanswered Questions"});
    EXPECT_EQ(opener.opened, QStringList{window->report().clientReportPath()});
    EXPECT_EQ(currentName(), "LocatorInformation");
}

TEST_F(ClientFilesTest, PartialFoldersAndLowerCaseNamesOpen) {
    typeClient();
    window->saveClient();
    // A folder holding only the locator file, its name in lower case.
    const QString lower = program + "/lower";
    QDir().mkpath(lower);
    ASSERT_TRUE(QFile::copy(clientFolder() + "/Location.YRN", lower + "/location.yrn"));
    window->newClient();
    openFolder(lower);
    EXPECT_EQ(locator().text("txtLastName"), "Doe");
    expectOpenEndedCleanly();

    // A folder with only "Drugs.YRN": the other panes are reset as for a new client.
    const QString drugs = program + "/drugs";
    QDir().mkpath(drugs);
    writeFile(drugs + "/Drugs.YRN", {});
    prompts.clear();
    openFolder(drugs);
    EXPECT_FALSE(prompts.titles().contains("Invalid directory"));
    EXPECT_EQ(locator().text("txtLastName"), "");
    EXPECT_EQ(where(), "LocatorInformation:0");
    EXPECT_FALSE(window->clientDialog().isVisible());
    expectOpenEndedCleanly();
}

TEST_F(ClientFilesTest, AFolderWithoutSectionFilesKeepsTheClientOnScreen) {
    typeClient();
    const QString empty = program + "/empty";
    QDir().mkpath(empty);
    writeFile(empty + "/notes.txt", "x");
    openFolder(empty);
    EXPECT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(lastBox(prompts),
              "Critical|Invalid directory|This directory contains no YRN files!!");
    EXPECT_EQ(locator().text("txtLastName"), "Doe");
    EXPECT_TRUE(window->clientDialog().isVisible());
    expectOpenEndedCleanly();
}

TEST_F(ClientFilesTest, ADamagedFileIsNamedAndTheOthersLoadFully) {
    typeClient();
    locator().setText("txtCity", "Springfield");
    window->saveClient();
    QFile file(clientFolder() + "/Demographic.YRN");
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.resize(file.size() / 2);
    file.close();

    window->newClient();
    prompts.clear();
    openFolder(clientFolder());
    ASSERT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(prompts.last().kind, RecordingPrompts::Kind::Information);
    EXPECT_TRUE(prompts.last().text.contains("Demographic.YRN"));
    EXPECT_TRUE(prompts.last().text.contains("Saving this client will replace them"));
    EXPECT_TRUE(shows(locator(), {"txtLastName=Doe", "txtCity=Springfield"}));
    EXPECT_EQ(currentName(), "LocatorInformation");
    expectOpenEndedCleanly();
}

TEST_F(ClientFilesTest, AFailedSaveStopsEveryCaller) {
    typeClient();
    // A program folder that cannot be written to. Root writes anywhere, so there
    // a file stands where the client folder should go, which fails the same way.
    if (geteuid() == 0)
        writeFile(clientFolder(), {});
    else
        ASSERT_TRUE(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
    const auto restore = qScopeGuard([&] {
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    window->view(2);
    window->saveClient();
    EXPECT_EQ(prompts.titles(), QStringList{"Save Error"});
    EXPECT_TRUE(prompts.last().text.contains("DoeJaneQ05-07-2001"));
    EXPECT_EQ(window->statusBar()->currentMessage(), "");
    EXPECT_EQ(currentName(), "Medical");  // the answers stay where they were

    prompts.clear();
    window->viewAction(9)->trigger();
    EXPECT_EQ(prompts.titles(), QStringList{"Save Error"});

    // The closing buttons: no completion box, no report, no reset, no exit question.
    for (const QString button : {"cmdSave", "cmdSaveNew", "cmdNextMH(5)"}) {
        prompts.clear();
        toClosingPage();
        current()->button(button)->click();
        EXPECT_EQ(prompts.titles(), QStringList{"Save Error"}) << button.toStdString();
        EXPECT_EQ(locator().text("txtLastName"), "Doe");
        EXPECT_EQ(currentName(), "MentalHealth");
    }
    EXPECT_EQ(exits, 0);
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(program + "/ClientReports"));
}

// When the desktop has no program for the report, the interviewer learns where
// the saved report lies; a missing report keeps its own box.
TEST_F(ClientFilesTest, AReportTheDesktopCannotOpenIsNamedByItsPath) {
    ASSERT_TRUE(hasTemplate);
    typeClient();
    opener.result = 31;
    const QString notOpened =
        "Information|Report Not Opened|The report was saved, but no program on this computer "
        "could open it.\r\nIt can be opened by hand from:\r\n" +
        QDir::toNativeSeparators(clientFolder() + "/DoeJaneQ05-07-2001.RTF");
    window->viewAction(9)->trigger();
    EXPECT_EQ(prompts.boxes.size(), 2);
    EXPECT_EQ(lastBox(prompts), notOpened);
    EXPECT_TRUE(QFileInfo::exists(clientFolder() + "/DoeJaneQ05-07-2001.RTF"));

    // The closing page's "save and view" button tells the same.
    prompts.clear();
    toClosingPage();
    current()->button("cmdSave")->click();
    EXPECT_EQ(prompts.titles(),
              (QStringList{"Unanswered Questions", "Report Information", "Report Not Opened"}));
    EXPECT_EQ(lastBox(prompts), notOpened);

    prompts.clear();
    opener.result = 2;
    window->viewAction(9)->trigger();
    EXPECT_EQ(lastBox(prompts),
              "Information|Report Not Found or Unavailable|Unable to open this report!");
    EXPECT_EQ(prompts.boxes.size(), 2);
}

TEST_F(ClientFilesTest, UnsafeFolderNamesAreRefusedWithNothingWritten) {
    const QDir root(folder.root.path());
    const auto entries = [](const QDir& d) {
        return d.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    };
    for (const QString last : {"../Evil", "Do/e", ".."}) {
        prompts.clear();
        typeClient(last);
        window->saveClient();
        EXPECT_EQ(prompts.titles(), QStringList{"Save Error"}) << last.toStdString();
        EXPECT_EQ(entries(QDir(program)), QStringList{"YRN_TEMPLATE.RTF"});
        EXPECT_EQ(entries(root), QStringList{"program"});
    }
}

TEST_F(ClientFilesTest, TheClosingButtonsFinishTheInterview) {
    ASSERT_TRUE(hasTemplate);
    // Save & New: the completion box, then a fresh client on the locator.
    typeClient();
    toClosingPage();
    current()->button("cmdSaveNew")->click();
    EXPECT_EQ(lastBox(prompts),
              "Information|YRN Completed|Assessment completed.\r\nThank you "
              "for using the Halverin Drug Court YRN!!");
    EXPECT_EQ(locator().text("txtLastName"), "");
    EXPECT_EQ(where(), "LocatorInformation:0");
    EXPECT_TRUE(QFileInfo::exists(clientFolder() + "/Location.YRN"));

    // Save / View Report: the spell-check notice and the report opened.
    prompts.clear();
    typeClient();
    toClosingPage();
    current()->button("cmdSave")->click();
    EXPECT_EQ(prompts.titles(), (QStringList{"Unanswered Questions", "Report Information"}));
    EXPECT_EQ(prompts.last().text, "Please run spell check options before printing report.");
    EXPECT_EQ(opener.opened, QStringList{window->report().clientReportPath()});
    EXPECT_EQ(currentName(), "MentalHealth");

    // Save & Exit: the completion box, then the exit question; No keeps going.
    prompts.clear();
    prompts.answer({true, false, true, true});
    current()->button("cmdNextMH(5)")->click();
    EXPECT_EQ(prompts.titles(), (QStringList{"Unanswered Questions", "YRN Completed", "Exit YRN"}));
    EXPECT_EQ(exits, 0);
    current()->button("cmdNextMH(5)")->click();
    EXPECT_EQ(exits, 1);
}

TEST_F(ClientFilesTest, ClosingTheDialogNeverLeavesTheWindowDisabled) {
    ClientDialog& dialog = window->clientDialog();
    window->fileAction("mnuOpenClient")->trigger();
    EXPECT_FALSE(window->isEnabled());
    EXPECT_TRUE(dialog.isVisible());
    QCloseEvent close;
    QApplication::sendEvent(&dialog, &close);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_TRUE(dialog.newButton()->isHidden());
    EXPECT_FALSE(dialog.cancelButton()->isHidden());

    window->fileAction("mnuOpenClient")->trigger();
    dialog.cancelButton()->click();
    EXPECT_TRUE(window->isEnabled());
    EXPECT_FALSE(dialog.isVisible());

    // A volume that cannot be read: "Drive Error", and the chooser goes back.
    const int before = dialog.volumes()->currentIndex();
    dialog.volumes()->addItem("gone", folder.root.path() + "/no-such-volume");
    dialog.chooseVolume(dialog.volumes()->count() - 1);
    EXPECT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(lastBox(prompts), "Critical|Drive Error|Drive not available!");
    EXPECT_EQ(dialog.volumes()->currentIndex(), before);
    EXPECT_EQ(QDir(dialog.currentFolder()), QDir(program));
}

}  // namespace
}  // namespace yrn::test
