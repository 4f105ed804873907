#!/usr/bin/env bash
# Creates a Wine prefix for tests once: windows close at once without a
# window manager, and Japanese dialog text has a font. Safe to call from
# several processes at a time. Exits non-zero with a message naming the step
# that failed; the prefix counts as made only when every step succeeded.
set -euo pipefail
prefix=$(realpath -m "${1:?usage: make-wine-prefix.sh PREFIX}")  # Wine takes only absolute ones
# Without the preloader about one Wine start in 7,000 ends at once
# without a word (see scripts/install-deps.sh); checked on every call, so a
# test never runs on a machine where it may fail that way.
if [ ! -e /usr/lib/wine/wine64-preloader ]; then
    echo "make-wine-prefix.sh: Wine's preloader /usr/lib/wine/wine64-preloader is missing" \
        "(package wine64-preloader; scripts/install-deps.sh installs it)" >&2
    exit 1
fi
[ -f "$prefix/.vx-ready" ] && exit 0
mkdir -p "$prefix"
exec 9>"$prefix/.vx-lock"
flock 9
[ -f "$prefix/.vx-ready" ] && exit 0
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
failed() {  # step
    echo "make-wine-prefix.sh: $1 failed in $prefix" >&2
    exit 1
}
# A server left running in a prefix that was never finished would keep the
# wait at the end from returning.
/usr/lib/wine/wineserver -k </dev/null >/dev/null 2>&1 9>&- || true
DISPLAY= /usr/lib/wine/wine64 wineboot -i </dev/null >/dev/null 2>&1 9>&- || failed "wineboot -i"
reg=$(mktemp --suffix=.reg)
# regedit reads a .reg file as UTF-16 when it starts with a byte order mark;
# otherwise it takes the ANSI code page and garbles the Japanese font name.
{ printf '\xff\xfe'; sed 's/$/\r/' <<'REG' | iconv -f UTF-8 -t UTF-16LE; } > "$reg"
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"ＭＳ Ｐゴシック"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
"MS Shell Dlg"="IPAPGothic"
"MS Shell Dlg 2"="IPAPGothic"
"MS UI Gothic"="IPAPGothic"
REG
DISPLAY= /usr/lib/wine/wine64 regedit /S "$reg" </dev/null >/dev/null 2>&1 9>&- ||
    { rm -f "$reg"; failed "regedit (the prefix's settings)"; }
rm -f "$reg"
/usr/lib/wine/wineserver -w 9>&- || failed "waiting for the Wine server to end"
touch "$prefix/.vx-ready"
