#!/bin/sh
# build_help.sh OUTDIR FIELDS - compile the help file VXDrvFontTool.chm into
# OUTDIR.
#
# FIELDS is the table of fields that help_fields makes from the field
# catalogue (an HTML fragment, UTF-8). It takes the place of the marker line
# <!-- fields --> of the page that holds it (dvftool.html); a help without
# that marker stops the build.
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

if [ $# -ne 2 ]; then
    echo "usage: $0 OUTDIR FIELDS" >&2
    exit 2
fi

outdir=$1
fields=$2
marker='<!-- fields -->'
if [ ! -s "$fields" ]; then
    echo "$0: no table of fields in $fields" >&2
    exit 1
fi
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
marked=0
for f in "$project" VXDrvFontTool.hhc VXDrvFontTool.hhk $files; do
    mkdir -p "$work/$(dirname "$f")"
    case "$f" in
        *.html|*.htm|*.hhc|*.hhk)
            if grep -q -x "$marker" "$srcdir/$f"; then
                marked=$((marked + 1))
            fi
            sed -e "\|^$marker\$|{r $fields" -e 'd;}' "$srcdir/$f" \
                | sed 's/charset=utf-8/charset=Shift_JIS/' \
                | "$iconv" -f UTF-8 -t CP932 > "$work/$f" ;;
        screenshots/*)
            # The pictures are the README's, kept once in docs/.
            cp "$srcdir/../../docs/$f" "$work/$f" ;;
        *.hhp)
            "$iconv" -f UTF-8 -t CP932 < "$srcdir/$f" > "$work/$f" ;;
        *)
            cp "$srcdir/$f" "$work/$f" ;;
    esac
done

if [ "$marked" -ne 1 ]; then
    echo "$0: $marked pages of the help hold the line $marker; the table of fields needs one" >&2
    exit 1
fi

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
