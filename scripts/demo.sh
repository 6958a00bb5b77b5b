#!/bin/bash
# Builds everything and runs the demo under Wine: on $DISPLAY when it is set,
# otherwise on a private Xvfb display, where it saves a screenshot to
# build/win/demo-screenshot.png after a few seconds and closes the demo.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
scripts/setup.sh
scripts/build.sh native win
exe="$top/build/win/demo/PelorinDemo.exe"
shot="$top/build/win/demo-screenshot.png"
if [ -n "${DISPLAY:-}" ] && [ -z "${PELORIN_DEMO_SCREENSHOT:-}" ]; then
  exec "$top/scripts/wine-run.sh" "$exe" "$@"
fi
# Private display: start the demo, give it time to paint, take the picture.
PELORIN_DEMO_EXE="$exe" PELORIN_DEMO_SHOT="$shot" PELORIN_DEMO_WAIT="${PELORIN_DEMO_WAIT:-4}" \
  scripts/wine-env.sh bash -c '
    /usr/lib/wine/wine64 "$PELORIN_DEMO_EXE" "$@" </dev/null >/dev/null 2>&1 &
    demo=$!
    sleep "$PELORIN_DEMO_WAIT"
    import -display "$DISPLAY" -window root "$PELORIN_DEMO_SHOT"
    kill "$demo" 2>/dev/null; wait "$demo" 2>/dev/null
    echo "demo: screenshot saved to $PELORIN_DEMO_SHOT"' demo "$@"
