#!/bin/bash
# scripts/wine-env.sh leaves no process of its session behind: a trivial Wine
# program runs in a session of its own, on a copy of the prefix (the caller
# may be inside a session that holds the prefix), and afterwards no process
# with that prefix may be running. The services the session started are
# counted too, so that a session that started nothing cannot pass.
set -eu
top=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d /tmp/pelorin-wine-env-check.XXXXXX)
prefix="$work/prefix"

# Processes whose environment names the prefix of this check.
prefix_pids() {
  local p
  for p in /proc/[0-9]*; do
    grep -qzxF "WINEPREFIX=$prefix" "$p/environ" 2>/dev/null && echo "${p#/proc/}"
  done
  return 0
}

finish() {
  # Whatever a failed check left is ended here, so that nothing piles up.
  local left
  left=$(prefix_pids)
  # shellcheck disable=SC2086
  [ -z "$left" ] || kill -KILL $left 2>/dev/null
  rm -rf "$work"
}
trap finish EXIT

source_prefix="${WINEPREFIX:-${PELORIN_WINEPREFIX:-$HOME/.wine-pelorin}}"
if [ -f "$source_prefix/system.reg" ]; then
  mkdir -p "$prefix"
  cp -a "$source_prefix/." "$prefix/"
fi

PELORIN_WINEPREFIX="$prefix" "$top/scripts/wine-env.sh" bash -c '
  /usr/lib/wine/wine64 cmd /c exit 0
  '"$(declare -f prefix_pids)"'
  prefix='"'$prefix'"'
  prefix_pids | wc -l > '"'$work/during'"'
'
during=$(cat "$work/during")
after=$(prefix_pids)
if [ "$during" -lt 3 ]; then
  echo "FAIL: the session ran only $during processes: no Wine services to leave behind" >&2
  exit 1
fi
if [ -n "$after" ]; then
  echo "FAIL: processes of the session remain:" >&2
  # shellcheck disable=SC2086
  ps -o pid,ppid,args -p $(echo $after | tr ' ' ',') >&2 || true
  exit 1
fi
echo "PASS: $during processes during the session, none after it"
