// Saves of one client that meet: a child process saves a whole client again and again,
// alternating two sets of answers, and is killed 500 times; after every kill the next open
// finds the eight section files of one save, never a mix. And two programs saving at once.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QLockFile>
#include <QProcess>
#include <QRandomGenerator>

#include "records/ClientFolder.h"
#include "records/RecoveryCopy.h"
#include "sections/Sections.h"
#include "support/SectionLayouts.h"

namespace yrn::test {
namespace {

const QStringList kIdentity = {"txtLastName",        "txtFirstName",       "txtMI",
                               "txtAssessmentDate1", "txtAssessmentDate2", "txtAssessmentDate3"};

// Every text box but the client's name and date holds the generation, so that every
// section file of one save differs from the other's; the comments are long, so
// that a save takes a while.
void answerAll(Interview& interview, int generation) {
    for (Section* section : interview.sections())
        for (const QString& id : section->fieldOrder()) {
            const Field& f = section->field(id);
            if (f.kind != FieldKind::Text || kIdentity.contains(id)) continue;
            const QString mark = 'g' + QString::number(generation);
            section->setText(id, f.multiLine ? mark.repeated(500) : mark);
        }
    nameClient(*interview.section("ctlLocatorInformation"));
}

QMap<QString, QByteArray> sectionFiles(const QString& folder) {
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files))
        files.insert(name, readFile(folder + '/' + name));
    return files;
}

