#!/usr/bin/env bash
# Runs a Windows test executable under Wine in the test prefix (never the
# user's own). Used by CTest as the cross-compiling emulator. When the prefix
# or its session cannot be set up, says so and exits 125 without running the
# program, so that a test never fails without a word; a program that ends
# with a status other than 0 has its status and time named.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
WINEPREFIX=$(realpath -m "${VX_WINE_PREFIX:-$here/../build/wine-test-prefix}")
export WINEPREFIX
# Wine's own messages are off, but for the two kinds that tell why a program
# could not start at all (its memory layout, a missing DLL); a run that
# passes prints none of them.
export WINEDEBUG=${WINEDEBUG:--all,err+virtual,err+module}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
if ! "$here/make-wine-prefix.sh" "$WINEPREFIX"; then
    echo "wine-run.sh: the Wine prefix $WINEPREFIX could not be made; $1 did not run" >&2
    exit 125
fi
if ! "$here/wine-session.sh" "$WINEPREFIX"; then
    echo "wine-run.sh: no Wine session in $WINEPREFIX; $1 did not run" >&2
    exit 125
fi
# Not exec'd: a program that Wine ends before it says anything would leave
# CTest with a bare failure, so its status and time are named here.
started=$(date +%s%N)
/usr/lib/wine/wine64 "$@"
status=$?
if [ "$status" -ne 0 ]; then
    elapsed=$((($(date +%s%N) - started) / 1000000))
    echo "wine-run.sh: $1 ended with status $status after $elapsed ms" >&2
fi
exit "$status"
