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
(cd "$ROOT/build/fuzz" && ctest --output-on-failure -j "$JOBS") || status=1

echo "== Windows tests under Wine"
# The program under test speaks NetBIOS on its network: the tests run in a network namespace of
# their own whose one interface leads nowhere, so nothing they send leaves the machine.
# The tests with several computers make their own namespaces.
source "$ROOT/scripts/test_network.sh"
kivet_test_network_begin
trap kivet_test_network_end EXIT
kivet_in_test_network bash "$ROOT/scripts/wine_tests.sh" || status=1
exit $status
