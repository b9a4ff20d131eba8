#!/usr/bin/env bash
# Builds every target and runs every test: natively with sanitizers, and the
# Windows builds under Wine. Exits non-zero when any test fails.
set -euo pipefail
source "$(dirname "$0")/common.sh"

"$root/scripts/setup.sh"
export CTEST_OUTPUT_ON_FAILURE=1
failed=0

echo "== native (AddressSanitizer, UBSan)"
configure native -DTIDEWICK_SANITIZE=ON
build native
ctest --test-dir "$build_root/native" -j "$jobs" || failed=1

echo "== win32 (i686, the shipped module)"
configure win32 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DTIDEWICK_RUN_TESTS=OFF
if can_run_win32; then
  configure win32 -DTIDEWICK_RUN_TESTS=ON
  build win32
else
  build win32
  echo "   this machine's Wine cannot run 32-bit programs: the 32-bit build is checked as a file only," \
       "and its code runs under Wine in the 64-bit build below"
fi
xvfb-run -a ctest --test-dir "$build_root/win32" || failed=1
stop_wine win32

echo "== win64 (x86_64, the same code under a 64-bit Wine)"
configure win64 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" -DTIDEWICK_RUN_TESTS=ON
build win64
xvfb-run -a ctest --test-dir "$build_root/win64" || failed=1
stop_wine win64

exit $failed
