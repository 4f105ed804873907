#!/usr/bin/env bash
# Builds the tool and starts it on the demo printers in a Wine prefix of its
# own (created once, outside the repository; VX_DEMO_PREFIX names another).
# The tool keeps its earlier versions in the demo user's profile (--history):
# Wine keeps no access lists, so the machine's history folder is never used
# there.
#
# With a display the tool opens there. Without one it runs on a virtual
# display and is driven as a user drives it, answering every question the
# tool asks: the printer selection, the three pages, the preview following
# the 2D page on a 4 x 2 inch label printer, a save, 以前の設定に戻す and a
# save of the version put back (when another printer is chosen), the preview
# following the 1D page on a wristband printer, and the end. Six screenshots
# are saved in build/screenshots/. Before each screenshot and after each
# answer it checks that exactly the windows expected are open (a message box
# left over the tool, or one more than expected, is a failure), and after
# the saves that the versions were kept and put back. It ends with
#   demo: N checks passed, M failed
# and a non-zero status at the first check that fails, and when the tool
# does not end. In that run the demo driver font files are first put back
# as demo/ holds them.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
"$root/scripts/install-deps.sh"

"$root/scripts/build-zint-mingw.sh"
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target VXDrvFontTool help_file dvftool

export WINEPREFIX=${VX_DEMO_PREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/vxdrvfonttool/demo-prefix}
export WINEDEBUG=-all
tool="$root/build/windows/bin/VXDrvFontTool.exe"
dvftool="$root/build/windows/bin/dvftool.exe"
wine=/usr/lib/wine/wine64
headless=
if [ -z "${DISPLAY:-}" ] || ! xdotool getdisplaygeometry >/dev/null 2>&1; then headless=1; fi

"$root/scripts/make-demo-prefix.sh" ${headless:+--reset-files} "$WINEPREFIX"
# The demo user's history folder, as Windows programs name it: Wine names
# the user's profile after the Unix user.
user=$(id -un)
if [ ! -d "$WINEPREFIX/drive_c/users/$user/AppData/Local" ]; then
    echo "The demo user's profile folder is missing in $WINEPREFIX/drive_c/users/." >&2
    exit 1
fi
history="C:\\users\\$user\\AppData\\Local\\VXDrvFontTool\\demo-history"

if [ -z "$headless" ]; then
    echo "Starting the tool on $DISPLAY (demo prefix: $WINEPREFIX; history: $history)"
    exec "$wine" "$tool" --history "$history"
fi

# No display: run on a virtual one and show what the user would see.
shots="$root/build/screenshots"
mkdir -p "$shots"
source "$root/scripts/virtual-display.sh"
# A stop from outside (a time limit) ends the script through its EXIT trap.
trap 'exit 143' TERM INT
trap 'WINEPREFIX=$WINEPREFIX /usr/lib/wine/wineserver -k 2>/dev/null; stop_virtual_display' EXIT
start_virtual_display 1280x1024x24

main_title="ZEL Vextora 内蔵フォント設定ツール"
box_title="内蔵フォント設定ツール"  # every message box's caption
selection_title="プリンタの選択"
preview_title="プレビュー"
history_title="以前の設定に戻す"
passed=0

fail() {
    echo "run.sh: $*" >&2
    import -window root "$shots/failed.png" 2>/dev/null && echo "What was on the screen: $shots/failed.png" >&2
    echo "demo: $passed checks passed, 1 failed"
    exit 1
}
check_passed() { passed=$((passed + 1)); }

# The titles of the visible top-level windows, sorted, one a line (an
# untitled one as an empty line).
open_windows() {
    local top id
    top=$(xdotool search --maxdepth 0 --name '' 2>/dev/null | head -1)
    for id in $(xdotool search --maxdepth 1 --onlyvisible --name '' 2>/dev/null); do
        [ "$id" = "$top" ] && continue
        xdotool getwindowname "$id" 2>/dev/null || echo
    done | sort
}
# Waits until exactly the windows of these titles are open, and still are
# a moment later.
expect_windows() {  # when, title...
    local when=$1 want got
    shift
    want=$(printf '%s\n' "$@" | sort)
    for _ in $(seq 1 50); do
        got=$(open_windows)
        if [ "$got" = "$want" ]; then
            sleep 0.5
            got=$(open_windows)
            [ "$got" = "$want" ] && return 0
        fi
        sleep 0.2
    done
    fail "$when: expected the windows [$(paste -sd '|' <<<"$want")], open are [$(paste -sd '|' <<<"$got")]"
}
window_id() {  # title
    xdotool search --maxdepth 1 --onlyvisible --name "^$1\$" 2>/dev/null | head -1
}
# Answers the one message box open with a key, and waits until it is gone.
answer() {  # when, key
    local box
    box=$(window_id "$box_title")
    [ -n "$box" ] || fail "$1: no message box to answer"
    xdotool key "$2"
    for _ in $(seq 1 50); do
        xdotool search --maxdepth 1 --onlyvisible --name "^$box_title\$" 2>/dev/null |
            grep -qx "$box" || return 0
        sleep 0.2
    done
    fail "$1: the message box stayed open after $2"
}
# A picture of the window, once only the windows expected are open.
shoot() {  # file, title of the window, titles of the windows open
    local file=$1 title=$2 id geometry
    shift 2
    expect_windows "before $file" "$@"
    sleep 0.5
    id=$(window_id "$title")
    [ -n "$id" ] || fail "before $file: no window \"$title\""
    geometry=$(xdotool getwindowgeometry --shell "$id" |
        awk -F= '/WIDTH/{w=$2}/HEIGHT/{h=$2}/^X/{x=$2}/^Y/{y=$2}END{print w+8 "x" h+8 "+" x-4 "+" y-4}')
    # Checked again at the moment of the picture.
    [ "$(open_windows)" = "$(printf '%s\n' "$@" | sort)" ] || fail "at $file: another window opened"
    import -window root -crop "$geometry" "$shots/$file" || fail "$file could not be saved"
    [ -s "$shots/$file" ] || fail "$file is missing"
    check_passed
    echo "  build/screenshots/$file"
}
focus_main() {  # a click on the main window's caption
    eval "$(xdotool getwindowgeometry --shell "$(window_id "$main_title")")"
    xdotool mousemove $((X + 300)) $((Y + 10)) click 1
    sleep 0.3
}
choose_printer() {  # row in the printer selection (0 = first)
    eval "$(xdotool getwindowgeometry --shell "$(window_id "$selection_title")")"
    xdotool mousemove $((X + 40)) $((Y + 78 + $1 * 14)) click 1
    sleep 0.3
    xdotool key Return
}
demo_dvftool() { "$wine" "$dvftool" "$@" --history "$history"; }

