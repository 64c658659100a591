// What one write of the recovery copy costs: the section files' content of a
// client who answered every question, compared with the saved answers, and
// written atomically (temporary file, flush to disk, rename) into the folder.
// The copy is written at most every 30 seconds and on page changes, so these
// times are spent at most that often.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include "BenchMain.h"
#include "app/Recovery.h"
#include "app/SavedAnswers.h"
#include "base/AtomicFile.h"
#include "interview/Section.h"
#include "records/ClientFolder.h"
#include "sections/Sections.h"
#include "support/RecordingPrompts.h"

using namespace yrn;

namespace {

// Answers every question a section asks and its rules leave open: a text in every
// box (as long as the box takes), the last button of every option group, the
// first item of every list, a tick in every check box.
void answerEverything(Interview& interview) {
    const QString text = QStringLiteral("Client reports two jobs; lives with mother, \"fine\"");
    for (Section* s : interview.sections()) {
        for (const QString& id : s->fieldOrder()) {
            if (!s->usable(id)) continue;
            const Field& f = s->field(id);
            switch (f.kind) {
                case FieldKind::Text:
                    s->setText(id, f.maxLength > 0 ? text.left(f.maxLength) : text);
                    break;
                case FieldKind::Option:
                    s->choose(id, static_cast<int>(f.captions.size()) - 1);
                    break;
                case FieldKind::List:
                    if (!f.items.isEmpty()) s->setPosition(id, 0);
                    break;
                case FieldKind::Check:
                    s->setCheck(id, CheckState::Ticked);
                    break;
            }
        }
    }
}

struct Kept {
    Kept() {
        answerEverything(*interview);
        recovery.offer();
        locator.setText(QStringLiteral("txtCity"), QStringLiteral("Springfield"));
        recovery.checkpoint();
    }
    RecordingPrompts prompts;
    std::unique_ptr<Interview> interview = makeInterview(prompts);
    QTemporaryDir dir;
    ClientFolder clients{*interview, dir.filePath(QStringLiteral("program"))};
    SavedAnswers saved{*interview, clients};
    Recovery recovery{*interview, clients, saved, dir.filePath(QStringLiteral("recovery"))};
    Section& locator = *interview->section(QStringLiteral("ctlLocatorInformation"));
};

// A change, then the write that follows it (the production path, flush included).
void BM_WriteAfterAChange(benchmark::State& state) {
    Kept kept;
    int i = 0;
    for (auto _ : state) {
        kept.locator.setText(QStringLiteral("txtCity"), QString::number(++i));
        kept.recovery.checkpoint();
    }
    if (kept.recovery.writes() != i + 1) state.SkipWithError("a copy was not written");
    state.counters["copy_bytes"] = static_cast<double>(QFileInfo(kept.recovery.copyPath()).size());
    state.counters["sections_kept"] =
        static_cast<double>(RecoveryCopy::filesOf(*kept.interview).size());
}
BENCHMARK(BM_WriteAfterAChange)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The part spent before the disk: every section file's content, compared with the
// saved answers, and the copy's bytes.
void BM_ContentOfEveryAnswer(benchmark::State& state) {
    Kept kept;
    qsizetype bytes = 0;
    for (auto _ : state) {
        const RecoveryCopy copy{QDateTime::currentDateTimeUtc(),
                                QStringLiteral("Jane Q. Doe"),
                                RecoveryCopy::filesOf(*kept.interview),
                                {QStringLiteral("ctlDemographic"), 2}};
        benchmark::DoNotOptimize(copy.files == copy.files);
        bytes = copy.encode().size();
    }
    state.counters["copy_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ContentOfEveryAnswer)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The atomic write alone, by the size of the copy (eight full section files come
// to some tens of kilobytes).
void BM_AtomicWriteOfSize(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("copy.recovery"));
    const QByteArray bytes(state.range(0) * 1024, 'a');
    for (auto _ : state)
        if (!writeFileAtomically(path, bytes)) state.SkipWithError("not written");
}
BENCHMARK(BM_AtomicWriteOfSize)
    ->Arg(8)
    ->Arg(32)
    ->Arg(128)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    return yrn::bench::runBenchmarks(argc, argv, yrn::bench::Windows::No);
}
