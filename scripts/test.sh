#!/bin/bash
# Builds every tree and runs every test: native, sanitizers, short fuzz runs
# and the Win32 integration suites under Wine (on a private Xvfb display).
# The last lines of the output are ctest's summary.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
scripts/setup.sh
scripts/build.sh native asan fuzz win

# One ctest run over all trees, so there is one summary.
cat > build/CTestTestfile.cmake <<CT
subdirs("$top/build/native")
subdirs("$top/build/asan")
subdirs("$top/build/fuzz")
subdirs("$top/build/win")
CT
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
scripts/wine-env.sh ctest --test-dir build --output-on-failure -j"${PELORIN_JOBS:-2}"
