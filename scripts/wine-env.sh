#!/bin/bash
# Runs a command inside a Wine session of its own: a private Xvfb display and a
# persistent wineserver for the project's prefix, both stopped afterwards by
# their process ids. Callers need no display. Usage: scripts/wine-env.sh CMD...
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

xvfb_pid=""
server_pid=""
cleanup() {
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null && wait "$server_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
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
