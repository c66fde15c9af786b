#!/usr/bin/env bash
# Measures kivetsec's start-up to its message loop under Wine (Wine itself already up).
#   bash scripts/bench_startup.sh [runs]
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
bash "$ROOT/scripts/setup.sh"
source "$ROOT/scripts/build_trees.sh"
kivet_build_windows startup_bench
source "$ROOT/scripts/wine_session.sh"
kivet_wine_session_trap
kivet_wine_session_begin "$ROOT/build/bench-prefix"
cd "$ROOT/build/win/bin"
wine startup_bench.exe "${1:-10}"
