#!/bin/bash
# Configures and builds the project's build trees under build/:
#   native  g++, the portable core and its tests
#   asan    g++ with AddressSanitizer and UndefinedBehaviorSanitizer
#   fuzz    clang, the libFuzzer targets (short runs are ctest entries)
#   win     mingw-w64 cross build; tests run under Wine
# Usage: scripts/build.sh [native|asan|fuzz|win ...]   (default: all)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
jobs=${PELORIN_JOBS:-2}
trees=("$@")
[ ${#trees[@]} -gt 0 ] || trees=(native asan fuzz win)
for t in "${trees[@]}"; do
  case "$t" in
    native) opts=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
    asan)   opts=(-DCMAKE_BUILD_TYPE=Debug -DPELORIN_SANITIZE=ON) ;;
    fuzz)   opts=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
                  -DPELORIN_FUZZ=ON -DPELORIN_TESTS=OFF) ;;
    win)    opts=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64.cmake") ;;
    bench)  opts=(-DCMAKE_BUILD_TYPE=Release -DPELORIN_BENCH=ON -DPELORIN_TESTS=OFF) ;;
    *) echo "build: unknown tree $t" >&2; exit 2 ;;
  esac
  echo "== build $t"
  cmake -S "$top" -B "build/$t" -G Ninja "${opts[@]}" >/dev/null
  cmake --build "build/$t" -j"$jobs"
done
