#!/bin/bash
# Installs a built win tree into a prefix and builds the README's small plain
# program against it exactly as the README says: its CMakeLists.txt, App.cpp
# and build commands come from the README, with path/to/pelorin, the build
# tree and /opt/pelorin replaced. Usage: installed-project.sh BUILD_DIR DIR
# (DIR receives the prefix and the project; DIR/app/build/app.exe is the result).
set -eu
top=$(cd "$(dirname "$0")/../.." && pwd)
tree=${1:?usage: installed-project.sh BUILD_DIR DIR}
dir=${2:?usage: installed-project.sh BUILD_DIR DIR}
rm -rf "$dir"
mkdir -p "$dir/app"

# The fenced block after a marker line.
block() {
  awk -v marker="$1" -v fence="$2" '
    index($0, marker) { armed = 1; next }
    armed && $0 == "```" fence { inside = 1; next }
    inside && $0 == "```" { exit }
    inside { print }' "$top/README.md" |
    sed -e "s|path/to/pelorin/build/win|$tree|g" -e "s|path/to/pelorin|$top|g" -e "s|/opt/pelorin|$dir/prefix|g"
}
block "<!-- installed-project -->" cmake > "$dir/app/CMakeLists.txt"
block "<!-- three-lines -->" cpp > "$dir/app/App.cpp"
block "<!-- installed-build -->" sh > "$dir/app/build.sh"
for f in CMakeLists.txt App.cpp build.sh; do
  [ -s "$dir/app/$f" ] || { echo "README: the block for $f was not found" >&2; exit 1; }
done
cd "$dir/app"
bash -eu build.sh
test -f build/app.exe
# The header came from the prefix, not from the library's source tree (paths
# in the deps may be relative to the build folder when ccache rewrites them).
header=$(ninja -C build -t deps | awk '/pelorin\/Skin\.h$/ { print $1; exit }')
[ -n "$header" ] || { echo "the program did not include pelorin/Skin.h" >&2; exit 1; }
case $(cd build && realpath "$header") in
  "$(realpath "$dir/prefix")"/*) ;;
  *) echo "pelorin/Skin.h came from $header, not from the installed prefix" >&2; exit 1 ;;
esac
