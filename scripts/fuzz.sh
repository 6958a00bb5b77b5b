#!/bin/bash
# Runs every fuzz target (or those named) for a given number of CPU seconds
# each (summed over its jobs; on a busy machine the run takes longer), then
# merges what it found into the kept corpus in fuzz/seeds/<target>
# (minimised: only inputs that add coverage are kept). Prints executions,
# executions per CPU second, coverage and the CPU time spent per target.
# Usage: scripts/fuzz.sh SECONDS [target ...]
#   PELORIN_FUZZ_JOBS  parallel jobs per target (default: all cores)
#   PELORIN_FUZZ_NOBUILD=1  skip the build (when several runs share the tree)
# Runs of different targets may go side by side: each has its own folder,
# and a target's working corpus (build/fuzz/long/<target>/corpus) carries on
# from one run to the next.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
budget=${1:?usage: scripts/fuzz.sh SECONDS [target ...]}
shift
jobs=${PELORIN_FUZZ_JOBS:-$(nproc)}
[ "${PELORIN_FUZZ_NOBUILD:-0}" = 1 ] || scripts/build.sh fuzz >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for t in fuzz/targets/*.cmake; do targets+=("$(basename "$t" .cmake)"); done
fi
for t in "${targets[@]}"; do
  bin=$top/build/fuzz/fuzz/fuzz_$t
  [ -x "$bin" ] || { echo "fuzz: no target $t" >&2; exit 2; }
  seeds=$top/fuzz/seeds/$t
  work=$top/build/fuzz/long/$t
  corpus=$work/corpus
  rm -rf "$work/jobs" "$work"/crash-* "$work/run.log"
  mkdir -p "$seeds" "$corpus" "$work/jobs"
  log=$work/run.log
  echo "== $t: $budget CPU seconds on $jobs jobs"
  cpu=0
  # Slices of wall time until the CPU budget is spent: a shared machine
  # gives a job less than its wall time.
  while [ "$cpu" -lt "$budget" ]; do
    slice=$(( (budget - cpu + jobs - 1) / jobs ))
    [ "$slice" -ge 60 ] || slice=60
    [ "$slice" -le 1800 ] || slice=1800
    # libFuzzer prints each job's log into ours when the job ends.
    rm -f "$work"/jobs/fuzz-*.log
    (cd "$work/jobs" && /usr/bin/time -f 'cpu-seconds %U %S' -o "$work/time.txt" \
        "$bin" -max_total_time="$slice" -rss_limit_mb=2048 -jobs="$jobs" -workers="$jobs" \
        -print_final_stats=1 -artifact_prefix="$work/crash-" "$corpus" "$seeds" >>"$log" 2>&1) || true
    spent=$(awk '/cpu-seconds/ {printf "%d", $2 + $3}' "$work/time.txt" 2>/dev/null || echo 0)
    cpu=$((cpu + ${spent:-0}))
    ls "$work"/crash-* >/dev/null 2>&1 && break
  done
  execs=$(grep -h '^stat::number_of_executed_units' "$log" | awk '{s += $2} END {print s + 0}')
  cov=$(grep -ho 'cov: [0-9]*' "$log" | awk '{if ($2 > m) m = $2} END {print m + 0}')
  rate=$(( cpu > 0 ? execs / cpu : 0 ))
  crashes=$(ls "$work"/crash-* 2>/dev/null | wc -l)
  echo "$t: executions $execs, executions per CPU second $rate, coverage $cov, cpu seconds $cpu, crash inputs $crashes" |
    tee -a "$work/summary.txt"
  # Keep the corpus small: only inputs that add coverage join the kept ones.
  "$bin" -merge=1 -rss_limit_mb=2048 "$seeds" "$corpus" >/dev/null 2>&1 || true
  [ "$crashes" -eq 0 ] || { echo "fuzz: $t found crashing inputs in $work" >&2; exit 1; }
done
