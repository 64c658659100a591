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

here="$(cd "$(dirname "$0")/.." && pwd)"
program="${1:-$here/build/program}"
runs="${2:-11}"
exe="$program/yrn"
[ -x "$exe" ] || { echo "no program at $exe (build the yrn target first)" >&2; exit 2; }

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

# One launch: "<ms to ready> <peak KiB>".
launch() {
    local start line
    start=$(date +%s%3N)
    line=$(YRN_SKIP_SPLASH=1 YRN_READY_PROBE=1 timeout 30 "$1" 2>/dev/null | grep '^ready ' | head -1)
    [ -n "$line" ] || { echo "$1 did not report ready" >&2; exit 1; }
    echo "$(( $(echo "$line" | cut -d' ' -f2) - start )) $(echo "$line" | cut -d' ' -f3)"
}

# The median and the worst of numbers, one a line.
summary() {
    local sorted
    sorted=$(sort -n)
    echo "$(echo "$sorted" | sed -n "$(( (runs + 1) / 2 ))p") $(echo "$sorted" | tail -1)"
}

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

if [ -n "${DISPLAY:-}" ] || [ -n "${QT_QPA_PLATFORM:-}" ]; then
    measure
elif [ -z "${YRN_STARTUP_INNER:-}" ] && command -v xvfb-run >/dev/null; then
    YRN_STARTUP_INNER=1 exec xvfb-run -a -s "-screen 0 1366x768x24" "$0" "$program" "$runs"
else
    QT_QPA_PLATFORM=offscreen measure
fi
