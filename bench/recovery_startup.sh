#!/bin/bash
# Start-up of the program with a recovery folder that holds far more, or far
# larger, than recovery copies: how long from the launch until the program waits
# for the person, that is until the main window is ready (YRN_READY_PROBE) or
# until the first box is up and the program sits idle in it.
#
# Each case starts the program once with HOME pointed at a temporary home whose
# recovery folder (~/.local/share/halverin-yrn/recovery) holds:
#   locks      80,000 lock files of dead programs, without copies
#   copies     80,000 empty (damaged) copies
#   junk       80,000 entries of other names, and one copy
#   long-name  one copy whose client name is 8 MB long
#   empty      nothing, for comparison
#
# Usage: bench/recovery_startup.sh [program folder] [cases...]
#   program folder  where the yrn executable lies (default build/program)
# Target: the program waits for the person within a second in every case.
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
program="${1:-$here/build/program}"
shift || true
cases=("$@")
[ ${#cases[@]} -gt 0 ] || cases=(empty locks copies junk long-name)
exe="$program/yrn"
[ -x "$exe" ] || { echo "no program at $exe (build the yrn target first)" >&2; exit 2; }

count=80000
# The names of the program's own files: interview-<32 hex digits>.recovery / .lock.
names() { seq 1 "$count" | awk -v suffix="$1" '{ printf "interview-%032x%s\n", $1, suffix }'; }
copy() {  # a whole copy without section files: name, then file
    printf 'YRN recovery copy 1\r\nwritten 2024-03-14T18:35:07.000Z\r\nname %s\r\nend\r\n' "$1" >"$2"
}

fill() {
    local folder=$1 kind=$2
    mkdir -p "$folder"
    chmod 700 "$folder"
    case $kind in
        locks)
            printf '2147483000\nyrn\n%s\n' "$(hostname)" >"$folder/template"
            (cd "$folder" && names .lock | xargs -n 2000 sh -c 'tee "$@" <template >/dev/null' sh &&
                rm template) ;;
        copies)
            (cd "$folder" && names .recovery | xargs -n 2000 touch) ;;
        junk)
            (cd "$folder" && seq 1 "$count" | sed 's/.*/interview-junk-&.recovery/' |
                xargs -n 2000 touch)
            copy "Jane Q. Doe" "$folder/$(printf 'interview-%032x.recovery' 1)" ;;
        empty) ;;
        long-name)
            copy "$(head -c 8000000 /dev/zero | tr '\0' A)" "$folder/$(printf 'interview-%032x.recovery' 1)" ;;
    esac
}

# CPU ticks the process has used so far.
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null || echo -1; }

measure() {
    local kind=$1 home out pid start last lastTicks now t line
    home=$(mktemp -d)
    out="$home/out"
    fill "$home/.local/share/halverin-yrn/recovery" "$kind"
    start=$(date +%s%3N)
    HOME="$home" XDG_DATA_HOME= QT_QPA_PLATFORM=offscreen YRN_SKIP_SPLASH=1 YRN_READY_PROBE=1 \
        "$exe" >"$out" 2>/dev/null &
    pid=$!
    last=$start
    lastTicks=-1
    while :; do
        sleep 0.05
        now=$(date +%s%3N)
        line=$(grep '^ready ' "$out" || true)
        if [ -n "$line" ]; then
            echo "$kind: main window ready after $(($(echo "$line" | cut -d' ' -f2) - start)) ms"
            break
        fi
        t=$(ticks "$pid")
        if [ "$t" = -1 ]; then
            echo "$kind: the program ended without being ready"
            break
        fi
        [ "$t" != "$lastTicks" ] && { lastTicks=$t; last=$now; }
        if [ $((now - last)) -ge 1500 ]; then
            echo "$kind: waiting in a box after $((last - start)) ms"
            break
        fi
        if [ $((now - start)) -ge 300000 ]; then
            echo "$kind: still busy after 300 s"
            break
        fi
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    rm -rf "$home"
}

for kind in "${cases[@]}"; do
    measure "$kind"
done
