#!/bin/bash
# Runs every fuzz target (or those named) for a given number of seconds each,
# on all cores, then merges what it found into the kept corpus in
# fuzz/seeds/<target> (minimised: only inputs that add coverage are kept).
# Prints executions, executions per second and coverage per target.
# Usage: scripts/fuzz.sh SECONDS [target ...]
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
seconds=${1:?usage: scripts/fuzz.sh SECONDS [target ...]}
shift
jobs=${PELORIN_FUZZ_JOBS:-$(nproc)}
scripts/build.sh fuzz >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for t in fuzz/targets/*.cmake; do targets+=("$(basename "$t" .cmake)"); done
fi
work=$top/build/fuzz/long
mkdir -p "$work"
for t in "${targets[@]}"; do
  bin=build/fuzz/fuzz/fuzz_$t
  [ -x "$bin" ] || { echo "fuzz: no target $t" >&2; exit 2; }
  seeds=fuzz/seeds/$t
  corpus=$work/corpus_$t
  mkdir -p "$seeds" "$corpus"
  log=$work/$t.log
  rm -f "$log" "$work"/crash_"${t}"_*
  echo "== $t: $seconds s on $jobs jobs"
  # Each job writes fuzz-N.log; the run's totals come from them.
  (cd "$work" && "$top/$bin" -max_total_time="$seconds" -rss_limit_mb=2048 -jobs="$jobs" -workers="$jobs" \
      -print_final_stats=1 -artifact_prefix="$work/crash_${t}_" "$corpus" "$top/$seeds" >"$log" 2>&1) || true
  cat "$work"/fuzz-*.log >>"$log" 2>/dev/null || true
  rm -f "$work"/fuzz-*.log
  execs=$(grep -h '^stat::number_of_executed_units' "$log" | awk '{s += $2} END {print s + 0}')
  rate=$(grep -h '^stat::average_exec_per_sec' "$log" | awk '{s += $2} END {print s + 0}')
  cov=$(grep -ho 'cov: [0-9]*' "$log" | awk '{if ($2 > m) m = $2} END {print m + 0}')
  crashes=$(ls "$work"/crash_"${t}"_* 2>/dev/null | wc -l)
  echo "$t: executions $execs, executions/s $rate (all jobs), coverage $cov, crash inputs $crashes"
  # Keep the corpus small: only inputs that add coverage join the kept ones.
  "$bin" -merge=1 -rss_limit_mb=2048 "$seeds" "$corpus" >/dev/null 2>&1 || true
  [ "$crashes" -eq 0 ] || { echo "fuzz: $t found crashing inputs in $work" >&2; exit 1; }
done
