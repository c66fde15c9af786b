#!/usr/bin/env bash
# Installs what is missing, builds the native and the Windows trees, and runs every test:
# the native unit tests (with AddressSanitizer and UBSan), the concurrency tests again under
# ThreadSanitizer, and the Windows tests under Wine.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
JOBS="$(nproc)"

bash "$ROOT/scripts/setup.sh"

source "$ROOT/scripts/build_trees.sh"
kivet_build_native
kivet_build_tsan
kivet_build_fuzz
kivet_build_windows

status=0
echo "== Native unit tests"
(cd "$ROOT/build/native" && ctest --output-on-failure -j "$JOBS") || status=1

echo "== Concurrency tests under ThreadSanitizer"
(cd "$ROOT/build/tsan" && ctest --output-on-failure -j "$JOBS" -R 'Concurrency') || status=1

echo "== Fuzzing the network readers for a bounded time (longer by hand: see tests/fuzz)"
(cd "$ROOT/build/fuzz" && ctest --output-on-failure) || status=1

echo "== Windows tests under Wine"
source "$ROOT/scripts/wine_session.sh"
kivet_wine_session_trap
kivet_wine_session_begin "$ROOT/build/wine-prefix"
(cd "$ROOT/build/win" && ctest --output-on-failure) || status=1
exit $status
