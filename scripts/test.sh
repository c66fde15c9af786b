#!/usr/bin/env bash
# Installs what is missing, builds the native and the Windows trees, and runs every test:
# the native unit tests (with AddressSanitizer and UBSan) and the Windows tests under Wine.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
JOBS="$(nproc)"

bash "$ROOT/scripts/setup.sh"

cmake -S "$ROOT" -B "$ROOT/build/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$ROOT/build/native" -j "$JOBS"
cmake -S "$ROOT" -B "$ROOT/build/win" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$ROOT/build/win" -j "$JOBS"

status=0
echo "== Native unit tests"
(cd "$ROOT/build/native" && ctest --output-on-failure -j "$JOBS") || status=1

echo "== Windows tests under Wine"
source "$ROOT/scripts/wine_session.sh"
trap kivet_wine_session_end EXIT
kivet_wine_session_begin "$ROOT/build/wine-prefix"
(cd "$ROOT/build/win" && ctest --output-on-failure) || status=1
exit $status
