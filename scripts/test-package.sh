#!/usr/bin/env bash
# Tests the Windows packages under Wine, in a fresh demo prefix of its own:
# builds both packages (scripts/package.sh), and a second set from a copy of
# the tree whose CMake version has the next patch number; installs the MSI
# silently, upgrades it, refuses the older one, uninstalls it, and runs the
# programs of the zip from an unpacked folder. Prints
# "package: N checks passed, M failed"; exit 1 when any failed.
set -uo pipefail
# Wine takes Japanese paths on its command line from UTF-8.
export LC_ALL=C.UTF-8
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
work=$root/build/package-test
passed=0
failed=0

check_value() {  # description, value found, value expected
    if [ "$2" = "$3" ]; then
        check "$1" true
    else
        check "$1 (found \"$2\", expected \"$3\")" false
    fi
}
check() {  # description, command...
    local description=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
        echo "  ok: $description"
    else
        failed=$((failed + 1))
        echo "  FAILED: $description"
    fi
}
finish() {
    echo "Package test: $SECONDS s"
    echo "package: $passed checks passed, $failed failed"
    [ "$failed" -eq 0 ]
    exit
}
stop() {  # a step that the rest depends on failed
    echo "package: stopped: $1" >&2
    failed=$((failed + 1))
    finish
}

product="ZEL Vextora 内蔵フォント設定ツール"
downgrade_message="この PC には、より新しいバージョンの ${product}がインストールされています。古いバージョンはインストールできません。"
files=(VXDrvFontTool.exe dvftool.exe VXDrvFontTool.chm README.txt licenses/zint.txt
       licenses/gcc-runtime.txt licenses/mingw-w64-runtime.txt licenses/nlohmann-json.txt)

# --- the packages --------------------------------------------------------------
echo "== Packages"
rm -rf "$work"
mkdir -p "$work"
export WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
wine=/usr/lib/wine/wine64
prefix=$work/prefix
xvfb=
trap 'WINEPREFIX=$prefix /usr/lib/wine/wineserver -k 2>/dev/null; [ -z "$xvfb" ] || kill $xvfb 2>/dev/null' EXIT
# The fresh prefix is made meanwhile (it takes a while and needs no build).
"$root/scripts/make-demo-prefix.sh" "$prefix" >"$work/prefix.log" 2>&1 &
prefix_job=$!

"$root/scripts/package.sh" || stop "scripts/package.sh failed"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
IFS=. read -r major minor patch <<<"$version"
next=$major.$minor.$((patch + 1))
old_msi=$root/build/dist/VXDrvFontTool-$version-x64.msi
old_zip=$root/build/dist/VXDrvFontTool-$version-x64.zip

# The next version: the same tree with only the CMake project version changed.
tree=$work/next
mkdir -p "$tree"
git ls-files -z --cached --others --exclude-standard |
    xargs -0 cp --parents -t "$tree" 2>/dev/null
sed -i "s/^project(VXDrvFontTool VERSION $version /project(VXDrvFontTool VERSION $next /" \
    "$tree/CMakeLists.txt"
grep -q "VERSION $next " "$tree/CMakeLists.txt" || stop "the version line of CMakeLists.txt"
# Configured as build/windows is, so that a compiler cache that build uses
# serves this one too (paths below the tree are compared relative to it).
cache_value() { sed -n "s/^$1:[A-Z]*=//p" "$root/build/windows/CMakeCache.txt"; }
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root}
(cd "$tree" && cmake --preset windows -DCMAKE_BUILD_TYPE=Release \
    -DVX_WARNINGS_AS_ERRORS="$(cache_value VX_WARNINGS_AS_ERRORS)" \
    -DCMAKE_CXX_COMPILER_LAUNCHER="$(cache_value CMAKE_CXX_COMPILER_LAUNCHER)" \
    -DCMAKE_C_COMPILER_LAUNCHER="$(cache_value CMAKE_C_COMPILER_LAUNCHER)") >"$work/next.log" 2>&1 ||
    { tail -20 "$work/next.log"; stop "configuring version $next"; }
VX_WINE_PREFIX=$root/build/wine-test-prefix "$tree/scripts/package.sh" >>"$work/next.log" 2>&1 ||
    { tail -20 "$work/next.log"; stop "packaging version $next failed"; }
echo "Packages of $version and $next built in $SECONDS s"
new_msi=$tree/build/dist/VXDrvFontTool-$next-x64.msi
new_zip=$tree/build/dist/VXDrvFontTool-$next-x64.zip

# Helpers of the test, and the fresh prefix.
cmake --build --preset windows --target message_box_text >/dev/null || stop "building the helpers"
wait "$prefix_job" || { cat "$work/prefix.log"; stop "the fresh Wine prefix"; }
export WINEPREFIX=$prefix
# Windows open on the caller's display, else on a virtual one of our own.
if [ -z "${DISPLAY:-}" ] || ! xdotool getdisplaygeometry >/dev/null 2>&1; then
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || stop "the virtual display did not start"
    export DISPLAY=:$(cat "$work/display")
