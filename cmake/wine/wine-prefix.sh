#!/usr/bin/env bash
# Prepares (setup) or stops (cleanup) the Wine prefix that a Windows build tree runs its tests in.
#   wine-prefix.sh setup|cleanup <prefix>
set -euo pipefail
action=$1
export WINEPREFIX=$2
source "$(dirname "$0")/wine-env.sh"

case "$action" in
setup)
    mkdir -p "$WINEPREFIX"
    # A persistent server (10 s after the last client) serves every test executable of the run; the
    # distribution's wrapper would start one per executable.
    "$LUMO_WINESERVER" -p10 </dev/null >/dev/null 2>&1 || true
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        "$LUMO_WINE" wineboot -i </dev/null >/dev/null 2>&1
    fi
    # The distribution's Wine does not find its own fonts unless they sit in the prefix.
    fonts="$WINEPREFIX/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    cp -u /usr/share/wine/fonts/* "$fonts"/ 2>/dev/null || true
    # Headless unless there is a display; an unmanaged X11 window avoids a 2 s wait per show and destroy.
    if [ -n "${DISPLAY:-}" ]; then driver=x11; else driver=null; fi
    "$LUMO_WINE" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$driver" /f </dev/null >/dev/null 2>&1
    "$LUMO_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
    ;;
cleanup)
    "$LUMO_WINESERVER" -k </dev/null >/dev/null 2>&1 || true
    ;;
*)
    echo "usage: $0 setup|cleanup <prefix>" >&2
    exit 2
    ;;
esac
