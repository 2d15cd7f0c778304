#!/usr/bin/env bash
# Resident memory of the real window over a million clicks, under Qt's offscreen platform.
#
#   bash bench/click-memory/run.sh
set -euo pipefail

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
OUT=${OUT:-/tmp/zanfira-click-memory-bench}

mkdir -p "$OUT"
cmake -S "$HERE" -B "$OUT/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >"$OUT/build.log"
cmake --build "$OUT/build" >>"$OUT/build.log"
mkdir -p -m 700 "$OUT/runtime"
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$OUT/runtime" "$OUT/build/click_memory"
