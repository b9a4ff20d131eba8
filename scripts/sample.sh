#!/usr/bin/env bash
# The main job: reformats the sample message with "Left Align" through the
# real tidewick.dll, loaded by tidewick.exe under Wine, and prints the result.
set -euo pipefail
source "$(dirname "$0")/common.sh"

"$root/scripts/setup.sh"
configure win32 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake"
name=win32
if ! can_run_win32; then
  echo "sample: this machine's Wine cannot run 32-bit programs; using the 64-bit build of the same code" >&2
  configure win64 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake"
  build win64 tidewick_host
  name=win64
fi
dir=$build_root/$name
mkdir -p "$dir/sample-config"
status=0
"$dir/wine-run" "$dir/bin/tidewick.exe" --config-dir "$dir/sample-config" \
  run "Left Align" "$root/samples/message.txt" || status=$?
stop_wine "$name"
exit $status
