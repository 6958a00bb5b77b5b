#!/bin/bash
# Installs the Debian packages the builds and tests need, only those missing
# (one apt-get update at most). Run as root on a fresh Debian machine.
set -eu
packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev googletest libbenchmark-dev
  g++-mingw-w64-x86-64-posix wine64 xvfb imagemagick
  libfreetype-dev fonts-dejavu-core libpng-dev pkg-config
)
missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
