#!/usr/bin/env bash
# Builds the tool and starts it on the demo printers in a Wine prefix of its
# own (created once, outside the repository). With a display the tool opens
# there; without one it runs on a virtual display, and screenshots of the
# printer selection, the main window and the preview following the pages on
# two demo printers (a 4 x 2 inch label, a wristband) are saved in
# build/screenshots/.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
"$root/scripts/install-deps.sh"

"$root/scripts/build-zint-mingw.sh"
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target VXDrvFontTool help_file dvftool

export WINEPREFIX=${VX_DEMO_PREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/vxdrvfonttool/demo-prefix}
export WINEDEBUG=-all
"$root/scripts/make-demo-prefix.sh" "$WINEPREFIX"
tool="$root/build/windows/bin/VXDrvFontTool.exe"
wine=/usr/lib/wine/wine64

if [ -n "${DISPLAY:-}" ] && xdotool getdisplaygeometry >/dev/null 2>&1; then
    echo "Starting the tool on $DISPLAY (demo prefix: $WINEPREFIX)"
    exec "$wine" "$tool"
fi

# No display: run on a virtual one and show what the user would see.
shots="$root/build/screenshots"
mkdir -p "$shots"
source "$root/scripts/virtual-display.sh"
trap 'WINEPREFIX=$WINEPREFIX /usr/lib/wine/wineserver -k 2>/dev/null; stop_virtual_display' EXIT
start_virtual_display 1280x1024x24

wait_for() {  # window title
    for _ in $(seq 1 100); do
        xdotool search --name "$1" 2>/dev/null | head -1 && return 0
        sleep 0.2
    done
    echo "The window \"$1\" did not appear." >&2
    return 1
}
shoot() {  # window id, file
    sleep 0.7
    import -window root -crop "$(xdotool getwindowgeometry --shell "$1" |
        awk -F= '/WIDTH/{w=$2}/HEIGHT/{h=$2}/^X/{x=$2}/^Y/{y=$2}END{print w+8 "x" h+8 "+" x-4 "+" y-4}')" "$2"
    echo "  $2"
}

"$wine" "$tool" &
tool_pid=$!
echo "Screenshots:"
selection=$(wait_for "プリンタの選択")
shoot "$selection" "$shots/printer-selection.png"
# Choose the first printer in the list and confirm.
eval "$(xdotool getwindowgeometry --shell "$selection")"
xdotool mousemove $((X + 40)) $((Y + 78)) click 1
sleep 0.3
xdotool key Return
main=$(wait_for "ZEL Vextora 内蔵フォント設定ツール")
shoot "$main" "$shots/main-window.png"
xdotool key ctrl+q
shoot "$main" "$shots/main-window-2d.png"
xdotool key ctrl+k
shoot "$main" "$shots/main-window-font.png"

# The preview follows the page in front. On the 2D page: the QR code font
# (the fifth), its module width typed as 12 dots while the preview is open.
focus_main() {  # a click on the main window's caption
    eval "$(xdotool getwindowgeometry --shell "$main")"
    xdotool mousemove $((X + 300)) $((Y + 10)) click 1
    sleep 0.3
}
xdotool key ctrl+q
for _ in 1 2 3 4; do xdotool key Down; sleep 0.1; done
xdotool key ctrl+r
preview=$(wait_for "^プレビュー$")
focus_main
xdotool mousemove $((X + 201)) $((Y + 260)) click --repeat 2 1
xdotool key ctrl+a BackSpace
xdotool type 12
xdotool key ctrl+r  # brings the preview to the front
shoot "$preview" "$shots/preview-qr-label.png"
# On the wristband printer (sixth in the list), the 1D page's third font,
# CODE128 turned along the band.
focus_main
xdotool key ctrl+c
selection=$(wait_for "プリンタの選択")
eval "$(xdotool getwindowgeometry --shell "$selection")"
xdotool mousemove $((X + 40)) $((Y + 78 + 5 * 14)) click 1
sleep 0.3
xdotool key Return
sleep 1
xdotool key ctrl+p Down Down ctrl+r
shoot "$preview" "$shots/preview-code128-wristband.png"

# End as a user would: File > Exit, then "No" (do not save).
focus_main
xdotool key alt+F4
sleep 0.5
xdotool key n
wait "$tool_pid"
echo "The tool ran on the demo printers \"Label printer\" and \"病棟リストバンド 3F\" and ended normally."