fi
"$root/scripts/wine-session.sh" "$prefix"

# --- what the packages hold ------------------------------------------------------
echo "== Contents"
unpack() {  # zip, folder
    mkdir -p "$2" && unzip -q -o "$1" -d "$2"
}
unpack "$old_zip" "$work/zip-old"
unpack "$new_zip" "$work/zip-new"
tree_of() { (cd "$1" && find . -type f | sed 's|^\./||' | sort); }
zip_files=$(printf '%s\n' "${files[@]/#/VXDrvFontTool-$version-x64/}" | sort)
check "the zip holds the programs, help, read-me and licences in one folder" \
    test "$(tree_of "$work/zip-old")" = "$zip_files"
old_files=$work/zip-old/VXDrvFontTool-$version-x64
new_files=$work/zip-new/VXDrvFontTool-$next-x64
check "the read-me names the version" grep -q "バージョン $version" "$old_files/README.txt"
check "zint's licence is its BSD licence" \
    grep -q "License: BSD-3-Clause" "$old_files/licenses/zint.txt"
check "the GCC runtime's licence holds its exception" \
    grep -q "GCC RUNTIME LIBRARY EXCEPTION" "$old_files/licenses/gcc-runtime.txt"

msi_property() {  # package, property: the value (read by msitools)
    msiinfo export "$1" Property | tr -d '\r' | awk -F'\t' -v p="$2" '$1 == p { print $2 }'
}
check "the MSI's product version is the project's" test "$(msi_property "$old_msi" ProductVersion)" = "$version"
check "the next MSI's product version is $next" test "$(msi_property "$new_msi" ProductVersion)" = "$next"
check "the MSI installs per machine" test "$(msi_property "$old_msi" ALLUSERS)" = 1
check "both MSIs share the upgrade code" \
    test "$(msi_property "$old_msi" UpgradeCode)" = "$(msi_property "$new_msi" UpgradeCode)"
check "the product name in the MSI is the Japanese one (msitools)" \
    test "$(msi_property "$old_msi" ProductName)" = "$product"
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
shown=$("$wine" build/windows/bin/msi_texts.exe show "$(windows_path "$old_msi")" \
    "$(windows_path "$root/packaging/msi_texts.tsv")" </dev/null 2>&1)
check "the Japanese texts read back through the installer API are exact" \
    test "$shown" = "$(grep -v '^#' packaging/msi_texts.tsv)"
# A text for a row that the database lacks: refused, and nothing written.
cp "$old_msi" "$work/refused.msi"
printf 'Property\tProperty\tNoSuchProperty\tValue\t名前\n' >"$work/missing-row.tsv"
"$wine" build/windows/bin/msi_texts.exe set "$(windows_path "$work/refused.msi")" \
    "$(windows_path "$work/missing-row.tsv")" </dev/null >"$work/refused.log" 2>&1
refused=$?
cmp -s "$old_msi" "$work/refused.msi" && untouched=yes || untouched=no
check "texts for a row the package lacks are refused, the package untouched" \
    test "$refused/$untouched" = 1/yes
sequence() {  # package, action: its number in InstallExecuteSequence
    msiinfo export "$1" InstallExecuteSequence | tr -d '\r' | awk -F'\t' -v a="$2" '$1 == a { print $3 }'
}
check "an older version is removed before anything new is installed" \
    test "$(sequence "$old_msi" InstallValidate)" -lt "$(sequence "$old_msi" RemoveExistingProducts)" -a \
    "$(sequence "$old_msi" RemoveExistingProducts)" -lt "$(sequence "$old_msi" InstallInitialize)"

event_source_key='SYSTEM\CurrentControlSet\Services\EventLog\Application\VXDrvFontTool'
registry_rows() {  # package: the Registry table's rows of the event source (root, name, value, component)
    msiinfo export "$1" Registry | tr -d '\r' |
        K=$event_source_key awk -F'\t' '$3 == ENVIRON["K"] || $3 == ENVIRON["K"] "\\" { print $2 "|" $4 "|" $5 "|" $6 }' |
        sort
}
check_value "the MSI registers the event source for the machine, its texts in the tool" \
    "$(registry_rows "$old_msi" | tr '\n' ' ')" \
    "2|EventMessageFile|[INSTALLDIR]VXDrvFontTool.exe|ToolProgram 2|TypesSupported|#7|ToolProgram "
