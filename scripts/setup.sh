#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12 and prepares a Wine prefix template.
# Idempotent: a second run installs nothing and keeps the template.
set -euo pipefail

PACKAGES=(
    cmake make g++ clang libclang-rt-14-dev googletest python3 libssl-dev openssl
    mingw-w64 g++-mingw-w64-x86-64 mingw-w64-tools libz-mingw-w64-dev libwine-dev
    wine wine64 fonts-wine xvfb xauth x11-utils imagemagick procps
    iproute2 util-linux samba-common-bin python3-scapy
)

missing=()
for pkg in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine prefix template: made once, copied for every run so runs never share state.
TEMPLATE="${KIVET_WINE_TEMPLATE:-/var/tmp/kivet-wine-template}"
if [ ! -f "$TEMPLATE/.kivet-ready-2" ]; then
    echo "setup: preparing the Wine prefix template in $TEMPLATE"
    rm -rf "$TEMPLATE"
    mkdir -p "$TEMPLATE"
    export WINEPREFIX="$TEMPLATE" WINEDEBUG=-all WINEARCH=win64
    timeout 300 wineboot -i >/dev/null 2>&1 || true
    # No crash dialog: a crashing program exits at once instead of waiting for a click.
    timeout 60 wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    timeout 60 wineserver -w || true
    # Wine looks for its own fonts in a folder Debian does not install them to; without them the
    # caption buttons show as letters (no Marlett) and Tahoma is missing. The Windows font folder
    # is always scanned.
    mkdir -p "$TEMPLATE/drive_c/windows/Fonts"
    install -m 0644 /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon "$TEMPLATE/drive_c/windows/Fonts/"
    touch "$TEMPLATE/.kivet-ready-2"
fi
echo "setup: ready"
