#!/bin/bash
# Start-up of the program beside the floor: an empty Qt 6 main window with a
# menu bar, built by this script itself, each launched in turn in one run so that
# both meet the same machine load. Reports the median and worst time from launch
# to a painted window of each, the ratio of the medians and the peak resident
# memory. The program's splash is left out (YRN_SKIP_SPLASH=1); both print
# "ready <epoch ms> <peak KiB>" once painted and end (YRN_READY_PROBE=1).
#
# Usage: bench/startup_floor.sh [program folder] [runs]
#   program folder  where the yrn executable lies (default build/program)
#   runs            launches of each (default 11)
# Without a display it uses xvfb-run when installed, else Qt's offscreen platform.
# Target: the program's median at most 1.5 times the floor's.
set -euo pipefail

default_runs=11
# shellcheck source=bench/startup_common.sh
source "$(dirname "$0")/startup_common.sh"

floor_dir=$(mktemp -d)
trap 'rm -rf "$floor_dir"' EXIT
cat > "$floor_dir/floor.cpp" <<'CPP'
#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    for (const char* title : {"&File", "&View", "&Help"})
        window.menuBar()->addMenu(title)->addAction("Item");
    window.resize(1024, 700);
    window.show();
    QTimer::singleShot(0, &window, [&window] {
        window.repaint();
        QFile status("/proc/self/status");
        long peak = -1;
        if (status.open(QIODevice::ReadOnly))
            for (const QByteArray& line : status.readAll().split('\n'))
                if (line.startsWith("VmHWM:")) peak = line.mid(6).trimmed().split(' ').first().toLong();
        std::printf("ready %lld %ld\n", static_cast<long long>(QDateTime::currentMSecsSinceEpoch()), peak);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    return QApplication::exec();
}
CPP
# shellcheck disable=SC2046
g++ -O2 -fPIC -std=c++17 "$floor_dir/floor.cpp" -o "$floor_dir/floor" \
    $(pkg-config --cflags --libs Qt6Widgets)

measure() {
    local floor_runs=() yrn_runs=()
    for _ in $(seq "$runs"); do
        floor_runs+=("$(launch "$floor_dir/floor")")
        yrn_runs+=("$(launch "$exe")")
    done
    read -r floor_median floor_max < <(printf '%s\n' "${floor_runs[@]}" | cut -d' ' -f1 | summary)
    read -r yrn_median yrn_max < <(printf '%s\n' "${yrn_runs[@]}" | cut -d' ' -f1 | summary)
    floor_peak=$(printf '%s\n' "${floor_runs[@]}" | cut -d' ' -f2 | sort -n | tail -1)
    yrn_peak=$(printf '%s\n' "${yrn_runs[@]}" | cut -d' ' -f2 | sort -n | tail -1)
    echo "platform: ${QT_QPA_PLATFORM:-xcb} ${DISPLAY:+display $DISPLAY}, $runs runs each"
    echo "floor (empty window with a menu bar): median ${floor_median} ms, max ${floor_max} ms," \
         "peak $(( floor_peak / 1024 )) MiB"
    echo "yrn: median ${yrn_median} ms, max ${yrn_max} ms, peak $(( yrn_peak / 1024 )) MiB"
    ratio=$(awk -v a="$yrn_median" -v b="$floor_median" 'BEGIN { printf "%.2f", a / (b > 0 ? b : 1) }')
    echo "ratio of the medians: $ratio (target at most 1.5)"
    awk -v r="$ratio" 'BEGIN { exit !(r <= 1.5) }'
}

on_display
