// The search of the open-client dialog over 5 000 client folders. Target: the
// list answers within 100 ms of a keystroke.
//
//   BM_ReadClientFolders   reading the client folders under the program folder, in
//                          the dialog's background thread: the first reading of a
//                          session (/0), and one after a showing, where folders
//                          unchanged since are not read again (/1)
//   BM_Find                filtering the names held in memory (no widgets)
//   BM_Keystroke           one keystroke in the dialog's search box: the list
//                          filled anew and the dialog painted
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QListView>

#include "BenchMain.h"
#include "GeneratedClients.h"
#include "app/ClientDialog.h"
#include "app/ClientSearch.h"

using namespace yrn;
using bench::clients;

namespace {

QStringList sectionFiles() {
    return {"Location.YRN", "Demographic.YRN",     "Medical.YRN",      "Employment.YRN",
            "Drugs.YRN",    "CriminalJustice.YRN", "FamilySocial.YRN", "MentalHealth.YRN"};
}

void BM_ReadClientFolders(benchmark::State& state) {
    const QString program = clients().path;
    ClientIndex index(sectionFiles());
    for (auto _ : state) {
        if (state.range(0) == 0) index = ClientIndex(sectionFiles());
        index.scan(program);
        benchmark::DoNotOptimize(index.size());
    }
    state.counters["folders"] = static_cast<double>(index.size());
}
BENCHMARK(BM_ReadClientFolders)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

// Queries as a person types them: a letter (many matches), a name, a date.
const QStringList kQueries{"s", "smi", "smith j", "mu\u00f1", "5/7", "05/07/2003"};

void BM_Find(benchmark::State& state) {
    ClientIndex index(sectionFiles());
    index.scan(clients().path);
    const QString query = kQueries.at(state.range(0));
    qsizetype found = 0;
    for (auto _ : state) {
        found = index.find(query).size();
        benchmark::DoNotOptimize(found);
    }
    state.SetLabel(query.toStdString());
    state.counters["found"] = static_cast<double>(found);
}
BENCHMARK(BM_Find)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

void BM_Keystroke(benchmark::State& state) {
    RecordingPrompts prompts;
    ClientDialog dialog(clients().path, prompts);
    dialog.setSectionFileNames(sectionFiles());
    dialog.show();
    // The folders are read in the background once the dialog shows.
    while (!dialog.clientsRead())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const QString query = kQueries.at(state.range(0));
    for (auto _ : state) {
        // Typing the query's last letter, from the query without it.
        state.PauseTiming();
        dialog.searchBox()->setText(query.chopped(1));
        state.ResumeTiming();
        dialog.searchBox()->setText(query);
        dialog.repaint();
    }
    state.SetLabel(query.toStdString());
    state.counters["found"] = dialog.searchResults()->model()->rowCount();
}
BENCHMARK(BM_Keystroke)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // The clients are generated before the clock runs.
    return yrn::bench::runBenchmarks(argc, argv, yrn::bench::Windows::Yes, [] { clients(); });
}
