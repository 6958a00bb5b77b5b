#!/bin/sh
# Runs a Windows program under Wine with the project's prefix; used by ctest
# as the cross-compiling emulator. The test script provides DISPLAY and a
# persistent wineserver; without them Wine still runs, only slower.
: "${WINEPREFIX:=${PELORIN_WINEPREFIX:-$HOME/.wine-pelorin}}"
export WINEPREFIX
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
exec /usr/lib/wine/wine64 "$@"
