#!/usr/bin/env bash
# Pictures of the setting pages for the documentation, each cropped to the
# main window: the 1D page with one type of each key family, the 2D page with
# a QR code and a PDF417, the character font page with a bitmap font and an
# outline font at 96 DPI, and the outline font at 144 DPI. Runs the layout
# tests of the window tests (app_win32_tests) and the picture maker
# (page_pictures) in two Wine prefixes of its own, with the Japanese dialog
# fonts, one of them at 144 DPI, on a virtual display.
#
# Usage: scripts/screenshot-font-page.sh [BUILD_DIR]   (default: build/windows)
# Builds both programs, writes docs/screenshots/*.png (one per picture saved);
# exits non-zero when a layout test fails or a picture is not saved at either
# resolution.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build/windows}" && pwd)
tests=$build/bin/app_win32_tests.exe
pictures_exe=$build/bin/page_pictures.exe
out=$root/docs/screenshots
prefixes=$root/build/screenshot-prefixes
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
source "$root/scripts/virtual-display.sh"
cmake --build "$build" --target app_win32_tests page_pictures
command -v convert >/dev/null || { echo "convert (imagemagick) is missing" >&2; exit 1; }

export WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=

# A prefix whose windows close at once, whose dialog font has Japanese
# glyphs, and whose screen has the given resolution. Regedit reads a .reg
# file as UTF-16 or as the ANSI code page, so the file is written in UTF-16.
make_prefix() {  # directory dpi
    local prefix=$1 dpi=$2
    [ -f "$prefix/.vx-ready" ] && return 0
    mkdir -p "$prefix"
    WINEPREFIX=$prefix DISPLAY= "$wine" wineboot -i >/dev/null 2>&1
    local reg=$prefix/drive_c/windows/temp/vx-screenshot.reg
    {
        printf '\xff\xfe'
        sed 's/$/\r/' <<REG | iconv -f UTF-8 -t UTF-16LE
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]
"ＭＳ Ｐゴシック"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
"MS Shell Dlg"="IPAPGothic"
"MS Shell Dlg 2"="IPAPGothic"
"MS UI Gothic"="IPAPGothic"

[HKEY_CURRENT_USER\\Control Panel\\Desktop]
"LogPixels"=dword:$(printf '%08x' "$dpi")
REG
    } >"$reg"
    WINEPREFIX=$prefix DISPLAY= "$wine" regedit /S 'C:\windows\temp\vx-screenshot.reg' >/dev/null 2>&1
    WINEPREFIX=$prefix "$wineserver" -w
    rm -f "$reg"
    touch "$prefix/.vx-ready"
}

pictures=$(mktemp -d)
cleanup() {
    for dpi in 96 144; do
        [ -d "$prefixes/$dpi" ] && WINEPREFIX=$prefixes/$dpi "$wineserver" -k 2>/dev/null || true
    done
    stop_virtual_display
    rm -rf "$pictures"
}
trap cleanup EXIT
start_virtual_display 1600x1200x24

status=0
for dpi in 96 144; do
    make_prefix "$prefixes/$dpi" "$dpi"
    mkdir -p "$pictures/$dpi"
    echo "== $dpi DPI"
    # The layout tests and the history dialog's picture, then the page and
    # preview picture maker.
    (cd "$build" && WINEPREFIX=$prefixes/$dpi VX_SCREENSHOT_DIR="Z:$pictures/$dpi" "$wine" "$tests" \
        --gtest_filter='*LayoutTest*:HistoryWindowTest.TheDialog*') || status=1
    WINEPREFIX=$prefixes/$dpi "$wine" "$pictures_exe" "Z:$pictures/$dpi" || status=1
done

mkdir -p "$out"
# Every page's pictures at 96 DPI, and the character font page at 144 DPI.
for picture in "$pictures"/96/*.bmp; do
    convert "$picture" -strip "$out/$(basename "$picture" .bmp).png"
done
convert "$pictures/144/font-page-outline.bmp" -strip "$out/font-page-144dpi.png"
echo "Pictures in $out"
exit "$status"
