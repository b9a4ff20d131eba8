# Shared by the scripts: where the builds live and how they are made.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_root=${TIDEWICK_BUILD_DIR:-$root/build}
jobs=$(nproc 2>/dev/null || echo 2)

# configure NAME [cmake options...]
configure() {
  local name=$1; shift
  cmake -S "$root" -B "$build_root/$name" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
}

# build NAME [targets...]: everything when no target is named
build() {
  local name=$1; shift
  local targets=()
  [[ $# -gt 0 ]] && targets=(--target "$@")
  cmake --build "$build_root/$name" -j "$jobs" "${targets[@]}" >/dev/null
}

# True when this machine's Wine runs the 32-bit build's programs; some
# kernels execute 64-bit code only.
can_run_win32() {
  local dir=$build_root/win32
  build win32 tidewick_host
  timeout 300 "$dir/wine-run" "$dir/bin/tidewick.exe" --help >/dev/null 2>&1
}

# Waits for the Wine server of a build's prefix to end, so nothing outlives the script.
stop_wine() {
  local dir=$build_root/$1
  [[ -d "$dir/wineprefix" ]] && WINEPREFIX="$dir/wineprefix" wineserver -k >/dev/null 2>&1 || true
}
