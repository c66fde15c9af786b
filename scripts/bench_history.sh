#!/usr/bin/env bash
# Measures one history append to a new file and to a large history under Wine.
#   bash scripts/bench_history.sh [runs] [megabytes]
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
bash "$ROOT/scripts/setup.sh"
source "$ROOT/scripts/build_trees.sh"
kivet_build_windows history_append_bench
source "$ROOT/scripts/wine_session.sh"
trap kivet_wine_session_end EXIT
kivet_wine_session_begin "$ROOT/build/bench-prefix"
cd "$ROOT/build/win/bin"
wine history_append_bench.exe "${1:-50}" "${2:-50}"
