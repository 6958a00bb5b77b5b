#!/bin/bash
# Builds the benchmarks in Release mode and runs every one of them: the
# portable ones natively, then the Windows timing programs under Wine.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
scripts/setup.sh
scripts/build.sh bench win
for b in build/bench/bench/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b" "$@"
done
for b in build/win/bench/win/*.exe; do
  echo "== $(basename "$b") (Wine)"
  scripts/wine-env.sh scripts/wine-run.sh "$b"
done
