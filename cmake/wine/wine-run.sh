#!/usr/bin/env bash
# Runs a Windows executable under Wine in the given prefix: the test emulator of the Windows builds.
#   wine-run.sh <prefix> <program.exe> [arguments...]
set -euo pipefail
export WINEPREFIX=$1
shift
source "$(dirname "$0")/wine-env.sh"
exec "$LUMO_WINE" "$@"
