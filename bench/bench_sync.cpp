// The 5 000 generated clients synced into a local PostgreSQL server (one of the
// benchmark's own, on a Unix socket), as yrn-tool sync does. Targets: the first
// sync within 30 s, a sync after 10 clients changed within 3 s, and memory that
// does not grow with the number of clients (yrn-tool's peak for 1 000 and 5 000).
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <QFile>
#include <QProcess>

#include "BenchMain.h"
#include "GeneratedClients.h"
#include "support/PostgresServer.h"
#include "tools/ClientExport.h"
#include "tools/SqlSync.h"

using namespace yrn;
using bench::clients;
using bench::kClients;

namespace {

test::PostgresServer& server() {
    static test::PostgresServer running;
    return running;
}

DatabaseTarget target() {
    DatabaseTarget pg;
    QString why;
    parseDatabaseTarget(server().url(), pg, why);
    return pg;
}

// One sync of a program folder into a site; the clients written.
int sync(const QString& folder, const QString& site, benchmark::State& state) {
    ClientExport all(folder);
    SqlSync sink(target(), {site, false});
    QString error;
    if (!all.run(sink, nullptr, &error)) state.SkipWithError(error.toStdString().c_str());
    return sink.counts().written;
}

void BM_SyncFirst(benchmark::State& state) {
    int round = 0;
    for (auto _ : state)
        state.counters["written"] = sync(clients().path, QString("first%1").arg(++round), state);
}
BENCHMARK(BM_SyncFirst)->Unit(benchmark::kSecond)->Iterations(2);

// Ten clients' locator files changed since the last sync.
void BM_SyncTenChanged(benchmark::State& state) {
    sync(clients().path, "changed", state);
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ++round;
        for (int i = 0; i < 10; ++i) {
            QFile file(
                QDir(clients().path).filePath(clients().names.at(i * 400) + "/Location.YRN"));
            if (file.open(QIODevice::Append)) file.write(QByteArray::number(round));
        }
        state.ResumeTiming();
        state.counters["written"] = sync(clients().path, "changed", state);
    }
}
BENCHMARK(BM_SyncTenChanged)->Unit(benchmark::kMillisecond)->Iterations(3);

// yrn-tool's peak resident memory for a first sync of 1 000 and of 5 000 clients.
void BM_SyncPeakMemory(benchmark::State& state) {
    static const bench::GeneratedClients thousand(1000);
    for (auto _ : state) {
        for (const auto& [folder, name] : {std::pair{thousand.path, "peak_MB_1000"},
                                           std::pair{clients().path, "peak_MB_5000"}}) {
            std::fflush(nullptr);
            const pid_t child = fork();
            if (child == 0) {
                const QByteArray program = YRN_PROGRAM_DIR "/yrn-tool";
                const QByteArray f = folder.toLocal8Bit(), url = server().url().toLocal8Bit(),
                                 site = QByteArray("memory-") + name;
                execl(program.constData(), "yrn-tool", "sync", f.constData(), "--database",
                      url.constData(), "--site", site.constData(), "--quiet", nullptr);
                _exit(127);
            }
            int status = 0;
            rusage usage{};
            wait4(child, &status, 0, &usage);
            state.counters[name] = double(usage.ru_maxrss) / 1024.0;
        }
    }
}
BENCHMARK(BM_SyncPeakMemory)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    // The clients and the server are ready before the clock runs.
    return yrn::bench::runBenchmarks(argc, argv, yrn::bench::Windows::No, [] {
        clients();
        if (!server().started) std::fprintf(stderr, "%s\n", qPrintable(server().log));
    });
}
