// Saves of one client that meet: a child process saves a whole client again and
// again, alternating two sets of answers, and is killed 500 times; after every kill
// the next open finds all eight section files of one save, never a mix, and opens
// without a complaint. And two programs saving the same client at the same moment.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QRandomGenerator>

#include "records/ClientFolder.h"
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
    ASSERT_EQ(first.keys(), names);
    ASSERT_EQ(second.keys(), names);
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
        EXPECT_TRUE(folder.openClient(client).found);
        EXPECT_TRUE(prompts.boxes.isEmpty()) << qPrintable(lastBox(prompts));
        const QMap<QString, QByteArray> files = sectionFiles(client);
        if (files != first && files != second) {
            QStringList mixed;
            for (auto it = files.cbegin(); it != files.cend(); ++it)
                mixed << it.key() + (it.value() == first.value(it.key()) ? " 1" : " 2");
            damage << QString("round %1: %2").arg(round).arg(mixed.join(", "));
        }
    }
    EXPECT_TRUE(damage.isEmpty()) << qPrintable(damage.join('\n'));
    // The next save leaves nothing of the killed ones but its own files.
    EXPECT_TRUE(folder.SaveClientYRN().allWritten);
    EXPECT_EQ(QDir(client).entryList(QDir::Files | QDir::Hidden).size(), first.size());
}

// A second program saves the same client while the first is between its steps: it
// waits, and is told the truth when the first holds on too long; each save's
// outcome says what the folder holds.
TEST(SaveKill, TwoProgramsSavingOneClientNeverMixTheirFiles) {
    RecordingPrompts promptsA, promptsB;
    auto a = makeInterview(promptsA), b = makeInterview(promptsB);
    QTemporaryDir program;
    ClientFolder folderA(*a, program.path()), folderB(*b, program.path());
    answerAll(*a, 1);
    answerAll(*b, 2);
    const QString client = folderA.clientFolderPath();
    const auto holds = [&](int generation) {
        const QString mark = 'g' + QString::number(generation) + "\r\n";
        for (const QByteArray& bytes : sectionFiles(client))
            if (!bytes.contains(mark.toLatin1())) return false;
        return sectionFiles(client).size() == sectionFileNames().size();
    };
    folderB.saveLockWaitMs = 200;
    promptsA.clear();
    for (const auto step : {ClientFolder::SaveStep::Locked, ClientFolder::SaveStep::Staged,
                            ClientFolder::SaveStep::Committed}) {
        bool met = false;
        folderA.saveStep = [&](ClientFolder::SaveStep at) {
            if (at != step) return;
            met = true;
            EXPECT_FALSE(folderB.SaveClientYRN().allWritten);
            EXPECT_TRUE(lastBox(promptsB).contains("Another program is saving into"));
        };
        EXPECT_TRUE(folderA.SaveClientYRN().allWritten && met);
        EXPECT_TRUE(holds(1));
        // B saves again when A is done, and its answers are what the folder holds.
        EXPECT_TRUE(folderB.SaveClientYRN().allWritten);
        EXPECT_TRUE(holds(2));
    }
    EXPECT_TRUE(promptsA.boxes.isEmpty()) << qPrintable(lastBox(promptsA));
    EXPECT_EQ(QDir(client).entryList(QDir::Files | QDir::Hidden).size(), sectionFileNames().size());
}

}  // namespace
}  // namespace yrn::test
