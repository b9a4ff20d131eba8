#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12, as root. Quick
# when everything is already there.
set -euo pipefail

packages=(
  cmake make g++ libgtest-dev          # native build and tests
  g++-mingw-w64-i686                   # the shipped 32-bit module
  g++-mingw-w64-x86-64                 # the same code for a 64-bit-only Wine
  wine wine64 wine32:i386              # Windows loader, profile files, code pages
  xvfb xauth                           # a display for dialogs under Wine
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "setup: installing ${missing[*]}" >&2
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}" >/dev/null
