# Sourced by the Wine scripts: the 64-bit loader and server, called directly (the distribution's
# wrappers add a 32-bit hint and a non-persistent server), quiet, and without the helpers that a test
# run has no use for.
LUMO_WINE=/usr/lib/wine/wine64
LUMO_WINESERVER=/usr/lib/wine/wineserver64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
