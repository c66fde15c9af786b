#!/usr/bin/env bash
# Soak of the secure exchange between two computers running the real program (network namespaces,
# one Wine prefix each): builds what the computers install, then sends MESSAGES secure messages
# (default 1000) both ways and reports the lost and garbled ones and the time from send to shown
# (median, 95th percentile). Needs root.
#   soak_secure.sh [MESSAGES]
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
source "$ROOT/scripts/build_trees.sh"
kivet_build_windows program_driver
/usr/bin/python3 "$ROOT/tests/net/secure_soak.py" --bin "$ROOT/build/win/bin" --messages "${1:-1000}"
