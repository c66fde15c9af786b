#!/usr/bin/env bash
# Sourced by the run and test scripts: a private Wine prefix copied from the template, a
# persistent wineserver and, without a display, an Xvfb server of our own.
# Sets WINEPREFIX, WINEDEBUG and DISPLAY; kivet_wine_session_end stops what was started.

KIVET_TEMPLATE="${KIVET_WINE_TEMPLATE:-/var/tmp/kivet-wine-template}"
KIVET_XVFB_PID=""

# kivet_wine_session_begin PREFIX [keep]: with "keep", a prefix left by an earlier session is used
# again (it holds that user's registry settings); otherwise the prefix starts as a fresh copy.
kivet_wine_session_begin() {
    local prefix="$1" keep="${2:-}"
    if [ "$keep" != keep ] || [ ! -f "$prefix/.kivet-ready-2" ]; then
        rm -rf "$prefix"
        mkdir -p "$(dirname "$prefix")"
        cp -a "$KIVET_TEMPLATE" "$prefix"
    fi
    export WINEPREFIX="$prefix" WINEDEBUG=-all
    if [ -z "${DISPLAY:-}" ] || [ "${KIVET_FORCE_XVFB:-0}" = 1 ]; then
        local n
        for n in $(seq 90 130); do
            [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
            Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
            KIVET_XVFB_PID=$!
            export DISPLAY=":$n"
            break
        done
        for _ in $(seq 1 50); do [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ] && break; sleep 0.1; done
    fi
    wineserver -p
    # A first program warms the prefix up; later calls then start in a fraction of a second.
    timeout 120 wine cmd /c exit >/dev/null 2>&1 || true
}

# Stops every Wine process of the prefix (the services, winedevice.exe, the program), waits for the
# wineserver to go, then stops our Xvfb. Safe to call twice.
kivet_wine_session_end() {
    if [ -n "${WINEPREFIX:-}" ]; then
        wineserver -k 2>/dev/null || true
        timeout 20 wineserver -w 2>/dev/null || true
    fi
    if [ -n "$KIVET_XVFB_PID" ]; then
        kill "$KIVET_XVFB_PID" 2>/dev/null || true
        wait "$KIVET_XVFB_PID" 2>/dev/null || true
        KIVET_XVFB_PID=""
    fi
}

# Ends the session when the script ends, also when it is stopped by Ctrl+C or a terminating signal
# (bash runs no EXIT trap when a signal ends it while it waits for a job).
kivet_wine_session_trap() {
    trap kivet_wine_session_end EXIT
    trap 'kivet_wine_session_end; trap - EXIT; exit 130' INT
    trap 'kivet_wine_session_end; trap - EXIT; exit 143' TERM
    trap 'kivet_wine_session_end; trap - EXIT; exit 129' HUP
}
