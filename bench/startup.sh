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

default_runs=7
# shellcheck source=bench/startup_common.sh
source "$(dirname "$0")/startup_common.sh"

measure() {
    local times=() peaks=()
    for _ in $(seq "$runs"); do
        local run
        run=$(launch "$exe")
        times+=("${run% *}")
        peaks+=("${run#* }")
    done
    local median max peak
    read -r median max < <(printf '%s\n' "${times[@]}" | summary)
    peak=$(printf '%s\n' "${peaks[@]}" | sort -n | tail -1)
    echo "platform: ${QT_QPA_PLATFORM:-xcb} ${DISPLAY:+display $DISPLAY}"
    echo "start-up to ready: median ${median} ms, max ${max} ms over ${runs} runs (target < 400 ms)"
    echo "peak resident memory: $(( peak / 1024 )) MiB (${peak} KiB, target < 80 MB)"
    [ "$median" -lt 400 ] && [ "$peak" -lt 81920 ]
}

on_display
