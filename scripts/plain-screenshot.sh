#!/bin/bash
# One screenshot of the plain Win32 example under Wine, skinned, with its
# dialog of every control open: build/win/screenshots/plain[-cc6].png.
# Usage: scripts/plain-screenshot.sh [skin-file|off] [cc6]   (default: the skin it carries)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
if [ -z "${PELORIN_NO_BUILD:-}" ]; then
  scripts/setup.sh
  scripts/build.sh native win
fi
skin=${1:-}
variant=plain${2:+-$2}
out="$top/build/win/screenshots"
mkdir -p "$out"
exe="$top/build/win/examples/plain/$variant.exe"
PELORIN_EXE="$exe" PELORIN_SHOT="$out/$variant.png" PELORIN_SKIN="$skin" \
  scripts/wine-env.sh bash -c '
    /usr/lib/wine/wine64 "$PELORIN_EXE" ${PELORIN_SKIN:+"$PELORIN_SKIN"} --dialog </dev/null >/dev/null 2>&1 &
    app=$!
    sleep "${PELORIN_WAIT:-4}"
    # The two windows sit in the top left corner of the display.
    import -display "$DISPLAY" -window root -crop 1100x680+0+0 +repage "$PELORIN_SHOT"
    kill "$app" 2>/dev/null; wait "$app" 2>/dev/null || true'
echo "screenshot: $out/$variant.png"
