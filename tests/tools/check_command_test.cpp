// "yrn-tool check" run as its own process over a complete, a partly answered and
// damaged client folders, as a supervisor runs it over all of them.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "records/ClientFolder.h"
#include "sections/Sections.h"
#include "support/TestSupport.h"
#include "tools/ToolRun.h"

namespace yrn::test {
namespace {

const QString kRivera = QStringLiteral(YRN_SOURCE_DIR "/tests/data/RiveraAnaM03-14-2024");

class CheckCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QFile::exists(kTool));
        // A client with a name, one more locator answer and a contradiction.
        RecordingPrompts prompts;
        auto interview = makeInterview(prompts);
        Section& locator = *interview->section("ctlLocatorInformation");
        Section& criminal = *interview->section("ctlCriminalJustice");
        interview->BeginLoading();
        nameClient(locator, "Doe", "Jane", "");
        locator.setText("txtStreetAddress", "12 Elm St");
        typeAndLeave(criminal, "txtConvictions", "2");
        interview->EndLoading();
        const auto saved = ClientFolder(*interview, dir.path()).SaveClientYRN();
        ASSERT_TRUE(saved.allWritten);
        partial = saved.folder;

        // Every file of the complete client, one of them cut off in a field.
        ASSERT_TRUE(QDir().mkpath(damaged));
        for (const QString& name : QDir(kRivera).entryList(QDir::Files))
            writeFile(damaged + '/' + name, readFile(kRivera + '/' + name));
        writeFile(damaged + "/Drugs.YRN", readFile(kRivera + "/Drugs.YRN").left(60));
        ASSERT_TRUE(QDir().mkpath(empty));
    }

    QTemporaryDir dir;
    QString partial;
    const QString damaged = dir.filePath("damaged");
    const QString empty = dir.filePath("empty");
};

TEST_F(CheckCommandTest, ExitStatusIsThatOfTheWorstFolder) {
    const struct {
        QStringList folders;
        int status;
    } cases[] = {
        {{kRivera}, 0},
        {{partial}, 1},
        {{kRivera, partial}, 1},
        {{empty}, 2},
        {{dir.filePath("missing")}, 2},
        {{damaged, kRivera}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folders.join(' ').toStdString());
        EXPECT_EQ(runTool(QStringList{"check"} + c.folders).exitCode, c.status);
        EXPECT_EQ(runTool(QStringList{"check", "--json"} + c.folders).exitCode, c.status);
    }
    for (const QStringList& wrong : {QStringList{"check"}, QStringList{"check", "--json"},
                                     QStringList{"check", "--jason", kRivera}}) {
        const ToolRun run = runTool(wrong);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, QByteArray());
        EXPECT_TRUE(run.errLines.join('\n').contains("Usage:"));
    }
}

// One bad folder does not stop the others; each client has its block.
TEST_F(CheckCommandTest, TextListsEachClientsQuestionsAndWarnings) {
    const ToolRun run = runTool({"check", damaged, kRivera, empty, partial});
    ASSERT_EQ(run.exitCode, 2);
    const QStringList lines = QString::fromUtf8(run.out).split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines.at(0), damaged + ": damaged: Drugs.YRN did not load in full");
    EXPECT_EQ(lines.at(1), kRivera + ": complete");
    EXPECT_EQ(lines.at(2), empty + ": damaged: holds no section file");
    EXPECT_TRUE(lines.at(3).startsWith(partial + ": ")) << lines.at(3).toStdString();
    EXPECT_TRUE(lines.at(3).endsWith(" questions not answered, 1 warning"));
    EXPECT_EQ(lines.at(4),
              "  unanswered: Locator Information, page 1, txtTime1: Time assessment begun");
    EXPECT_TRUE(
        lines.contains("  unanswered: Demographic Information, page 1, txtBDateMonth: 1. "
                       "What is your birth date?"));
    EXPECT_EQ(lines.last(),
              "  warning: Criminal Justice Information, page 2, txtConvictions: 2 convictions, "
              "but 0 charges in all. (4. How many of these charges resulted in convictions?)");
    EXPECT_EQ(lines.filter(QStringLiteral("unanswered: ")).size(),
              lines.at(3).section(": ", 1).section(' ', 0, 0).toInt());
}

TEST_F(CheckCommandTest, JsonIsOneDocumentForScripts) {
    const ToolRun run = runTool({"check", "--json", kRivera, partial, damaged});
    ASSERT_EQ(run.exitCode, 2);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(run.out, &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
    const QJsonArray clients = document.array();
    ASSERT_EQ(clients.size(), 3);
    for (const QJsonValue& client : clients)
        EXPECT_EQ(client.toObject().keys(),
                  (QStringList{"complete", "damaged", "folder", "unanswered", "warnings"}));

    const QJsonObject complete = clients.at(0).toObject();
    EXPECT_EQ(complete["folder"].toString(), kRivera);
    EXPECT_TRUE(complete["complete"].toBool());
    EXPECT_TRUE(complete["unanswered"].toArray().isEmpty());

    const QJsonObject answered = clients.at(1).toObject();
    EXPECT_FALSE(answered["complete"].toBool());
    EXPECT_EQ(answered["unanswered"].toArray().first().toObject(),
              (QJsonObject{{"section", "ctlLocatorInformation"},
                           {"sectionCaption", "Locator Information"},
                           {"page", 0},
                           {"pageNumber", 1},
                           {"field", "txtTime1"},
                           {"question", "Time assessment begun"}}));
    const QJsonObject warning = answered["warnings"].toArray().first().toObject();
    EXPECT_EQ(warning["field"].toString(), "txtConvictions");
    EXPECT_EQ(warning["warning"].toString(), "2 convictions, but 0 charges in all.");

    const QJsonObject broken = clients.at(2).toObject();
    EXPECT_FALSE(broken["complete"].toBool());
    EXPECT_EQ(broken["damaged"].toArray(), QJsonArray{"Drugs.YRN did not load in full"});
}

}  // namespace
}  // namespace yrn::test
