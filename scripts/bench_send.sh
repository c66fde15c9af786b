#!/usr/bin/env bash
# Plain sends per second to one recipient through the sending thread and the real Win32 mailslot
# writer, under Wine (on one computer: the recipient's mailslot is in the benchmark itself).
#   bash scripts/bench_send.sh [short-sends] [long-sends]
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
bash "$ROOT/scripts/setup.sh"
source "$ROOT/scripts/build_trees.sh"
kivet_build_windows send_bench
source "$ROOT/scripts/wine_session.sh"
trap kivet_wine_session_end EXIT
kivet_wine_session_begin "$ROOT/build/bench-prefix"
cd "$ROOT/build/win/bin"
wine send_bench.exe "${1:-5000}" "${2:-10}"
