#!/usr/bin/env bash
# The start-up and memory budget: the game against its floor, a plain Qt Widgets window
# with the same widgets, launched in turn on a private Xvfb inside one D-Bus session, as
# on a running desktop. Prints min/median/max of the time from exec to the first map and
# of the resident memory one second later, idle wake-ups and started helpers, then how
# the game stands against its targets. Exit status 1 when it misses one.
#
#   bash bench/startup-budget/run.sh
#   ROUNDS=15 WARMUP=2 SETTLE_MS=1000 IDLE_MS=3000 DISPLAY_NUM=57 bash bench/startup-budget/run.sh
#   GAME=/path/to/zanfira bash ...   # measure that binary instead of a fresh Release build
set -euo pipefail

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
ROOT=$(cd "$HERE/../.." && pwd)
OUT=${OUT:-/tmp/zanfira-startup-budget}
ROUNDS=${ROUNDS:-15}
WARMUP=${WARMUP:-2}
SETTLE_MS=${SETTLE_MS:-1000}
IDLE_MS=${IDLE_MS:-3000}
DISPLAY_NUM=${DISPLAY_NUM:-57}
RESULTS=$OUT/results.txt

# One launch with a fresh home; prints mapwait's line, or map_ms=FAIL.
launch() { # program
    local home
    home=$(mktemp -d "$OUT/home.XXXXXX")
    mkdir -p -m 700 "$home/run"
    env -i PATH=/usr/bin:/bin DISPLAY=":$DISPLAY_NUM" HOME="$home" \
        XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache" \
        XDG_RUNTIME_DIR="$home/run" LANG=C.UTF-8 \
        DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" \
        "$OUT/tools/mapwait" -s "$SETTLE_MS" -i "$IDLE_MS" -- "$1" </dev/null \
        2>>"$OUT/stderr.log" | grep '^map_ms=' || echo "map_ms=FAIL"
    rm -rf "$home"
}

# Inside the D-Bus session: the rounds, the two programs interleaved.
if [ "${1:-}" = __rounds ]; then
    : >"$RESULTS"
    for ((round = 1; round <= WARMUP + ROUNDS; round++)); do
        for program in floor game; do
            executable=$OUT/tools/floor
            [ $program = game ] && executable=$GAME
            line=$(launch "$executable")
            echo "round=$round program=$program $line" >>"$RESULTS"
            echo "round $round/$((WARMUP + ROUNDS)) $program: ${line%% w=*}" >&2
        done
    done
    exit 0
fi

for command in Xvfb xdpyinfo dbus-run-session cmake ninja gcc awk; do
    command -v "$command" >/dev/null || { echo "missing: $command" >&2; exit 2; }
done
mkdir -p "$OUT"
cmake -S "$HERE" -B "$OUT/tools" -G Ninja -DCMAKE_BUILD_TYPE=Release >"$OUT/build.log"
cmake --build "$OUT/tools" >>"$OUT/build.log"
if [ -z "${GAME:-}" ]; then
    cmake -S "$ROOT" -B "$OUT/game" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
        >>"$OUT/build.log"
    cmake --build "$OUT/game" >>"$OUT/build.log"
    GAME=$OUT/game/src/zanfira
fi

if [ -e "/tmp/.X$DISPLAY_NUM-lock" ]; then
    echo "display :$DISPLAY_NUM is in use; set DISPLAY_NUM" >&2
    exit 2
fi
Xvfb ":$DISPLAY_NUM" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$OUT/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 100); do
    DISPLAY=":$DISPLAY_NUM" xdpyinfo >/dev/null 2>&1 && break
    sleep 0.05
done

: >"$OUT/stderr.log"
session=$OUT/session
rm -rf "$session"
mkdir -p -m 700 "$session/run"
env -i PATH=/usr/bin:/bin HOME="$session" XDG_RUNTIME_DIR="$session/run" LANG=C.UTF-8 \
    OUT="$OUT" GAME="$GAME" ROUNDS="$ROUNDS" WARMUP="$WARMUP" SETTLE_MS="$SETTLE_MS" \
    IDLE_MS="$IDLE_MS" DISPLAY_NUM="$DISPLAY_NUM" \
    dbus-run-session -- bash "$HERE/run.sh" __rounds

echo
echo "$ROUNDS rounds after $WARMUP warm-up; RSS ${SETTLE_MS} ms after the map;" \
    "wake-ups over ${IDLE_MS} ms of idling, time limit off"
awk -v warmup="$WARMUP" -f "$HERE/table.awk" "$RESULTS"