# The message table as the programs carry it: each event's first line, in UTF-16.
carries_event_texts() {  # program
    python3 - "$1" <<'PY'
import sys
data = open(sys.argv[1], 'rb').read()
texts = ['設定ファイルを保存しました。\r\n', '設定ファイルを以前の設定に戻しました。\r\n']
sys.exit(0 if all(t.encode('utf-16-le') in data for t in texts) else 1)
PY
}
check "the tool carries the events' texts for Event Viewer" carries_event_texts "$old_files/VXDrvFontTool.exe"
check "dvftool.exe carries them too" carries_event_texts "$old_files/dvftool.exe"

# --- install, upgrade, downgrade, uninstall ------------------------------------------
drive=$prefix/drive_c
installed=$drive/Program\ Files/ZEL/VXDrvFontTool
all_users_menu=$drive/ProgramData/Microsoft/Windows/Start\ Menu/Programs
shortcut=$all_users_menu/$product.lnk
msiexec() {  # arguments...: msiexec's exit status, as Wine passes it (8 bits)
    "$wine" msiexec "$@" </dev/null >>"$work/msiexec.log" 2>&1
}
# Registry keys as UTF-8 text (reg export writes UTF-16).
registry() {  # key
    local file=$work/export.reg
    rm -f "$file"
    # Wine's reg now and then fails to export a key that is there; a key that
    # is truly missing fails all three times.
    local attempt
    for attempt in 1 2 3; do
        if "$wine" reg export "$1" "$(windows_path "$file")" /y </dev/null >/dev/null 2>&1; then
            iconv -f UTF-16 -t UTF-8 "$file" | tr -d '\r'
            return 0
        fi
        sleep 0.5
    done
}
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
product_entries() { registry "$uninstall_key" | grep -c "^\"DisplayName\"=\"$product\"$"; }
entry_value() {  # package, value name: the string in the entry of the package's product
    registry "$uninstall_key\\$(msi_property "$1" ProductCode)" |
        sed -n "s/^\"$2\"=\"\(.*\)\"$/\1/p" | sed 's/\\\\/\\/g'
}
same_files() {  # folder A, folder B: the same files with the same bytes
    [ "$(tree_of "$1")" = "$(tree_of "$2")" ] && diff -rq "$1" "$2" >/dev/null
}
tool_version() {  # the installed dvftool's answer
    "$wine" "C:\\Program Files\\ZEL\\VXDrvFontTool\\dvftool.exe" --version </dev/null 2>&1 | tr -d '\r'
}
window_appears() {  # title, seconds
    local i
    for ((i = 0; i < $2 * 5; i++)); do
        xdotool search --name "^$1\$" >/dev/null 2>&1 && return 0
        sleep 0.2
    done
    return 1
}
tool_running() {  # in this test's prefix (other prefixes may run the tool meanwhile)
    local pid
    for pid in $(pgrep -f 'VXDrvFontTool\.exe'); do
        { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$prefix" && return 0
    done
    return 1
}
tool_ends() {  # closes the tool's windows as the system does; true once it has ended
    local i
    "$wine" taskkill /im VXDrvFontTool.exe </dev/null >/dev/null 2>&1
    for ((i = 0; i < 50; i++)); do
        if ! xdotool search --name "^プリンタの選択\$" >/dev/null 2>&1 && ! tool_running; then
            return 0
        fi
        sleep 0.2
    done
    return 1
}

echo "== Install $version (msiexec /i /qn)"
user=$(basename "$(find "$drive/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -1)")
# The user's files: the demo printers' driver font files, and a kept
# version of one in the tool's per-user history.
history=$drive/users/$user/AppData/Local/VXDrvFontTool/history/ALTOD.DVF
mkdir -p "$history"
cp "$drive/windows/system32/spool/drivers/x64/3/ALTOD.DVF" "$history/20240101-120000.dvf"
user_data() {
    (cd "$drive" && find windows/system32/spool/drivers "users/$user/AppData/Local/VXDrvFontTool" \
        -type f -iname '*.dvf' | sort | xargs -d '\n' md5sum)
}
user_data_before=$(user_data)

msiexec /i "$(windows_path "$old_msi")" /qn
check "the silent install succeeds" test $? -eq 0
check "the installed files are the zip's" same_files "$installed" "$old_files"
check "the shortcut is in the all-users Start menu under its Japanese name" test -f "$shortcut"
check "no shortcut in the user's own Start menu" \
    test -z "$(find "$drive/users" -name "$product.lnk" 2>/dev/null)"
check "the shortcut starts the installed program" \
    grep -q -a "Program Files\\\\ZEL\\\\VXDrvFontTool\\\\VXDrvFontTool.exe" \
    <(iconv -f UTF-16LE -t UTF-8 -c "$shortcut"; cat "$shortcut")
check "one Apps & features entry under the Japanese name" test "$(product_entries)" = 1
check_value "the entry names the publisher ZEL" "$(entry_value "$old_msi" Publisher)" ZEL
check_value "the entry gives the version" "$(entry_value "$old_msi" DisplayVersion)" "$version"
check_value "the entry gives the install folder" \
    "$(entry_value "$old_msi" InstallLocation)" 'C:\Program Files\ZEL\VXDrvFontTool\'
icon=$(registry 'HKLM\Software\Classes\Installer\Products' |
    sed -n 's/^"ProductIcon"="\(.*\)"$/\1/p' | sed 's/\\\\/\\/g; s/^C:/drive_c/; s/\\/\//g')
check "the product is registered for the machine with the program's icon" \
    cmp -s "$prefix/$icon" resources/icons/app.ico
check "the installed dvftool.exe --version prints the version" test "$(tool_version)" = "dvftool $version"
event_source() {  # the event source's values as the registry holds them
    registry "HKLM\\$event_source_key" | grep -E '^"(EventMessageFile|TypesSupported)"=' | sed 's/\\\\/\\/g'
}
check_value "the event source is registered, naming the installed tool" "$(event_source | tr '\n' ' ')" \
    '"EventMessageFile"="C:\Program Files\ZEL\VXDrvFontTool\VXDrvFontTool.exe" "TypesSupported"=dword:00000007 '
# Wine keeps no event log: the events of a save go nowhere, and the save succeeds.
cp "$drive/windows/system32/spool/drivers/x64/3/ALTOD.DVF" "$drive/events-copy.dvf"
"$wine" "C:\\Program Files\\ZEL\\VXDrvFontTool\\dvftool.exe" --no-history set 'C:\events-copy.dvf' \
    ZEL文字フォント03 originX=0120 </dev/null >/dev/null 2>&1
check "a save by the installed dvftool.exe writes its event and succeeds" test $? -eq 0
"$wine" start "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\$product.lnk" </dev/null >/dev/null 2>&1
check "the tool started from its shortcut shows the printer selection" window_appears "プリンタの選択" 30
check "the tool ends when told to close" tool_ends

echo "== Upgrade to $next"
msiexec /i "$(windows_path "$new_msi")" /qn
check "the newer version installs over the older" test $? -eq 0
check "its files replace the older ones" same_files "$installed" "$new_files"
check_value "one entry is left, with the newer version" \
    "$(product_entries)/$(entry_value "$new_msi" DisplayVersion)" "1/$next"
check "dvftool.exe --version prints the newer version" test "$(tool_version)" = "dvftool $next"
check "the shortcut is still there" test -f "$shortcut"

echo "== Older version over the newer"
msiexec /i "$(windows_path "$old_msi")" /qn
check "a silent install of the older version is refused (1603)" test $? -eq $((1603 % 256))
check "the newer version stays, alone" \
    test "$(product_entries)/$(entry_value "$new_msi" DisplayVersion)/$(tool_version)" = "1/$next/dvftool $next"
msiexec /i "$(windows_path "$old_msi")" /qb &
installer=$!
box=$("$wine" build/windows/bin/message_box_text.exe "Install Failed" 30 </dev/null 2>&1 | tr -d '\r' | tail -1)
wait "$installer"
check "with a user interface the refusal says why, in Japanese" test "$box" = "$downgrade_message"

echo "== Uninstall (msiexec /x /qn)"
msiexec /x "$(windows_path "$new_msi")" /qn
check "the silent uninstall succeeds" test $? -eq 0
check "no installed file is left" test ! -e "$installed"
check "the ZEL folder is gone" test ! -e "$drive/Program Files/ZEL"
check "the shortcut is gone" test ! -e "$shortcut"
check "the Apps & features entry is gone" test "$(product_entries)" = 0
check "the event source is gone" test -z "$(event_source)"
check "driver font files and the settings history stay as they were" \
    test "$(user_data)" = "$user_data_before" -a -n "$user_data_before"

echo "== The zip, unpacked"
unpacked="$drive/ツール 展開"
mkdir -p "$unpacked"
cp -r "$old_files/." "$unpacked/"
unpacked_windows="C:\\ツール 展開"
check "its dvftool.exe runs and prints the version" \
    test "$("$wine" "$unpacked_windows\\dvftool.exe" --version </dev/null 2>&1 | tr -d '\r')" = "dvftool $version"
check "its dvftool.exe checks a driver font file" \
    test "$("$wine" "$unpacked_windows\\dvftool.exe" check "C:\\windows\\system32\\spool\\drivers\\x64\\3\\ALTOD.DVF" </dev/null 2>&1 | tr -d '\r')" = ok
"$wine" "$unpacked_windows\\VXDrvFontTool.exe" </dev/null >/dev/null 2>&1 &
check "its tool shows the printer selection" window_appears "プリンタの選択" 30
check "the tool ends when told to close" tool_ends

finish
