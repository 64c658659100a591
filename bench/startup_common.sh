# shellcheck shell=bash
# Shared by the start-up scripts (sourced): the program to time, one launch of an
# executable that honours YRN_SKIP_SPLASH and YRN_READY_PROBE, the median and worst
# of the times, and running on a display.

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
program="${1:-$here/build/program}"
runs="${2:-$default_runs}"
exe="$program/yrn"
[ -x "$exe" ] || { echo "no program at $exe (build the yrn target first)" >&2; exit 2; }

# One launch: "<ms from launch to ready> <peak KiB>".
launch() {
    local start line
    start=$(date +%s%3N)
    line=$(YRN_SKIP_SPLASH=1 YRN_READY_PROBE=1 timeout 30 "$1" 2>/dev/null | grep '^ready ' | head -1)
    [ -n "$line" ] || { echo "$1 did not report ready" >&2; exit 1; }
    echo "$(( $(echo "$line" | cut -d' ' -f2) - start )) $(echo "$line" | cut -d' ' -f3)"
}

# The median and the worst of numbers given one a line.
summary() {
    local sorted
    sorted=$(sort -n)
    echo "$(echo "$sorted" | sed -n "$(( (runs + 1) / 2 ))p") $(echo "$sorted" | tail -1)"
}

# Runs measure on the display there is; without one, on xvfb-run when installed
# (the script starts again inside it), else on Qt's offscreen platform.
on_display() {
    if [ -n "${DISPLAY:-}" ] || [ -n "${QT_QPA_PLATFORM:-}" ]; then
        measure
    elif [ -z "${YRN_STARTUP_INNER:-}" ] && command -v xvfb-run >/dev/null; then
        YRN_STARTUP_INNER=1 exec xvfb-run -a -s "-screen 0 1366x768x24" "$0" "$program" "$runs"
    else
        QT_QPA_PLATFORM=offscreen measure
    fi
}
