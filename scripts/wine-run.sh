#!/usr/bin/env bash
# Runs a Windows test executable under Wine in the test prefix (never the
# user's own). Used by CTest as the cross-compiling emulator. When the prefix
# or its session cannot be set up, says so and exits 125 without running the
# program, so that a test never fails without a word.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
WINEPREFIX=$(realpath -m "${VX_WINE_PREFIX:-$here/../build/wine-test-prefix}")
export WINEPREFIX
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
if ! "$here/make-wine-prefix.sh" "$WINEPREFIX"; then
    echo "wine-run.sh: the Wine prefix $WINEPREFIX could not be made; $1 did not run" >&2
    exit 125
fi
if ! "$here/wine-session.sh" "$WINEPREFIX"; then
    echo "wine-run.sh: no Wine session in $WINEPREFIX; $1 did not run" >&2
    exit 125
fi
exec /usr/lib/wine/wine64 "$@"
