#!/usr/bin/env bash
# Measures kivetsec's start-up to its message loop under Wine (Wine itself already up).
#   bash scripts/bench_startup.sh [runs]
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
bash "$ROOT/scripts/setup.sh"
cmake -S "$ROOT" -B "$ROOT/build/win" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$ROOT/build/win" -j "$(nproc)" --target startup_bench
source "$ROOT/scripts/wine_session.sh"
trap kivet_wine_session_end EXIT
kivet_wine_session_begin "$ROOT/build/bench-prefix"
cd "$ROOT/build/win/bin"
wine startup_bench.exe "${1:-10}"