rm -f "$shots"/{printer-selection,main-window,main-window-2d,main-window-font}.png \
    "$shots"/{preview-qr-label,preview-code128-wristband,failed}.png
"$wine" "$tool" --history "$history" &
tool_pid=$!
echo "Screenshots:"
shoot printer-selection.png "$selection_title" "$selection_title"
# The first printer in the list, "Label printer" (4 x 2 inch labels).
choose_printer 0
shoot main-window.png "$main_title" "$main_title"
xdotool key ctrl+q
shoot main-window-2d.png "$main_title" "$main_title"
xdotool key ctrl+k
shoot main-window-font.png "$main_title" "$main_title"

# The preview follows the page in front. On the 2D page: the QR code font
# (the fifth), its module width typed as 12 dots while the preview is open.
xdotool key ctrl+q
for _ in 1 2 3 4; do xdotool key Down; sleep 0.1; done
xdotool key ctrl+r
expect_windows "the preview opened" "$main_title" "$preview_title"
focus_main
xdotool mousemove $((X + 201)) $((Y + 260)) click --repeat 2 1
xdotool key ctrl+a BackSpace
xdotool type 12
xdotool key ctrl+r  # brings the preview to the front
shoot preview-qr-label.png "$preview_title" "$main_title" "$preview_title"

# A save: 保存しますか？ and 保存しました, nothing more: the file as it was
# is kept as a version.
focus_main
xdotool key ctrl+s
expect_windows "after Ctrl+S" "$main_title" "$preview_title" "$box_title"
answer "保存しますか？" Return
expect_windows "after the save" "$main_title" "$preview_title" "$box_title"
answer "保存しました" Return
expect_windows "after 保存しました (no warning about the history)" "$main_title" "$preview_title"
version=$(mktemp --suffix=.dvf)
demo_dvftool restore --printer "Label printer" 1 -o "Z:$version" 2>/dev/null ||
    fail "the save kept no version in $history"
"$wine" "$dvftool" diff "Z:$root/demo/ALTOD.DVF" "Z:$version" >/dev/null ||
    fail "the version kept is not the file as it was before the save"
rm -f "$version"
check_passed
echo "Saved on \"Label printer\": the file as it was is kept in $history."

# 以前の設定に戻す lists the versions, the newest chosen; OK shows it unsaved.
xdotool key alt+f
sleep 0.3
xdotool key r
expect_windows "以前の設定に戻す" "$main_title" "$preview_title" "$history_title"
xdotool key Return
expect_windows "after OK in 以前の設定に戻す" "$main_title" "$preview_title" "$box_title"
answer "以前の設定を表示しました" Return
expect_windows "after the version was shown" "$main_title" "$preview_title"

# Another printer while the version is shown unsaved: asked first, はい
# saves it (保存しました) and then binds the wristband printer (sixth in the
# list), whose 1D page's third font is CODE128 turned along the band.
xdotool key ctrl+c
expect_windows "after Ctrl+C" "$main_title" "$preview_title" "$selection_title"
choose_printer 5
expect_windows "the question before the other printer" "$main_title" "$preview_title" "$box_title"
answer "the question before the other printer" y
expect_windows "after はい" "$main_title" "$preview_title" "$box_title"
answer "保存しました" Return
expect_windows "after 保存しました (no warning about the history)" "$main_title" "$preview_title"
"$wine" "$dvftool" diff "Z:$root/demo/ALTOD.DVF" --printer "Label printer" >/dev/null ||
    fail "the version put back was not saved into the file of \"Label printer\""
check_passed
echo "Put back and saved on \"Label printer\": the file holds its demo settings again."
xdotool key ctrl+p Down
sleep 0.1
xdotool key Down ctrl+r
shoot preview-code128-wristband.png "$preview_title" "$main_title" "$preview_title"

# The end as a user ends: Alt+F4, and いいえ to the question whether to save.
focus_main
xdotool key alt+F4
expect_windows "the question at the end" "$main_title" "$preview_title" "$box_title"
answer "the question at the end" n
for _ in $(seq 1 100); do
    kill -0 "$tool_pid" 2>/dev/null || break
    sleep 0.2
done
kill -0 "$tool_pid" 2>/dev/null && fail "the tool did not end after いいえ"
wait "$tool_pid" || fail "the tool ended with status $?"
check_passed
echo "The tool ran on the demo printers \"Label printer\" and \"病棟リストバンド 3F\" and ended normally."
echo "demo: $passed checks passed, 0 failed"
