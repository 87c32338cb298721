#!/usr/bin/env bash
# Prepares (setup) or stops (cleanup) the Wine prefix that a Windows build tree runs its programs in.
#   wine-prefix.sh setup|cleanup <prefix>
set -euo pipefail
action=$1
export WINEPREFIX=$2
source "$(dirname "$0")/wine-env.sh"

stop_server() { "$LUMO_WINESERVER" -k </dev/null >/dev/null 2>&1 || true; }

# One server for the whole run (the distribution's wrapper would start one per program), kept until
# cleanup. While it persists, Wine's own background processes (services, the desktop) stay up between
# programs too; otherwise the next program starts them again, they inherit its output pipe, and whoever
# reads that pipe (ctest) waits until they end, which is the end of the whole run.
start_server() { "$LUMO_WINESERVER" -p </dev/null >/dev/null 2>&1 || true; }

# Starts Wine's background processes now, detached from any caller's output.
warm_up() { "$LUMO_WINE" cmd.exe /c exit </dev/null >/dev/null 2>&1 || true; }

case "$action" in
setup)
    mkdir -p "$WINEPREFIX"
    # A server left over from an earlier run may have started the desktop with another graphics driver.
    stop_server
    fresh=false
    if [ ! -f "$WINEPREFIX/.lumo-ready" ]; then
        fresh=true
        "$LUMO_WINE" wineboot -i </dev/null >/dev/null 2>&1
        # wineboot returns before the prefix is complete; wait until every process of it has ended.
        "$LUMO_WINESERVER" -w </dev/null >/dev/null 2>&1 || true
        # The distribution's Wine does not find its own fonts unless they sit in the prefix.
        mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
        cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts"/ 2>/dev/null || true
    fi
    start_server
    # Headless unless there is a display; an unmanaged X11 window avoids a 2 s wait per show and destroy.
    if [ -n "${DISPLAY:-}" ]; then driver=x11; else driver=null; fi
    "$LUMO_WINE" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$driver" /f </dev/null >/dev/null 2>&1
    "$LUMO_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
    if $fresh; then
        # wineboot started the desktop before the driver was chosen: restart everything with it (stopping
        # the server also writes the registry to disk).
        stop_server
        start_server
        touch "$WINEPREFIX/.lumo-ready"
    fi
    warm_up
    ;;
cleanup)
    stop_server
    ;;
*)
    echo "usage: $0 setup|cleanup <prefix>" >&2
    exit 2
    ;;
esac
