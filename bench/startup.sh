#!/bin/bash
# Whole-process start-up timing of the program.
#
# Launches the program several times and reports how long it takes from the
# launch until the main window is laid out and painted with the open-client
# dialog beside it, and the peak resident memory at that moment. The two-second
# splash is left out: the program honours two variables meant for this script
# only, YRN_SKIP_SPLASH=1 (no splash) and YRN_READY_PROBE=1 (print
# "ready <epoch ms> <peak KiB>" when ready, then end).
#
# Usage: bench/startup.sh [program folder] [runs]
#   program folder  where the yrn executable lies (default build/program)
#   runs            number of launches (default 7)
# Without a display the script uses xvfb-run when it is installed, otherwise
# Qt's offscreen platform (which paints to memory only).
# Targets: ready under 400 ms, peak resident memory under 80 MB.
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
program="${1:-$here/build/program}"
runs="${2:-7}"
exe="$program/yrn"
[ -x "$exe" ] || { echo "no program at $exe (build the yrn target first)" >&2; exit 2; }

measure() {
    local times=() peaks=()
    for _ in $(seq "$runs"); do
        local start line
        start=$(date +%s%3N)
        line=$(YRN_SKIP_SPLASH=1 YRN_READY_PROBE=1 timeout 30 "$exe" 2>/dev/null | grep '^ready ' | head -1)
        [ -n "$line" ] || { echo "the program did not report ready" >&2; exit 1; }
        times+=($(( $(echo "$line" | cut -d' ' -f2) - start )))
        peaks+=("$(echo "$line" | cut -d' ' -f3)")
    done
    local sorted median max peak
    sorted=$(printf '%s\n' "${times[@]}" | sort -n)
    median=$(echo "$sorted" | sed -n "$(( (runs + 1) / 2 ))p")
    max=$(echo "$sorted" | tail -1)
    peak=$(printf '%s\n' "${peaks[@]}" | sort -n | tail -1)
    echo "platform: ${QT_QPA_PLATFORM:-xcb} ${DISPLAY:+display $DISPLAY}"
    echo "start-up to ready: median ${median} ms, max ${max} ms over ${runs} runs (target < 400 ms)"
    echo "peak resident memory: $(( peak / 1024 )) MiB (${peak} KiB, target < 80 MB)"
    [ "$median" -lt 400 ] && [ "$peak" -lt 81920 ]
}

if [ -n "${DISPLAY:-}" ] || [ -n "${QT_QPA_PLATFORM:-}" ]; then
    measure
elif [ -z "${YRN_STARTUP_INNER:-}" ] && command -v xvfb-run >/dev/null; then
    YRN_STARTUP_INNER=1 exec xvfb-run -a -s "-screen 0 1366x768x24" "$0" "$program" "$runs"
else
    QT_QPA_PLATFORM=offscreen measure
fi
