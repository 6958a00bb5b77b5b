#!/bin/bash
# Runs a command inside a Wine session of its own: a private Xvfb display and a
# persistent wineserver for the project's prefix. Afterwards no process of the
# session is left: not the server, not the display, not Wine's services.
# Callers need no display. Usage: scripts/wine-env.sh CMD...
set -u
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX="${PELORIN_WINEPREFIX:-$HOME/.wine-pelorin}"
export PELORIN_WINEPREFIX="$WINEPREFIX"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

# Wine's background services outlive the programs that start them: they must
# not inherit the caller's descriptors (build locks, pipes), or they hold them.
for fd in /proc/$$/fd/*; do
  fd=${fd##*/}
  case "$fd" in 0|1|2|255) ;; *) eval "exec $fd>&-" 2>/dev/null ;; esac
done

# One session per prefix at a time: a second wineserver on the same prefix
# would fail, and stopping ours would cut the other caller's programs off.
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9

# Everything started from here on carries this mark in its environment, also
# Wine's services, which leave our process group and outlive their parents.
session="$$.$(date +%s%N)"
export PELORIN_WINE_SESSION="$session"

# Process ids of the session's processes still running, but for this script
# and the one given (the display).
session_pids() {
  local p pid
  for p in /proc/[0-9]*; do
    pid=${p#/proc/}
    [ "$pid" = "$$" ] || [ "$pid" = "$BASHPID" ] || [ "$pid" = "$1" ] && continue
    grep -qzxF "PELORIN_WINE_SESSION=$session" "$p/environ" 2>/dev/null && echo "$pid"
  done
}

# Sends signal to pids, then waits up to about 5 s for all of them to end.
stop_pids() {
  local signal=$1 pid left
  shift
  [ $# -gt 0 ] || return 0
  kill "-$signal" "$@" 2>/dev/null
  for _ in $(seq 100); do
    left=""
    for pid in "$@"; do kill -0 "$pid" 2>/dev/null && left=1; done
    [ -n "$left" ] || return 0
    sleep 0.05
  done
  return 1
}

xvfb_pid=""
server_pid=""
cleanup() {
  trap - EXIT INT TERM
  if [ -n "$server_pid" ]; then
    # The server ends every program of the prefix, then itself.
    "$wineserver" -k >/dev/null 2>&1 9>&-
    stop_pids TERM "$server_pid" || stop_pids KILL "$server_pid"
    wait "$server_pid" 2>/dev/null
  fi
  # Whatever the server did not end; the display last, once nothing draws.
  # shellcheck disable=SC2046
  stop_pids TERM $(session_pids "$xvfb_pid") || stop_pids KILL $(session_pids "$xvfb_pid")
  if [ -n "$xvfb_pid" ]; then
    stop_pids TERM "$xvfb_pid" || stop_pids KILL "$xvfb_pid"
    wait "$xvfb_pid" 2>/dev/null
  fi
  return 0
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# A free display number: no lock file and no socket.
display=""
for n in $(seq 91 140); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=$n; break; fi
done
[ -n "$display" ] || { echo "wine-env: no free X display" >&2; exit 1; }
# Children must not inherit the lock (fd 9): Wine's services would keep it.
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 9>&- &
xvfb_pid=$!
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.05; done
export DISPLAY=":$display"
export PELORIN_DISPLAY="$DISPLAY"

# Our own persistent server first, so that everything Wine starts (also
# during prefix creation) belongs to it and ends with it.
"$wineserver" -f -p >/dev/null 2>&1 9>&- &
server_pid=$!
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "wine-env: creating Wine prefix $WINEPREFIX" >&2
  "$wine" wineboot -i </dev/null >/dev/null 2>&1 9>&-
fi
# Without a window manager on Xvfb, Wine waits about 2 s whenever a managed
# top-level window is hidden or destroyed; unmanaged windows make window
# tests fast. Set once per prefix.
if [ ! -f "$WINEPREFIX/.pelorin-unmanaged" ]; then
  "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >/dev/null 2>&1 9>&- \
    && touch "$WINEPREFIX/.pelorin-unmanaged"
fi
# Start Wine's background services now, detached from our output: started by
# the first test program they would inherit its pipes and keep ctest waiting.
"$wine" wineboot </dev/null >/dev/null 2>&1 9>&-

"$@" 9>&-
