// Saving and opening clients through the File menu, the open-client dialog and
// the closing page, on a real temporary program folder.
#include <unistd.h>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QPushButton>
#include <QScopeGuard>

#include "AppFixture.h"
#include "app/ClientDialog.h"
#include "records/ClientFolder.h"

namespace yrn::test {
namespace {

class ClientFilesTest : public AppTest {
  protected:
    // File, Open Client, then Load Assessment on a folder.
    void openFolder(const QString& folder) {
        window->fileAction("mnuOpenClient")->trigger();
        EXPECT_FALSE(window->isEnabled());
        window->clientDialog().setCurrentFolder(folder);
        window->clientDialog().loadButton()->click();
    }
    // What every way out of an open leaves behind.
    void expectOpenEndedCleanly() {
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_FALSE(window->interview().IsLoading());
        EXPECT_TRUE(window->isEnabled());
    }
    QStringList files(const QString& folder) const {
        return QDir(folder).entryList(QDir::Files, QDir::Name);
    }
};

TEST_F(ClientFilesTest, SaveAndOpenRoundTripThroughTheDialog) {
    typeClient();
    locator().setText("txtCity", "Springfield");
    window->fileAction("mnuSaveClient")->trigger();
    EXPECT_TRUE(prompts.boxes.isEmpty()) << prompts.last().text.toStdString();
    EXPECT_TRUE(files(clientFolder()).contains("Location.YRN"));
    if (hasTemplate) {
        EXPECT_TRUE(QFileInfo::exists(clientFolder() + "/DoeJaneQ05-07-2001.RTF"));
        EXPECT_TRUE(QFileInfo::exists(program + "/ClientReports/DoeJaneQ05-07-2001.RTF"));
    }
    // The New Assessment button of the first showing goes, Cancel comes.
    window->clientDialog().newButton()->click();
    EXPECT_FALSE(window->clientDialog().isVisible());
    EXPECT_FALSE(window->clientDialog().cancelButton()->isHidden());
    EXPECT_TRUE(window->clientDialog().newButton()->isHidden());

    window->fileAction("mnuNewClient")->trigger();
    EXPECT_EQ(locator().text("txtLastName"), "");
    window->view(3);

    openFolder(clientFolder());
    EXPECT_TRUE(prompts.boxes.isEmpty()) << prompts.last().text.toStdString();
    EXPECT_EQ(locator().text("txtLastName"), "Doe");
    EXPECT_EQ(locator().text("txtCity"), "Springfield");
    EXPECT_EQ(locator().text("txtAssessmentDate3"), "2001");
    EXPECT_FALSE(window->clientDialog().isVisible());
    EXPECT_FALSE(window->clientDialog().cancelButton()->isHidden());
    EXPECT_EQ(currentName(), "LocatorInformation");
    EXPECT_EQ(currentPage(), 0);
    EXPECT_EQ(window->windowTitle(),
              "Halverin Drug Court YRN -- Locator Information   [Doe, Jane Q]");
    expectOpenEndedCleanly();

    // Saving twice into the existing folder works the same; View Report saves,
    // makes the report and opens the one in the client folder.
    window->saveClient();
    EXPECT_TRUE(prompts.boxes.isEmpty());
    if (hasTemplate) {
        window->viewAction(9)->trigger();
        EXPECT_TRUE(prompts.boxes.isEmpty()) << prompts.last().text.toStdString();
        EXPECT_EQ(opener.opened, QStringList{window->report().clientReportPath()});
        EXPECT_EQ(currentName(), "LocatorInformation");
    }
}

TEST_F(ClientFilesTest, PartialFoldersAndLowerCaseNamesOpen) {
    typeClient();
    window->saveClient();
    ASSERT_TRUE(QFileInfo::exists(clientFolder() + "/Location.YRN"));

    // A folder holding only the locator file, its name in lower case.
    const QString lower = program + "/lower";
    QDir().mkpath(lower);
    QFile::copy(clientFolder() + "/Location.YRN", lower + "/location.yrn");
    window->newClient();
    openFolder(lower);
    EXPECT_EQ(locator().text("txtLastName"), "Doe");
    expectOpenEndedCleanly();

    // A folder with only "Drugs.YRN": the other panes stay as for a new client.
    const QString drugs = program + "/drugs";
    QDir().mkpath(drugs);
    if (QFileInfo::exists(clientFolder() + "/Drugs.YRN"))
        QFile::copy(clientFolder() + "/Drugs.YRN", drugs + "/Drugs.YRN");
    else {
        QFile file(drugs + "/Drugs.YRN");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    prompts.clear();
    openFolder(drugs);
    EXPECT_FALSE(prompts.titles().contains("Invalid directory"));
    EXPECT_EQ(locator().text("txtLastName"), "");
    EXPECT_EQ(currentName(), "LocatorInformation");
    EXPECT_EQ(currentPage(), 0);
    EXPECT_FALSE(window->clientDialog().isVisible());
    expectOpenEndedCleanly();
}

TEST_F(ClientFilesTest, AFolderWithoutSectionFilesKeepsTheClientOnScreen) {
    typeClient();
    const QString empty = program + "/empty";
    QDir().mkpath(empty);
    openFolder(empty);
    EXPECT_EQ(prompts.titles(), QStringList{"Invalid directory"});
    EXPECT_EQ(prompts.last().kind, RecordingPrompts::Kind::Critical);
    EXPECT_EQ(prompts.last().text, "This directory contains no YRN files!!");
    EXPECT_EQ(locator().text("txtLastName"), "Doe");
    EXPECT_TRUE(window->clientDialog().isVisible());
    expectOpenEndedCleanly();

    // The automatic focus moves still work afterwards.
    prompts.clear();
    window->clientDialog().cancelButton()->click();
    locator().setText("txtAssessmentDate1", "1");
    locator().setText("txtAssessmentDate1", "12");
    ASSERT_FALSE(prompts.focusRequests.isEmpty());
    EXPECT_EQ(prompts.focusRequests.last().fieldId, "txtAssessmentDate2");
}

TEST_F(ClientFilesTest, ADamagedFileIsNamedAndTheOthersLoadFully) {
    typeClient();
    locator().setText("txtCity", "Springfield");
    window->saveClient();
    QStringList saved = files(clientFolder());
    saved.removeAll("DoeJaneQ05-07-2001.RTF");
    ASSERT_TRUE(saved.contains("Location.YRN"));

    // Cut the last section file written (other than the locator's) in half; if
    // the locator's is the only one, cut that.
    QString victim = "Location.YRN";
    for (const QString& name : saved)
        if (name != "Location.YRN") victim = name;
    QFile file(clientFolder() + "/" + victim);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray bytes = file.readAll();
    file.resize(bytes.size() / 2);
    file.close();

    window->newClient();
    prompts.clear();
    openFolder(clientFolder());
    ASSERT_EQ(prompts.boxes.size(), 1);
    EXPECT_TRUE(prompts.last().text.contains(victim)) << prompts.last().text.toStdString();
    if (victim != "Location.YRN") {
        EXPECT_EQ(locator().text("txtCity"), "Springfield");
        EXPECT_EQ(locator().text("txtLastName"), "Doe");
    }
    EXPECT_EQ(currentName(), "LocatorInformation");
    expectOpenEndedCleanly();
}

TEST_F(ClientFilesTest, AFailedSaveStopsEveryCaller) {
    typeClient();
    // A program folder that cannot be written to. Root writes anywhere, so there
    // a file stands where the client folder should go, which fails the same way.
    const bool root = geteuid() == 0;
    if (root) {
        QFile blocker(clientFolder());
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    } else {
        ASSERT_TRUE(QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    }
    const auto restore = qScopeGuard([&] {
        QFile::setPermissions(
            program, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    });
    window->view(2);
    window->saveClient();
    EXPECT_EQ(prompts.titles(), QStringList{"Save Error"});
    EXPECT_TRUE(prompts.last().text.contains("DoeJaneQ05-07-2001"));
    EXPECT_FALSE(QFileInfo::exists(program + "/ClientReports"));
    EXPECT_EQ(currentName(), "Medical");  // the answers stay where they were

    prompts.clear();
    window->viewAction(9)->trigger();
    EXPECT_EQ(prompts.titles(), QStringList{"Save Error"});
    EXPECT_TRUE(opener.opened.isEmpty());

    // The closing buttons: no completion box, no report, no reset, no exit question.
    for (const QString button : {"cmdSave", "cmdSaveNew", "cmdNextMH(5)"}) {
        prompts.clear();
        window->view(8);
        current()->next();
        current()->button(button)->click();
        EXPECT_EQ(prompts.titles(), QStringList{"Save Error"}) << button.toStdString();
        EXPECT_EQ(locator().text("txtLastName"), "Doe");
        EXPECT_EQ(currentName(), "MentalHealth");
    }
    EXPECT_EQ(exits, 0);
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(program + "/ClientReports"));
}

TEST_F(ClientFilesTest, ASectionFileThatCannotBeWrittenIsNamed) {
    typeClient();
    QDir().mkpath(clientFolder() + "/Location.YRN");  // a folder in the file's place
    window->saveClient();
    ASSERT_EQ(prompts.titles(), QStringList{"Save Error"});
    EXPECT_TRUE(prompts.last().text.contains("Location.YRN"));
    EXPECT_FALSE(QFileInfo::exists(program + "/ClientReports"));
}

TEST_F(ClientFilesTest, UnsafeFolderNamesAreRefusedWithNothingWritten) {
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const QString last : {"../Evil", "Do/e", ".."}) {
        prompts.clear();
        typeClient(last);
        window->saveClient();
        EXPECT_EQ(prompts.titles(), QStringList{"Save Error"}) << last.toStdString();
        EXPECT_EQ(QDir(program).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList{"YRN_TEMPLATE.RTF"}.mid(hasTemplate ? 0 : 1));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    }
}

TEST_F(ClientFilesTest, TheClosingButtonsFinishTheInterview) {
    typeClient();
    window->view(8);
    current()->next();

    // Save & New: the completion box, then a fresh client on the locator.
    current()->button("cmdSaveNew")->click();
    EXPECT_TRUE(prompts.titles().contains("YRN Completed"));
    EXPECT_EQ(prompts.boxes.at(prompts.titles().indexOf("YRN Completed")).text,
              "Assessment completed.\r\nThank you for using the Halverin Drug Court YRN!!");
    EXPECT_EQ(locator().text("txtLastName"), "");
    EXPECT_EQ(currentName(), "LocatorInformation");
    EXPECT_EQ(currentPage(), 0);
    EXPECT_TRUE(QFileInfo::exists(clientFolder() + "/Location.YRN"));

    // Save / View Report: the spell-check notice and the report opened.
    if (hasTemplate) {
        prompts.clear();
        typeClient();
        window->view(8);
        current()->next();
        current()->button("cmdSave")->click();
        EXPECT_EQ(prompts.titles(), QStringList{"Report Information"});
        EXPECT_EQ(prompts.last().text, "Please run spell check options before printing report.");
        ASSERT_EQ(opener.opened.size(), 1);
        EXPECT_EQ(opener.opened.first(), window->report().clientReportPath());
        EXPECT_EQ(currentName(), "MentalHealth");
    }

    // Save & Exit: the completion box, then the exit question; No keeps going.
    prompts.clear();
    typeClient();
    window->view(8);
    current()->next();
    prompts.answer({false});
    current()->button("cmdNextMH(5)")->click();
    QStringList expected{"YRN Completed", "Exit YRN"};
    if (!hasTemplate) expected.insert(1, "Template Error");
    EXPECT_EQ(prompts.titles(), expected);
    EXPECT_EQ(exits, 0);
    prompts.answer({true});
    current()->button("cmdNextMH(5)")->click();
    EXPECT_EQ(exits, 1);
}

TEST_F(ClientFilesTest, ClosingTheDialogNeverLeavesTheWindowDisabled) {
    window->fileAction("mnuOpenClient")->trigger();
    EXPECT_FALSE(window->isEnabled());
    EXPECT_TRUE(window->clientDialog().isVisible());
    QCloseEvent close;
    QApplication::sendEvent(&window->clientDialog(), &close);
    EXPECT_FALSE(window->clientDialog().isVisible());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_TRUE(window->clientDialog().newButton()->isHidden());
    EXPECT_FALSE(window->clientDialog().cancelButton()->isHidden());

    window->fileAction("mnuOpenClient")->trigger();
    window->clientDialog().cancelButton()->click();
    EXPECT_TRUE(window->isEnabled());
    EXPECT_FALSE(window->clientDialog().isVisible());

    // A volume that cannot be read: "Drive Error", and the chooser goes back.
    ClientDialog& dialog = window->clientDialog();
    const int before = dialog.volumes()->currentIndex();
    dialog.volumes()->addItem("gone", dir.path() + "/no-such-volume");
    dialog.chooseVolume(dialog.volumes()->count() - 1);
    EXPECT_EQ(prompts.titles(), QStringList{"Drive Error"});
    EXPECT_EQ(prompts.last().kind, RecordingPrompts::Kind::Critical);
    EXPECT_EQ(prompts.last().text, "Drive not available!");
    EXPECT_EQ(dialog.volumes()->currentIndex(), before);
    EXPECT_EQ(QDir(dialog.currentFolder()), QDir(program));
}

}  // namespace
}  // namespace yrn::test
