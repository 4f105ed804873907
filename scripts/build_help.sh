#!/bin/sh
# build_help.sh OUTDIR - compile the help file VXDrvFontTool.chm into OUTDIR.
#
# The help sources in resources/help are UTF-8. A compiled help file for a
# Japanese help project (Language 0x411) is read in code page 932, so every
# source is converted to code page 932 in a scratch directory first, and the
# pages' charset declaration is changed to match. A character that code page
# 932 cannot hold stops the build.
#
# Environment: CHMCMD names the compiler (default chmcmd-3.2.2), ICONV the
# converter (default iconv).
set -eu

if [ $# -ne 1 ]; then
    echo "usage: $0 OUTDIR" >&2
    exit 2
fi

outdir=$1
chmcmd=${CHMCMD:-chmcmd-3.2.2}
iconv=${ICONV:-iconv}
srcdir=$(cd "$(dirname "$0")/../resources/help" && pwd)
project=VXDrvFontTool.hhp
chm=VXDrvFontTool.chm

work=$(mktemp -d "${TMPDIR:-/tmp}/vxhelp.XXXXXX")
trap 'rm -rf "$work"' EXIT

# The project file lists every file that goes into the help file; copy those,
# plus the project, contents and index files themselves.
files=$(sed -n '/^\[FILES\]/,/^\[/{/^\[/d;/^[[:space:]]*$/d;s/\r$//;p}' "$srcdir/$project")
for f in "$project" VXDrvFontTool.hhc VXDrvFontTool.hhk $files; do
    mkdir -p "$work/$(dirname "$f")"
    case "$f" in
        *.html|*.htm|*.hhc|*.hhk)
            sed 's/charset=utf-8/charset=Shift_JIS/' "$srcdir/$f" \
                | "$iconv" -f UTF-8 -t CP932 > "$work/$f" ;;
        *.hhp)
            "$iconv" -f UTF-8 -t CP932 < "$srcdir/$f" > "$work/$f" ;;
        *)
            cp "$srcdir/$f" "$work/$f" ;;
    esac
done

# The compiler scans the pages for links; a link to a missing file or any
# other warning fails the build.
(cd "$work" && "$chmcmd" "$project" > compile.log 2>&1) || {
    cat "$work/compile.log" >&2
    exit 1
}
if grep -a -q -E '^(Warning|Error)' "$work/compile.log" || [ ! -s "$work/$chm" ]; then
    grep -a -v '^Note:' "$work/compile.log" >&2
    echo "$0: $chm was not built cleanly" >&2
    exit 1
fi

mkdir -p "$outdir"
cp "$work/$chm" "$outdir/$chm"