TEST(SaveKill, EverySectionFileIsWholeAfterAKillAtAnyMoment) {
    RecordingPrompts prompts;
    auto interview = makeInterview(prompts);
    QTemporaryDir program;
    ClientFolder folder(*interview, program.path());
    // A reader that changes nothing, as yrn-tool.
    auto readerInterview = makeInterview(prompts);
    ClientFolder reader(*readerInterview, program.path());
    answerAll(*interview, 1);
    const QString client = folder.clientFolderPath();
    const auto save = [&](int generation) {
        answerAll(*interview, generation);
        EXPECT_TRUE(folder.SaveClientYRN().allWritten);
        return sectionFiles(client);
    };
    // The two saves the child alternates, each made from the other's answers.
    const QMap<QString, QByteArray> first = save(1);
    const QMap<QString, QByteArray> second = save(2);
    QStringList names = sectionFileNames();  // one file of each section
    names.sort();
    ASSERT_TRUE(first.keys() == names && second.keys() == names);
    QElapsedTimer timer;
    timer.start();
    ASSERT_EQ(save(1), first);
    const qint64 saveMicros = std::max<qint64>(timer.nsecsElapsed() / 1000, 1000);
    for (auto it = first.cbegin(); it != first.cend(); ++it)
        ASSERT_NE(it.value(), second.value(it.key())) << qPrintable(it.key());

    // A kill lands anywhere in the first two or three saves of a child.
    const auto longestDelay = std::min<qint64>(3 * saveMicros, 120000);
    QRandomGenerator random(20260806);
    QStringList damage;
    for (int round = 0; round < 500 && damage.isEmpty(); ++round) {
        std::fflush(nullptr);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            folder.holdsClients = false;
            for (int generation = 2;; generation = 3 - generation) {
                answerAll(*interview, generation);
                if (!folder.SaveClientYRN().allWritten) _exit(1);
            }
        }
        usleep(useconds_t(random.bounded(longestDelay)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child ended by itself";

        prompts.clear();
        // The reader reads one save's answers whatever the kill left; the window's open
        // finishes or undoes the killed save.
        EXPECT_TRUE(reader.openClient(client).found);
        QMap<QString, QByteArray> read;
        for (const auto& [name, bytes] : RecoveryCopy::filesOf(*readerInterview))
            read.insert(name, bytes);
        if (read != first && read != second) damage << "read " + QString::number(round);
        folder.holdsClients = true;
        EXPECT_TRUE(folder.openClient(client).found);
        EXPECT_TRUE(prompts.boxes.isEmpty()) << qPrintable(lastBox(prompts));
        const QMap<QString, QByteArray> files = sectionFiles(client);
        if (files != first && files != second) damage << QString::number(round);
    }
    EXPECT_TRUE(damage.isEmpty()) << qPrintable(damage.join('\n'));
    // The next save leaves nothing of the killed ones but its own files.
    EXPECT_TRUE(folder.SaveClientYRN().allWritten)
        << qPrintable(lastBox(prompts) + ' ' + entries(client).join(' '));
    EXPECT_EQ(entries(client).size(), first.size() + 1);  // and the window's in-use mark
}

// Two programs on one program folder with one client, A's answers the first, B's
// the second.
struct TwoPrograms : ::testing::Test {
    RecordingPrompts promptsA, promptsB;
    std::unique_ptr<Interview> a = makeInterview(promptsA), b = makeInterview(promptsB);
    QTemporaryDir program;
    ClientFolder folderA{*a, program.path()}, folderB{*b, program.path()};
    QString client;
    void SetUp() override {
        answerAll(*a, 1);
        answerAll(*b, 2);
        promptsA.clear();
        promptsB.clear();
        client = folderA.clientFolderPath();
    }
    // The folder holds the eight section files of one generation's save.
    bool holds(int generation) const {
        const QByteArray mark = 'g' + QByteArray::number(generation) + "\r\n";
        const QMap<QString, QByteArray> files = sectionFiles(client);
        return std::all_of(files.begin(), files.end(),
                           [&](const QByteArray& bytes) { return bytes.contains(mark); }) &&
               files.size() == sectionFileNames().size();
    }
};

// A second save waits while the first is between its steps, and is told the truth
// when that takes too long. A save over section files the answers on screen did not
// come from, or that another program saved since, asks first, and each answer does
// what it says.
TEST_F(TwoPrograms, SavingOneClientNeitherMixNorLoseTheirFiles) {
    folderB.saveLockWaitMs = 200;
    for (const auto step : {ClientFolder::SaveStep::Locked, ClientFolder::SaveStep::Staged,
                            ClientFolder::SaveStep::Committed}) {
        bool met = false;
        folderA.saveStep = [&](ClientFolder::SaveStep at) {
            met = met || at == step;
            EXPECT_TRUE(at != step || !folderB.SaveClientYRN().allWritten);
        };
        EXPECT_TRUE(folderA.SaveClientYRN().allWritten && met && holds(1));
        EXPECT_TRUE(lastBox(promptsB).contains("Another program is saving into"));
    }
    folderA.saveStep = {};
    EXPECT_TRUE(promptsA.boxes.isEmpty());  // its own files: nothing to ask
    // B's answers did not come from the folder: Cancel writes nothing, Replace all.
    promptsB.answerChoice({1, 0});
    EXPECT_TRUE(folderB.SaveClientYRN().cancelled && holds(1));
    EXPECT_EQ(promptsB.offered, (QStringList{"&Replace", "Cancel"}));
    EXPECT_TRUE(
        lastBox(promptsB).startsWith("Choice|Client Folder Exists|A client folder "
                                     "DoeJaneQ05-07-2001 already exists (last saved "));
    EXPECT_TRUE(folderB.SaveClientYRN().allWritten && holds(2));
    // A's answers would replace what B saved since: Cancel, Open theirs, Overwrite.
    promptsA.answerChoice({2, 1, 0});
    EXPECT_TRUE(folderA.SaveClientYRN().cancelled && holds(2));
    const ClientFolder::SaveOutcome theirs = folderA.SaveClientYRN();
    EXPECT_TRUE(theirs.cancelled && theirs.openTheirs && theirs.folder == client && holds(2));
    EXPECT_TRUE(
        lastBox(promptsA).startsWith("Choice|Client Saved Elsewhere|The client folder "
                                     "DoeJaneQ05-07-2001 was saved by another program at "));
    EXPECT_TRUE(folderA.SaveClientYRN().allWritten && holds(1) &&
                promptsA.titles().count("Client Saved Elsewhere") == 3);
    // Opened anew, B saves without a question; a new client of the same name asks.
    EXPECT_TRUE(folderB.openClient(client).found);
    answerAll(*b, 2);
    EXPECT_TRUE(folderB.SaveClientYRN().allWritten && holds(2) &&
                promptsB.titles().count("Client Folder Exists") == 2);
    folderB.NewClientYRN();
    answerAll(*b, 1);
    EXPECT_TRUE(folderB.SaveClientYRN().allWritten && holds(1) &&
                promptsB.titles().count("Client Folder Exists") == 3);
    // Nor do lock files of programs killed while taking a stale save lock over.
    for (const char* suffix : {"", ".rmlock"})
        if (fork() == 0) _exit(QLockFile(client + "/.yrn-save.lock" + suffix).tryLock(0) ? 0 : 1);
    ASSERT_TRUE(wait(nullptr) > 0 && wait(nullptr) > 0);
    writeFile(client + "/.yrn-save.lock.rmlock.rmlock", "");
    ASSERT_TRUE(makeOlder(client + "/.yrn-save.lock.rmlock.rmlock", 5));
    EXPECT_TRUE(folderB.SaveClientYRN().allWritten) << qPrintable(lastBox(promptsB));
    EXPECT_EQ(entries(client).size(), sectionFileNames().size());
}

// yrn-tool, a program of its own that only reads, reads one save's answers whatever
// step another program's save has come to: the old ones until it is committed, the
// new ones from then on.
TEST_F(TwoPrograms, AReaderReadsOneSaveWheneverItReads) {
    ASSERT_TRUE(folderA.SaveClientYRN().allWritten);
    QList<int> seen;  // 1: only the first save's answers, 2: only the second's
    folderA.saveStep = [&](ClientFolder::SaveStep) {
        QProcess tool;
        tool.start(YRN_PROGRAM_DIR "/yrn-tool", {"export", client});
        EXPECT_TRUE(tool.waitForFinished(60000));
        const QByteArray out = tool.readAllStandardOutput();
        seen << (out.contains("\"g1") ? 1 : 0) + (out.contains("\"g2") ? 2 : 0);
    };
    answerAll(*a, 2);
    EXPECT_TRUE(folderA.SaveClientYRN().allWritten && holds(2));
    EXPECT_EQ(seen, (QList<int>{1, 1, 2}));
}

// A client open in one program is marked in its folder: a second program is told
// who has it since when and may open it read-only or cancel; the mark goes with a
// new client, and one whose program is gone is taken over after a question.
TEST_F(TwoPrograms, AClientOpenInOneIsOpenedInTheOtherOnlyAfterAQuestion) {
    folderA.holdsClients = folderB.holdsClients = true;
    ASSERT_TRUE(folderA.SaveClientYRN().allWritten && folderA.holdsMark());
    promptsB.answerChoice({1, 0});
    EXPECT_FALSE(folderB.openClient(client).found);  // Cancel: nothing read
    EXPECT_TRUE(lastBox(promptsB).startsWith(
        "Choice|Client In Use|The client DoeJaneQ05-07-2001 is open in another program: "));
    EXPECT_TRUE(lastBox(promptsB).contains(", process " + QString::number(getpid()) + ", since "));
    EXPECT_TRUE(folderB.openClient(client).found && !folderB.holdsMark() &&  // read-only
                b->section("ctlMentalHealth")->text("txtFinalComments") ==
                    QString("g1").repeated(500));
    // A saves again: B's save names who has the client open.
    answerAll(*a, 3);
    EXPECT_TRUE(folderA.SaveClientYRN().allWritten && folderB.SaveClientYRN().allWritten);
    EXPECT_TRUE(
        lastBox(promptsB).contains(" It is open in: " + QFileInfo(client).owner() + " on "));
    folderA.NewClientYRN();
    EXPECT_TRUE(folderB.openClient(client).found && folderB.holdsMark() &&
                promptsB.boxes.size() == 3);
    // A program that ended without letting go: its mark is taken over after Yes.
    folderB.NewClientYRN();
    std::fflush(nullptr);
    if (fork() == 0) _exit(QLockFile(client + "/.yrn-in-use.lock").tryLock(0) ? 0 : 1);
    int status = -1;
    ASSERT_TRUE(wait(&status) > 0 && status == 0);
    promptsA.answer({false, true});
    EXPECT_FALSE(folderA.openClient(client).found);
    EXPECT_TRUE(
        lastBox(promptsA).contains(", whose program is no longer running.\r\nTake it over?"));
    EXPECT_TRUE(folderA.openClient(client).found && folderA.holdsMark());
}

}  // namespace
}  // namespace yrn::test
