// Start-up and pane switching of the main window, measured in-process on the
// offscreen platform (bench/startup.sh measures the whole process on a display).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "BenchMain.h"
#include "app/ClientDialog.h"
#include "app/MainWindow.h"
#include "app/PaneView.h"
#include "interview/Section.h"
#include "report/ReportAssembly.h"
#include "support/RecordingPrompts.h"

using namespace yrn;

namespace {

struct NoOpener : DocumentOpener {
    int open(const QString&) override { return 42; }
};

// A started window on an empty program folder, its dialog put away.
struct StartedWindow {
    QTemporaryDir program;
    RecordingPrompts prompts;
    NoOpener opener;
    MainWindow window{prompts, program.path(), &opener};
    StartedWindow() {
        window.setExitHandler([] {});
        window.startUp();
        window.clientDialog().hide();
        QApplication::processEvents();
    }
};

// Everything the window does from its construction until it is laid out and
// painted with the open-client dialog beside it.
void BM_MainWindowReady(benchmark::State& state) {
    QTemporaryDir program;
    for (auto _ : state) {
        RecordingPrompts prompts;
        NoOpener opener;
        MainWindow window(prompts, program.path(), &opener);
        window.setExitHandler([] {});
        window.startUp();
        window.repaint();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.currentPane());
        state.PauseTiming();
        window.clientDialog().hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MainWindowReady)->Unit(benchmark::kMillisecond)->Iterations(10);

// One View menu switch to another section, painted.
void BM_SwitchPane(benchmark::State& state) {
    StartedWindow started;
    MainWindow& window = started.window;
    int item = 0;
    for (auto _ : state) {
        item = (item + 1) % 9;
        window.view(item);
        window.repaint();
        benchmark::DoNotOptimize(window.currentPane());
    }
}
BENCHMARK(BM_SwitchPane)->Unit(benchmark::kMillisecond);

// Next through a whole section and back (page switches within a pane).
void BM_PageNavigation(benchmark::State& state) {
    StartedWindow started;
    MainWindow& window = started.window;
    for (auto _ : state) {
        window.view(5);
        PaneView* pane = window.currentPane();
        while (pane && pane->currentPage() != pane->section().lastPage()) {
            pane->next();
            window.repaint();
        }
    }
}
BENCHMARK(BM_PageNavigation)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return yrn::bench::runBenchmarks(argc, argv, yrn::bench::Windows::Yes);
}
