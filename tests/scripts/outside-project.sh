#!/bin/bash
# Builds the hello example as an outside project exactly as the README says:
# its CMakeLists.txt and build commands are taken from the README, with
# path/to/pelorin replaced by this repository. Usage: outside-project.sh DIR
# (DIR receives the project; its build/hello.exe is the result).
set -eu
top=$(cd "$(dirname "$0")/../.." && pwd)
dir=${1:?usage: outside-project.sh DIR}
rm -rf "$dir"
mkdir -p "$dir"

# The fenced block after a marker line, with the placeholder path replaced.
block() {
  awk -v marker="$1" -v fence="$2" '
    index($0, marker) { armed = 1; next }
    armed && $0 == "```" fence { inside = 1; next }
    inside && $0 == "```" { exit }
    inside { print }' "$top/README.md" | sed "s|path/to/pelorin|$top|g"
}
block "<!-- outside-project -->" cmake > "$dir/CMakeLists.txt"
block "Build it for Windows" sh > "$dir/build.sh"
[ -s "$dir/CMakeLists.txt" ] && [ -s "$dir/build.sh" ] || { echo "README: outside-project blocks not found" >&2; exit 1; }
cp "$top/examples/hello/Hello.cpp" "$dir/"
cd "$dir"
bash -eu build.sh
test -f build/hello.exe
