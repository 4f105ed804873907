#!/usr/bin/env bash
# Start-up, binding and saving of the tool under Wine against a bare dialog
# program started the same way in the same run (bench/win32/startup_bench),
# then what creating and painting each setting page costs (page_paint_bench).
#
#   scripts/bench-startup.sh [RUNS [PRINTER]]
#
# Builds the Windows targets it needs (VX_BENCH_BUILD_DIR, default
# build/windows), uses a demo prefix of its own (VX_BENCH_PREFIX, created
# once; saves rewrite its driver font file), and a virtual display unless
# VX_BENCH_DISPLAY names one. Prints every round and the medians.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${1:-7}
printer=${2:-出荷ラベル 1F}
build=${VX_BENCH_BUILD_DIR:-$root/build/windows}
export WINEPREFIX=${VX_BENCH_PREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/vxdrvfonttool/bench-prefix}
export WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=

if [ ! -f "$build/CMakeCache.txt" ]; then
    "$root/scripts/build-zint-mingw.sh"
    cmake -S "$root" -B "$build" --toolchain "$root/cmake/mingw-w64.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" -j 2 --target VXDrvFontTool help_file startup_bench bare_dialog \
    page_paint_bench >/dev/null
"$root/scripts/make-demo-prefix.sh" "$WINEPREFIX"

source "$root/scripts/virtual-display.sh"
cleanup() {
    /usr/lib/wine/wineserver -k 2>/dev/null || true
    stop_virtual_display
}
trap cleanup EXIT
if [ -n "${VX_BENCH_DISPLAY:-}" ]; then
    export DISPLAY=$VX_BENCH_DISPLAY
else
    start_virtual_display 1280x1024x24
fi
# One server for the whole run, so that no program pays for starting it.
"$root/scripts/wine-session.sh" "$WINEPREFIX"

winpath() { echo "Z:${1//\//\\}"; }
/usr/lib/wine/wine64 "$build/bin/startup_bench.exe" "$(winpath "$build/bin/VXDrvFontTool.exe")" \
    "$(winpath "$build/bin/bare_dialog.exe")" "$printer" "$runs"
echo
# What the pages alone cost: painting the 1D page is the floor under bind.
/usr/lib/wine/wine64 "$build/bin/page_paint_bench.exe"
