#!/usr/bin/env bash
# Runs the Windows tests under Wine: a Wine session of their own (prefix, wineserver, Xvfb) and
# ctest in the Windows tree. scripts/test.sh runs it inside a network namespace of its own.
#   wine_tests.sh [ctest arguments...]
set -uo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
source "$ROOT/scripts/wine_session.sh"
kivet_wine_session_trap
kivet_wine_session_begin "$ROOT/build/wine-prefix"
cd "$ROOT/build/win" && ctest --output-on-failure "$@"
