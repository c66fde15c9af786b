#!/usr/bin/env bash
# scripts/run.sh stopped by Ctrl+C (SIGINT) or a terminating signal (SIGTERM, SIGHUP) leaves nothing
# behind: no Wine process of its prefix (wineserver, winedevice.exe, explorer, the program) and no
# Xvfb. Usage: run_stop_test.sh <checkout>
set -uo pipefail
ROOT="$1"
PREFIX="$ROOT/build/run-prefix"
LOG="$(mktemp)"
trap 'rm -f "$LOG"' EXIT

# The processes whose environment names the run prefix, and Xvfb servers started by run.sh.
leftovers() {
    local p
    for p in /proc/[0-9]*; do
        { tr '\0' '\n' <"$p/environ" | grep -qx "WINEPREFIX=$PREFIX"; } 2>/dev/null || continue
        echo "${p#/proc/} $( { tr '\0' ' ' <"$p/cmdline"; } 2>/dev/null)"
    done
}

stop_with() {
    local signal="$1" pid n
    : >"$LOG"
    # A session of its own, as from a terminal, with Ctrl+C's signal not ignored (a job started
    # with & would ignore it); no display, so run.sh starts its own Xvfb.
    setsid env -u DISPLAY -u WINEPREFIX -u WINESERVER \
        perl -e '$SIG{INT} = "DEFAULT"; $SIG{QUIT} = "DEFAULT"; exec @ARGV' bash "$ROOT/scripts/run.sh" >"$LOG" 2>&1 &
    pid=$!
    for n in $(seq 1 600); do
        grep -q 'Stop with Ctrl+C' "$LOG" && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.5
    done
    if ! grep -q 'Stop with Ctrl+C' "$LOG"; then
        echo "run.sh did not start:"; cat "$LOG"; kill -KILL -- "-$pid" 2>/dev/null; return 1
    fi
    local xvfb
    xvfb="$(grep -o 'virtual display :[0-9]*' "$LOG" | grep -o ':[0-9]*')"
    # Ctrl+C reaches the terminal's whole process group; the other signals come to the script alone.
    if [ "$signal" = INT ]; then kill -INT -- "-$pid"; else kill "-$signal" "$pid"; fi
    for n in $(seq 1 60); do kill -0 "$pid" 2>/dev/null || break; sleep 0.5; done
    if kill -0 "$pid" 2>/dev/null; then echo "SIG$signal: run.sh still running"; return 1; fi
    sleep 1
    local left
    left="$(leftovers)"
    [ -n "$xvfb" ] && pgrep -f "Xvfb $xvfb " >/dev/null && left="$left
Xvfb $xvfb"
    if [ -n "$left" ]; then
        echo "SIG$signal left processes behind:"; echo "$left"
        WINEPREFIX="$PREFIX" wineserver -k 2>/dev/null; pkill -f "Xvfb $xvfb " 2>/dev/null
        return 1
    fi
    echo "SIG$signal: nothing left behind"
}

status=0
for signal in INT TERM HUP; do stop_with "$signal" || status=1; done
exit $status
