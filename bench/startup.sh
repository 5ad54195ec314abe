#!/usr/bin/env bash
# Start-up beside a bare Qt Widgets window: the time from process start to
# the first window mapped (Ziehbuch's About box) and the peak resident memory
# at that moment, with an archive of 32767 draws, under Xvfb. The two programs
# alternate; the medians and their ratios are printed.
#
# Usage: bench/startup.sh [runs]      (default 9)
# ZIEHBUCH=/path/to/ziehbuch measures another build of the program instead.
set -euo pipefail

cd "$(dirname "$0")/.."
laeufe=${1:-9}
build=${BUILD_DIR:-build-startup}

fehlt=()
command -v Xvfb >/dev/null || fehlt+=(xvfb)
for paket in cmake ninja-build g++ pkg-config qt6-base-dev libpulse-dev fonts-liberation \
             libxcb1-dev; do
    dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q "ok installed" || fehlt+=("$paket")
done
if ((${#fehlt[@]})); then
    echo "missing: apt-get install ${fehlt[*]}" >&2
    exit 1
fi

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZIEHBUCH_TESTS=OFF >/dev/null
cmake --build "$build" --target ziehbuch demoarchiv bare_window startup_watch >/dev/null

ordner=$(mktemp -d)
xvfb_pid=
aufraeumen() {
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$ordner"
}
trap aufraeumen EXIT
# The program keeps its files in its own folder.
mkdir "$ordner/programm"
cp "${ZIEHBUCH:-$build/ziehbuch}" "$ordner/programm/ziehbuch"
"$build/tools/demoarchiv" "$ordner/programm" 32767

# Xvfb picks a free display and writes its number to the given descriptor.
exec 3> "$ordner/display"
# Without -noreset the server resets whenever its last client leaves, and turns
# away whoever connects meanwhile.
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 200); do
    [[ -s $ordner/display ]] && break
    sleep 0.05
done
if [[ ! -s $ordner/display ]]; then
    echo "Xvfb did not start" >&2
    exit 1
fi
export DISPLAY=:$(cat "$ordner/display")
export QT_QPA_PLATFORM=xcb

messen() { "$build/bench/startup/startup_watch" "$@"; }

# One unmeasured start of each fills the file cache.
messen "$build/bench/startup/bare_window" >/dev/null
messen "$ordner/programm/ziehbuch" >/dev/null
: > "$ordner/bare" && : > "$ordner/ziehbuch"
for _ in $(seq "$laeufe"); do
    messen "$build/bench/startup/bare_window" >> "$ordner/bare"
    messen "$ordner/programm/ziehbuch" >> "$ordner/ziehbuch"
done

# The median of column $1 of a file of numbers.
median() {
    sort -g -k"$1,$1" "$2" | awk -v s="$1" '{ v[NR] = $s }
        END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
bare_ms=$(median 1 "$ordner/bare")
bare_kb=$(median 2 "$ordner/bare")
ziehbuch_ms=$(median 1 "$ordner/ziehbuch")
ziehbuch_kb=$(median 2 "$ordner/ziehbuch")

echo "medians of $laeufe alternating runs, 32767 draws, start to first window mapped:"
awk -v bm="$bare_ms" -v bk="$bare_kb" -v zm="$ziehbuch_ms" -v zk="$ziehbuch_kb" 'BEGIN {
    printf "  %-12s %9s %12s\n", "", "ms", "peak RSS MB"
    printf "  %-12s %9.1f %12.1f\n", "bare window", bm, bk / 1024
    printf "  %-12s %9.1f %12.1f\n", "Ziehbuch", zm, zk / 1024
    printf "  %-12s %8.2f× %+11.1f\n", "Ziehbuch is", zm / bm, (zk - bk) / 1024
}'
