#!/usr/bin/env bash
# Installs what is missing, builds the Windows programs and starts the messenger under Wine.
# With a display it opens there; without one it runs in a Wine virtual desktop on Xvfb, saves a
# screenshot and prints its path. It keeps running until stopped (Ctrl+C).
# Arguments are passed to kivetsec.exe (for example /l for the action log).
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"

bash "$ROOT/scripts/setup.sh"
source "$ROOT/scripts/build_trees.sh"
kivet_build_windows kivetsec
kivet_build_windows History
kivet_build_windows Secure

# The program keeps its settings and logs beside itself: run it from a folder of its own.
RUN_DIR="$ROOT/build/run"
mkdir -p "$RUN_DIR"
cp "$ROOT/build/win/bin/kivetsec.exe" "$ROOT/build/win/bin/History.exe" "$ROOT/build/win/bin/style.css" \
    "$ROOT/build/win/bin/Secure.dll" "$RUN_DIR/"
# The history's pictures and pages; the user's own history files there are left alone.
cp -r "$ROOT/build/win/bin/images" "$ROOT/build/win/bin/History" "$RUN_DIR/"
cd "$RUN_DIR"

headless=0
[ -z "${DISPLAY:-}" ] && headless=1
source "$ROOT/scripts/wine_session.sh"
kivet_wine_session_trap
kivet_wine_session_begin "$ROOT/build/run-prefix" keep
# The program does not start without its Secure component registered beside it.
timeout 120 wine regsvr32 /s Secure.dll

if [ "$headless" = 1 ]; then
    wine explorer /desktop=Kivet,1024x768 kivetsec.exe "$@" >"$RUN_DIR/wine.out" 2>&1 &
else
    wine kivetsec.exe "$@" >"$RUN_DIR/wine.out" 2>&1 &
fi
WINE_PID=$!
sleep 4

if [ "$headless" = 1 ]; then
    # The messenger starts hidden in the tray; a second start brings its window forward, as a
    # user would do.
    wine explorer /desktop=Kivet,1024x768 kivetsec.exe >/dev/null 2>&1 || true
    sleep 2
    SHOT="$RUN_DIR/screenshot.png"
    import -display "$DISPLAY" -window root "$SHOT"
    echo "Kivet Secure Messenger is running on the virtual display $DISPLAY."
    echo "Screenshot: $SHOT"
fi
echo "Program folder: $RUN_DIR (settings, kivetsec.log). Stop with Ctrl+C."
wait "$WINE_PID" || true
