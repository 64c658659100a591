// The answers of 5 000 generated clients exported to CSV and to SQLite, as
// yrn-tool export-csv and export-sqlite do. Target: well under a minute.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>

#include "BenchMain.h"
#include "GeneratedClients.h"
#include "tools/ClientExport.h"
#include "tools/CsvExport.h"
#include "tools/SqlSync.h"

using namespace yrn;
using bench::clients;
using bench::kClients;

namespace {

// An SQLite file synced as yrn-tool export-sqlite syncs it.
struct SqliteFile : SqlSync {
    explicit SqliteFile(const QString& path)
        : SqlSync(DatabaseTarget{DatabaseTarget::Kind::Sqlite, path, {}, {}, {}, -1},
                  {QStringLiteral("bench"), true}) {}
};

template <class Sink>
void exportAll(benchmark::State& state, const QString& fileName) {
    const QString out = clients().root.filePath(fileName);
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(out);
        state.ResumeTiming();
        ClientExport all(clients().path);
        Sink sink(out);
        QString error;
        if (!all.run(sink, nullptr, &error)) state.SkipWithError(error.toStdString().c_str());
    }
    state.counters["clients"] = kClients;
    state.counters["MB"] = static_cast<double>(QFile(out).size()) / 1e6;
}

void BM_ExportCsv(benchmark::State& state) {
    exportAll<CsvExport>(state, "clients.csv");
}
BENCHMARK(BM_ExportCsv)->Unit(benchmark::kSecond)->Iterations(3);

void BM_ExportSqlite(benchmark::State& state) {
    exportAll<SqliteFile>(state, "clients.sqlite");
}
BENCHMARK(BM_ExportSqlite)->Unit(benchmark::kSecond)->Iterations(3);

// A second export into the same database: nothing changed, nothing is written.
void BM_ExportSqliteAgain(benchmark::State& state) {
    const QString out = clients().root.filePath("again.sqlite");
    {
        ClientExport all(clients().path);
        SqliteFile sink(out);
        all.run(sink, nullptr, nullptr);
    }
    for (auto _ : state) {
        ClientExport all(clients().path);
        SqliteFile sink(out);
        QString error;
        if (!all.run(sink, nullptr, &error)) state.SkipWithError(error.toStdString().c_str());
    }
}
BENCHMARK(BM_ExportSqliteAgain)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    // The clients are generated before the clock runs.
    return yrn::bench::runBenchmarks(argc, argv, yrn::bench::Windows::No, [] { clients(); });
}
