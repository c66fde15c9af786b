#!/usr/bin/env bash
# The cipher's throughput the way callers use it (one call per 8-byte block, key every call):
# natively against OpenSSL's CAST5-ECB in the same run, and through the COM interface under Wine.
#   bash scripts/bench_secure.sh [MiB]
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
MIB="${1:-64}"
bash "$ROOT/scripts/setup.sh"
source "$ROOT/scripts/build_trees.sh"

cmake -S "$ROOT" -B "$ROOT/build/bench-native" -DCMAKE_BUILD_TYPE=Release -DKIVET_SANITIZE=OFF >/dev/null
cmake --build "$ROOT/build/bench-native" -j "$(nproc)" --target cast128_bench
echo "== Native, against OpenSSL"
"$ROOT/build/bench-native/tests/core/cast128_bench" "$MIB"

kivet_build_windows secure_bench
source "$ROOT/scripts/wine_session.sh"
kivet_wine_session_trap
kivet_wine_session_begin "$ROOT/build/bench-prefix"
cd "$ROOT/build/win/bin"
timeout 120 wine regsvr32 /s Secure.dll
echo "== Through the COM interface under Wine"
wine secure_bench.exe "$MIB"
