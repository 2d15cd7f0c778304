#!/usr/bin/env bash
# Countdown accuracy on the real Qt timers: RUNS runs (default 5) of Ligado → loss box on
# a private Xvfb, each printing how far the last stage's timer event and the box on screen
# are from 60.5 s; then the medians. The runs overlap, started STAGGER_S apart (default
# 1.2 s) so that no two have their timer events or boxes at the same moment.
#
#   bash bench/countdown/run.sh
set -euo pipefail

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
OUT=${OUT:-/tmp/zanfira-countdown-bench}
RUNS=${RUNS:-5}
STAGGER_S=${STAGGER_S:-1.2}

mkdir -p "$OUT"
cmake -S "$HERE" -B "$OUT/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >"$OUT/build.log"
cmake --build "$OUT/build" >>"$OUT/build.log"

# Xvfb picks a free display and writes its number into the fifo.
rm -f "$OUT/display" "$OUT"/run*.txt
mkfifo "$OUT/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$OUT/display" >"$OUT/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill $xvfb' EXIT
read -r -t 30 display <"$OUT/display"
mkdir -p -m 700 "$OUT/runtime"

runs=()
for ((run = 1; run <= RUNS; run++)); do
    DISPLAY=":$display" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$OUT/runtime" \
        "$OUT/build/countdown_accuracy" >"$OUT/run$run.txt" 2>>"$OUT/stderr.log" &
    runs+=($!)
    sleep "$STAGGER_S"
done
wait "${runs[@]}"

cat "$OUT"/run*.txt
median() { # field
    grep -o "$1=[-+0-9.]*" "$OUT"/run*.txt | cut -d= -f2 | sort -g |
        awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}
echo "median over $RUNS runs: last stage $(median stage32_error_ms) ms," \
    "loss box on screen $(median box_error_ms) ms (against 60.5 s)"
