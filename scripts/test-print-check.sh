#!/usr/bin/env bash
# Runs the test-print test executable in its two passes (CTest uses this
# script as the executable's emulator):
#   1. under Wine, it prints to files in a fresh directory ($VX_PRINT_DIR);
#   2. ghostscript renders each PostScript file at the resolution that the
#      first pass wrote beside it ("<dpi> <factor> <x> <y>" in NAME.txt);
#   3. under Wine again, it checks the rendered pages' pixels.
# Exits non-zero when a pass fails or a page cannot be rendered.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
exe=${1:?usage: test-print-check.sh TEST-EXE [gtest arguments]}
shift

command -v gs >/dev/null || { echo "ghostscript (gs) is needed" >&2; exit 1; }
dir=$(mktemp -d "${TMPDIR:-/tmp}/vx-print.XXXXXX")
trap 'rm -rf "$dir"' EXIT
export VX_PRINT_DIR=$dir
status=0

echo "== printing to $dir"
"$here/wine-run.sh" "$exe" --gtest_filter='TestPrintToFile.*' "$@" || status=1

for ps in "$dir"/*.ps; do
    [ -e "$ps" ] || continue
    name=${ps%.ps}
    [ -f "$name.txt" ] || continue
    read -r dpi _ <"$name.txt"
    if ! gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=pgmraw -r"$dpi" -o "$name.pgm" "$ps"; then
        echo "ghostscript could not render $ps" >&2
        status=1
    fi
done

echo "== checking the rendered pages"
"$here/wine-run.sh" "$exe" --gtest_filter='RenderedTestPrint.*' "$@" || status=1
exit $status
