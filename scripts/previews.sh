#!/bin/bash
# Previews of every generated skin, active and inactive, as PNG files in
# <build>/previews. Builds skintool and the skins first.
#   scripts/previews.sh [BUILD_DIR]     (default build/native)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build/native}")
[ -f "$build/build.ninja" ] || cmake -S "$root" -B "$build" -G Ninja
cmake --build "$build" --target skintool skins
out=$build/previews
mkdir -p "$out"
for skn in "$build"/skins/*.skn; do
  name=$(basename "$skn" .skn)
  "$build/tools/skintool/skintool" preview "$skn" -o "$out/$name.png"
  "$build/tools/skintool/skintool" preview "$skn" -o "$out/$name-inactive.png" --inactive
done
echo "previews in $out"
