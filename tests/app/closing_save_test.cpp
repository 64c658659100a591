// The three buttons of the interview's closing page: with complete answers, with
// the client's name missing, and when the save or the report fails.
#include <unistd.h>
#include <QPushButton>
#include <QScopeGuard>
#include <QStatusBar>

#include "AppFixture.h"
#include "records/ClientFolder.h"
#include "sections/family/FamilyAnswers.h"
#include "sections/mental/MentalAnswers.h"

namespace yrn::test {
namespace {

const QStringList kButtons{"cmdSave", "cmdSaveNew", "cmdNextMH(5)"};
const QString kCompleted =
    "Information|YRN Completed|Assessment completed.\r\nThank you for "
    "using the Halverin Drug Court YRN!!";

class ClosingSave : public AppTest {
  protected:
    Section& family() { return *window->interview().section("ctlFamilySocialHistory"); }
    Section& mental() { return *window->interview().section("ctlMentalHealth"); }
    // A client with every question answered (the kept client, renamed), the last two
    // sections answered anew.
    void answerClient() {
        window->clientFolder().openClient(QStringLiteral(YRN_SOURCE_DIR) +
                                          "/tests/data/RiveraAnaM03-14-2024");
        typeClient();
        answerFamily(family());
        answerMental(mental());
        prompts.clear();
    }
    void press(const QString& button) {
        window->view(8);
        current()->next();
        ASSERT_EQ(where(), "MentalHealth:5");
        QPushButton* b = current()->button(button);
        ASSERT_TRUE(b && b->isVisible());
        b->click();
    }
    // Nothing was finished: no completion, no report opened, no reset, no exit.
    void expectStoppedOnTheClosingPage(const QString& button) {
        EXPECT_EQ(where(), "MentalHealth:5") << button.toStdString();
        EXPECT_EQ(locator().text("txtLastName"), "Doe");
        EXPECT_EQ(mental().text("txtFinalComments"),
                  "client engaged well and asked about program requirements.");
        EXPECT_EQ(exits, 0);
        EXPECT_TRUE(opener.opened.isEmpty());
    }
    QString reportPath() const { return clientFolder() + "/DoeJaneQ05-07-2001.RTF"; }
};

TEST_F(ClosingSave, EachButtonFinishesACompleteInterview) {
    ASSERT_TRUE(hasTemplate);
    answerClient();
    // Save / View Report: the notice, then the report of this press is opened; the
    // interview stays as it is.
    press("cmdSave");
    EXPECT_EQ(lastBox(prompts),
              "Information|Report Information|Please run spell check "
              "options before printing report.");
    EXPECT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(opener.opened, QStringList{reportPath()});
    EXPECT_EQ(where(), "MentalHealth:5");
    EXPECT_EQ(family().listText("cboMaritalStatus"), "Divorced");
    // Where the client and the report went stands in the status bar.
    EXPECT_TRUE(window->statusBar()->currentMessage().startsWith(
        "Saved to " + QDir::toNativeSeparators(clientFolder()) + "; the report"));

    // Save & Exit: completion, then the exit question; No keeps the interview.
    prompts.clear();
    prompts.answer({false});
    press("cmdNextMH(5)");
    EXPECT_EQ(prompts.titles(), (QStringList{"YRN Completed", "Exit YRN"}));
    EXPECT_EQ(exits, 0);
    EXPECT_EQ(where(), "MentalHealth:5");

    // Save & New: completion, then every section reset and the locator's first page.
    prompts.clear();
    QFile::remove(reportPath());
    press("cmdSaveNew");
    EXPECT_EQ(prompts.titles(), QStringList{"YRN Completed"});
    EXPECT_EQ(lastBox(prompts), kCompleted);
    EXPECT_EQ(where(), "LocatorInformation:0");
    EXPECT_EQ(window->checkedViewItem(), 0);
    EXPECT_EQ(family().position("cboMaritalStatus"), -1);
    EXPECT_EQ(mental().text("txtFinalComments"), "");
    EXPECT_TRUE(QFileInfo::exists(reportPath()));
    EXPECT_TRUE(QFileInfo::exists(clientFolder() + "/FamilySocial.YRN"));
    EXPECT_TRUE(QFileInfo::exists(clientFolder() + "/MentalHealth.YRN"));

    // Save & Exit with Yes ends the program.
    answerClient();
    prompts.answer({true});
    press("cmdNextMH(5)");
    EXPECT_EQ(prompts.titles(), (QStringList{"YRN Completed", "Exit YRN"}));
    EXPECT_EQ(exits, 1);
}

TEST_F(ClosingSave, AMissingNameLeadsBackToTheLocator) {
    answerClient();
    locator().setText("txtLastName", "");
    for (const QString& button : kButtons) {
        prompts.clear();
        press(button);
        EXPECT_EQ(prompts.titles(), QStringList{"Save Error"}) << button.toStdString();
        EXPECT_EQ(where(), "LocatorInformation:0") << button.toStdString();
        EXPECT_EQ(mental().text("txtTimeEndedMinutes"), "45");
    }
    EXPECT_EQ(exits, 0);
    EXPECT_EQ(QDir(program).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{});
}

TEST_F(ClosingSave, AFailedSaveAnnouncesNothing) {
    answerClient();
    // A client folder that cannot take the mental health file: read-only, or (for
    // root, who writes anywhere) with a folder standing in the file's place.
    ASSERT_TRUE(QDir().mkpath(clientFolder()));
    if (geteuid() == 0)
        ASSERT_TRUE(QDir().mkpath(clientFolder() + "/MentalHealth.YRN"));
    else
        ASSERT_TRUE(QFile::setPermissions(clientFolder(), QFile::ReadOwner | QFile::ExeOwner));
    const auto restore = qScopeGuard([&] {
        QFile::setPermissions(clientFolder(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    for (const QString& button : kButtons) {
        prompts.clear();
        press(button);
        EXPECT_EQ(prompts.titles(), QStringList{"Save Error"}) << button.toStdString();
        EXPECT_TRUE(prompts.last().text.contains("DoeJaneQ05-07-2001"));
        expectStoppedOnTheClosingPage(button);
    }
    EXPECT_FALSE(QFileInfo::exists(reportPath()));
    EXPECT_FALSE(QFileInfo::exists(program + "/ClientReports"));
}

TEST_F(ClosingSave, AReportThatCannotBeMadeOrSavedStopsTheButton) {
    answerClient();
    ASSERT_TRUE(QFile::remove(program + "/YRN_TEMPLATE.RTF"));
    for (const QString& button : kButtons) {
        prompts.clear();
        press(button);
        EXPECT_EQ(lastBox(prompts),
                  "Critical|Template Error|Unable to load template!\r\nPlease "
                  "close template file if opened.")
            << button.toStdString();
        EXPECT_EQ(prompts.boxes.size(), 1);
        expectStoppedOnTheClosingPage(button);
    }
    // The section files were saved all the same.
    EXPECT_TRUE(QFileInfo::exists(clientFolder() + "/FamilySocial.YRN"));
    EXPECT_FALSE(QFileInfo::exists(reportPath()));

    // A report file that cannot be written: a folder stands in its place.
    ASSERT_TRUE(QFile::copy(QStringLiteral(YRN_SOURCE_DIR) + "/resources/YRN_TEMPLATE.RTF",
                            program + "/YRN_TEMPLATE.RTF"));
    ASSERT_TRUE(QDir().mkpath(reportPath()));
    for (const QString& button : kButtons) {
        prompts.clear();
        press(button);
        EXPECT_EQ(prompts.titles(), QStringList{"Report Save Error"}) << button.toStdString();
        expectStoppedOnTheClosingPage(button);
    }
    EXPECT_FALSE(QFileInfo::exists(program + "/ClientReports/DoeJaneQ05-07-2001.RTF"));

    // With the cause mended the same press goes through.
    ASSERT_TRUE(QDir(reportPath()).removeRecursively());
    prompts.clear();
    press("cmdSave");
    EXPECT_EQ(prompts.titles(), QStringList{"Report Information"});
    EXPECT_EQ(opener.opened, QStringList{reportPath()});
}

TEST_F(ClosingSave, TheRatingsPageHasItsOwnCaptionBothWays) {
    typeClient();
    window->view(7);
    for (int page = 0; page < 3; ++page)
        current()->button(arr("cmdNextMH", page))->click();
    ASSERT_EQ(where(), "MentalHealth:3");
    QPushButton* toRatings = current()->button("cmdNextMH(3)");
    EXPECT_EQ(toRatings->text(), "&Interviewer Ratings");
    toRatings->click();
    EXPECT_EQ(where(), "MentalHealth:4");
    EXPECT_EQ(window->caption(), "Halverin Drug Court YRN -- Interviewer Ratings  [Doe, Jane Q]");
    EXPECT_EQ(window->checkedViewItem(), 8);
    current()->button("cmdNextMH(4)")->click();
    EXPECT_EQ(window->checkedViewItem(), 8);
    EXPECT_EQ(current()->button("cmdSaveNew")->text(), "Save && &New");
    current()->button("cmdBackMH(5)")->click();
    current()->button("cmdBackMH(4)")->click();
    EXPECT_EQ(where(), "MentalHealth:3");
    EXPECT_EQ(window->caption(),
              "Halverin Drug Court YRN -- Mental Health Information   [Doe, Jane Q]");
    EXPECT_EQ(window->checkedViewItem(), 7);
    // Back from the first page goes to the family section's last page.
    for (int page = 3; page >= 0; --page)
        current()->button(arr("cmdBackMH", page))->click();
    EXPECT_EQ(where(), "FamilySocialHistory:5");
    EXPECT_EQ(window->checkedViewItem(), 6);
    current()->button("cmdNextFS(5)")->click();
    EXPECT_EQ(where(), "MentalHealth:0");
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

}  // namespace
}  // namespace yrn::test
