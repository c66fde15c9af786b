#!/usr/bin/env bash
# Two computers exchange a secure message through the program's Win32 session and the real,
# registered Secure.dll. Each computer is a network namespace with its own host name, hosts file,
# Wine prefix and wineserver (the secure port is the same on both, so they cannot share one
# network stack); a veth pair joins them.
#   two_computers.sh <secure_exchange_peer.exe> <Secure.dll>
# Exits 77 (skipped) without root or network namespaces.
set -uo pipefail
PEER_EXE="$1"
SECURE_DLL="$2"
TEMPLATE="${KIVET_WINE_TEMPLATE:-/var/tmp/kivet-wine-template}"

if [ "$(id -u)" != 0 ] || ! command -v ip >/dev/null || ! command -v unshare >/dev/null || [ ! -d "$TEMPLATE" ]; then
    echo "skipped: needs root, ip, unshare and the Wine prefix template"
    exit 77
fi

A="ksa$$"
B="ksb$$"
WORK="$(mktemp -d /var/tmp/kivet-two-computers.XXXXXX)"
RECEIVER_PID=""

cleanup() {
    [ -n "$RECEIVER_PID" ] && kill "$RECEIVER_PID" 2>/dev/null
    for ns in "$A" "$B"; do
        for pid in $(ip netns pids "$ns" 2>/dev/null); do kill -9 "$pid" 2>/dev/null; done
        ip netns del "$ns" 2>/dev/null
    done
    rm -rf "$WORK"
}
trap cleanup EXIT

if ! ip netns add "$A" 2>/dev/null || ! ip netns add "$B" 2>/dev/null; then
    echo "skipped: network namespaces cannot be made here"
    exit 77
fi
ip link add "${A}v" type veth peer name "${B}v"
ip link set "${A}v" netns "$A"
ip link set "${B}v" netns "$B"
ip -n "$A" addr add 10.203.0.1/24 dev "${A}v"
ip -n "$B" addr add 10.203.0.2/24 dev "${B}v"
for ns in "$A" "$B"; do
    ip -n "$ns" link set lo up
    ip -n "$ns" link set "${ns}v" up
done
printf '127.0.0.1 localhost\n10.203.0.1 alice-pc\n10.203.0.2 bob-pc\n' >"$WORK/hosts"

mkdir -p "$WORK/bin"
cp "$PEER_EXE" "$WORK/bin/secure_exchange_peer.exe"
cp "$SECURE_DLL" "$WORK/bin/Secure.dll"
cp -a "$TEMPLATE" "$WORK/alice-pc"
cp -a "$TEMPLATE" "$WORK/bob-pc"

# computer NAMESPACE HOSTNAME ARGS...: runs secure_exchange_peer.exe on that computer; its exit
# code is the program's.
computer() {
    local ns="$1" name="$2"
    shift 2
    ip netns exec "$ns" unshare --uts --mount sh -c '
        name="$1"; work="$2"; shift 2
        hostname "$name"
        mount --bind "$work/hosts" /etc/hosts
        export WINEPREFIX="$work/$name" WINEDEBUG=-all
        unset DISPLAY
        cd "$work/bin"
        wineserver -p
        timeout 120 wine cmd /c exit >/dev/null 2>&1
        timeout 120 wine regsvr32 /s Secure.dll >/dev/null 2>&1 || { wineserver -k; exit 11; }
        timeout 120 wine secure_exchange_peer.exe "$@" >"$work/$name.out" 2>&1
        rc=$?
        wineserver -k
        exit $rc' sh "$name" "$WORK" "$@"
}

TEXT="Secure across two computers"
computer "$B" bob-pc receive "$TEXT" 90 &
RECEIVER_PID=$!
sleep 15 # Bob's prefix starts up and his server listens

computer "$A" alice-pc send BOB-PC "$TEXT"
SENT=$?
wait "$RECEIVER_PID"
RECEIVED=$?
RECEIVER_PID=""

echo "sender result: $SENT (0 = sent enciphered), receiver result: $RECEIVED (0 = the text was stored)"
if [ "$SENT" = 0 ] && [ "$RECEIVED" = 0 ]; then
    echo "1 passed, 0 failed"
    exit 0
fi
echo "0 passed, 1 failed"
exit 1
