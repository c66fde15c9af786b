#!/usr/bin/env bash
# Our NetBIOS over TCP/IP: packets read per second natively, and mailslot datagrams delivered
# per second between two computers (network namespaces) each running the service under Wine.
#   bash scripts/bench_netbios.sh [datagrams]      (as root: it creates network namespaces)
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
COUNT="${1:-2000}"
bash "$ROOT/scripts/setup.sh"
source "$ROOT/scripts/build_trees.sh"

cmake -S "$ROOT" -B "$ROOT/build/bench-native" -DCMAKE_BUILD_TYPE=Release -DKIVET_SANITIZE=OFF >/dev/null
cmake --build "$ROOT/build/bench-native" -j 2 --target nbt_parse_bench
echo "== Native"
"$ROOT/build/bench-native/tests/core/netbios/nbt_parse_bench" 1

kivet_build_windows nbt_delivery_bench
NETNS="$ROOT/tests/net/netns.sh"
RUN="bench$$"
OUT="$(mktemp -d)"
trap '"$NETNS" down "$RUN" >/dev/null 2>&1 || true; rm -rf "$OUT"' EXIT
"$NETNS" up "$RUN" --wine A B
BIN="$ROOT/build/win/bin/nbt_delivery_bench.exe"
for burst in 0 16 4; do
    "$NETNS" run "$RUN" A wine "$BIN" receive PC-A OFFICE "$COUNT" >"$OUT/a" 2>&1 &
    for _ in $(seq 1 200); do grep -q ready "$OUT/a" && break; sleep 0.1; done
    if [ "$burst" = 0 ]; then
        echo "== Under Wine, B floods PC-A's mailslot with $COUNT datagrams of 311 bytes"
    else
        echo "== Under Wine, B writes $COUNT datagrams to PC-A, pausing 1 ms after every $burst"
    fi
    "$NETNS" run "$RUN" B wine "$BIN" send PC-B OFFICE PC-A "$COUNT" "$burst" >"$OUT/b" 2>&1 || true
    wait
    grep -h -E "^(sent|received)" "$OUT/b" "$OUT/a"
done
