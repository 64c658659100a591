#pragma once

// The main of the benchmark programs: a Qt application (one with windows on the
// offscreen platform, unless a platform is chosen), the benchmark flags, what must
// be ready before the clock runs, then the benchmarks.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <functional>
#include <memory>

namespace yrn::bench {

enum class Windows { No, Yes };

inline int runBenchmarks(int& argc, char** argv, Windows windows,
                         const std::function<void()>& prepare = {}) {
    std::unique_ptr<QCoreApplication> app;
    if (windows == Windows::Yes) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    benchmark::Initialize(&argc, argv);
    if (prepare) prepare();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace yrn::bench
