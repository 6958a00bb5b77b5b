#!/bin/bash
# The soak of the live system under Wine: windows of every kind stay open
# while skins switch at random (ours, damaged ones, none) and the windows are
# resized, activated and clicked. Prints the switches and the largest and
# final GDI-object and allocation counts; fails unless both end at baseline.
# Usage: scripts/soak.sh [SECONDS]   (default 600)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
scripts/setup.sh >/dev/null
scripts/build.sh native win >/dev/null
exec scripts/wine-env.sh scripts/wine-run.sh "$top/build/win/demo/PelorinSoak.exe" "${1:-600}"
