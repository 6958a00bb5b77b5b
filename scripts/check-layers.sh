#!/bin/bash
# Dependencies between the library's folders run one way:
#   host <- skinfile <- skinmodel <- paint <- skinbase <- menus <- formframe <- manager
# (skinmodel reaches the manager's portable core only to post its requests).
# Fails listing every include that points the other way.
set -u
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
layers=(host skinfile skinmodel paint skinbase menus formframe manager)
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
[ $status -eq 0 ] && echo "layers: every include points down"
exit $status
