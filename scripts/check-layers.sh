#!/bin/bash
# Dependencies between the library's folders run one way:
#   host <- skinfile <- skinmodel <- paint <- skinbase <- menus, controls <- formframe <- manager
#   <- pelorin (the plain entry point)
# (menus and controls are peers: neither includes the other).
# (skinmodel reaches the manager's portable core only to post its requests).
# Fails listing every include that points the other way.
set -u
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
layers=(host skinfile skinmodel paint skinbase menus controls formframe manager pelorin)
status=0
for i in "${!layers[@]}"; do
  folder=${layers[$i]}
  for later in "${layers[@]:$((i + 1))}"; do
    hits=$(grep -rnE "#include \"$later/" "$folder" --include=*.h --include=*.cpp 2>/dev/null)
    [ "$folder/$later" = skinmodel/manager ] && hits=$(printf '%s\n' "$hits" | grep -v '"manager/ManagerCore.h"')
    hits=$(printf '%s\n' "$hits" | sed '/^$/d')
    if [ -n "$hits" ]; then
      echo "$folder must not include $later/:"
      echo "$hits"
      status=1
    fi
  done
done
peer=$(grep -rnE '#include "menus/' controls --include=*.h --include=*.cpp 2>/dev/null)
if [ -n "$peer" ]; then
  echo "controls must not include menus/:"
  echo "$peer"
  status=1
fi
[ $status -eq 0 ] && echo "layers: every include points down"
exit $status
