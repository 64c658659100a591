// Answers that differ from the last save or open are never replaced without a
// question: each way that would replace them asks to save them first, and does
// what the interviewer answers; a client on disk asks nothing more than before.
#include <QPushButton>
#include <QTest>

#include "AppFixture.h"
#include "app/ClientDialog.h"

namespace yrn::test {
namespace {

using Choice = Prompts::SaveChoice;

// A way to replace the answers on screen, and the last name on screen once it
// has ("" for a new client; nothing for the ways out).
struct Way {
    const char* name;
    std::function<void(MainWindow&, const QString& otherClient)> go;
    std::optional<QString> lastNameAfter;
};

void load(MainWindow& window, const QString& folder) {
    window.clientDialog().setCurrentFolder(folder);
    window.clientDialog().loadButton()->click();
}

const QList<Way> kWays{
    {"File, New Client", [](MainWindow& w, const QString&) { w.newClient(); }, ""},
    {"File, Open Client, Load",
     [](MainWindow& w, const QString& other) {
         w.fileAction("mnuOpenClient")->trigger();
         load(w, other);
     },
     "Roe"},
    {"the first dialog's Load", [](MainWindow& w, const QString& other) { load(w, other); }, "Roe"},
    {"File, Exit", [](MainWindow& w, const QString&) { w.exitItem(); }, std::nullopt},
    {"closing the window", [](MainWindow& w, const QString&) { w.close(); }, std::nullopt},
};

class UnsavedAnswers : public AppTest {
  protected:
    // A client on disk to open, then a new one typed on screen.
    void startTyped() {
        TearDown();
        QDir(clientFolder()).removeRecursively();
        exits = 0;
        prompts.clear();
        AppTest::SetUp();
        typeClient("Roe");
        window->saveClient();
        window->newClient();
        ASSERT_TRUE(prompts.boxes.isEmpty()) << lastBox(prompts).toStdString();
        typeClient();
        locator().setText("txtCity", "Springfield");
    }
    bool titleMarked(bool marked) {
        return QTest::qWaitFor([&] { return window->isWindowModified() == marked; }, 2000);
    }
    QString other() const { return program + "/RoeJaneQ05-07-2001"; }
    bool doeSaved() const { return QFileInfo::exists(clientFolder() + "/Location.YRN"); }
};

TEST_F(UnsavedAnswers, EveryWayThatReplacesThemAsksAndDoesWhatTheInterviewerChose) {
    for (const Way& way : kWays) {
        for (const Choice choice : {Choice::Cancel, Choice::DontSave, Choice::Save}) {
            SCOPED_TRACE(std::string(way.name) + ", choice " + std::to_string(int(choice)));
            startTyped();
            ASSERT_TRUE(titleMarked(true));
            prompts.clear();
            prompts.answerSave({choice});
            way.go(*window, other());

            ASSERT_FALSE(prompts.boxes.isEmpty());
            EXPECT_EQ(boxText(prompts.boxes.first()),
                      "SaveChoice|Unsaved Answers|Save the answers of Doe, Jane Q?");
            EXPECT_EQ(prompts.boxes.size(), 1) << lastBox(prompts).toStdString();
            EXPECT_EQ(doeSaved(), choice == Choice::Save);
            const bool replaced = choice != Choice::Cancel;
            if (way.lastNameAfter) {
                EXPECT_EQ(locator().text("txtLastName"), replaced ? *way.lastNameAfter : "Doe");
                EXPECT_TRUE(titleMarked(!replaced));
            } else {
                // The answer to the save question is the answer to leaving.
                EXPECT_EQ(exits, replaced ? 1 : 0);
            }
        }
    }
}

TEST_F(UnsavedAnswers, SavedOrChangedBackTheyAskNothingAndAFailedSaveStopsTheWay) {
    startTyped();
    // A save that fails (no name) keeps the answers and the program.
    locator().setText("txtLastName", "");
    prompts.clear();
    window->close();
    EXPECT_EQ(prompts.titles(), (QStringList{"Unsaved Answers", "Save Error"}));
    EXPECT_EQ(exits, 0);
    EXPECT_EQ(locator().text("txtCity"), "Springfield");

    // Saved: New Client and Load ask nothing; the exit asks its own question.
    locator().setText("txtLastName", "Doe");
    window->saveClient();
    EXPECT_TRUE(titleMarked(false));
    locator().setText("txtCity", "Shelbyville");
    EXPECT_TRUE(titleMarked(true));
    locator().setText("txtCity", "Springfield");
    EXPECT_TRUE(titleMarked(false));
    prompts.clear();
    window->fileAction("mnuOpenClient")->trigger();
    load(*window, other());
    EXPECT_EQ(locator().text("txtLastName"), "Roe");
    window->newClient();
    EXPECT_TRUE(prompts.boxes.isEmpty()) << lastBox(prompts).toStdString();
    prompts.answer({false});
    window->exitItem();
    EXPECT_EQ(lastBox(prompts), "YesNo|Exit YRN|Do you really wish to end this session?");
    EXPECT_EQ(exits, 0);
}

}  // namespace
}  // namespace yrn::test
