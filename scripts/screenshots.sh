#!/bin/bash
# Screenshots of the skinned demo under Wine on a private display, one per
# skin, one with the "Dialog" menu opened by Alt+D, one of the system's
# open-file dialog (the menu's first item) and one of the demo's message box:
#   build/win/screenshots/<skin>.png, <skin>-menu.png, <skin>-open.png, <skin>-message.png
# Usage: scripts/screenshots.sh [skin ...]   (default: slate ember harbor)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
scripts/setup.sh
command -v xdotool >/dev/null || { apt-get update -qq && apt-get install -y -qq xdotool >/dev/null; }
scripts/build.sh native win
skins=("$@")
[ ${#skins[@]} -gt 0 ] || skins=(slate ember harbor)
out="$top/build/win/screenshots"
mkdir -p "$out"
PELORIN_DEMO_EXE="$top/build/win/demo/PelorinDemo.exe" PELORIN_SHOTS="$out" \
  scripts/wine-env.sh bash -c '
    for skin in "$@"; do
      PELORIN_DEMO_SKIN=$skin /usr/lib/wine/wine64 "$PELORIN_DEMO_EXE" </dev/null >/dev/null 2>&1 &
      demo=$!
      sleep "${PELORIN_DEMO_WAIT:-4}"
      import -display "$DISPLAY" -window root "$PELORIN_SHOTS/$skin.png"
      # Alt+D opens the Dialog menu through the skinned bar.
      xdotool key alt+d
      sleep 1
      import -display "$DISPLAY" -window root "$PELORIN_SHOTS/$skin-menu.png"
      xdotool key Return
      sleep 2
      import -display "$DISPLAY" -window root "$PELORIN_SHOTS/$skin-open.png"
      xdotool key Escape
      sleep 1
      # The MessageBox button, at its place in the main window.
      main=$(xdotool search --name "^Pelorin$" | head -n 1)
      xdotool mousemove --window "$main" 349 185 click 1
      sleep 2
      import -display "$DISPLAY" -window root "$PELORIN_SHOTS/$skin-message.png"
      kill "$demo" 2>/dev/null; wait "$demo" 2>/dev/null || true
      echo "screenshots: $PELORIN_SHOTS/$skin.png, $skin-menu.png, $skin-open.png, $skin-message.png"
    done' screenshots "${skins[@]}"
