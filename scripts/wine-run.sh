#!/usr/bin/env bash
# Runs a Windows test executable under Wine in the test prefix (never the
# user's own). Used by CTest as the cross-compiling emulator.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export WINEPREFIX=${VX_WINE_PREFIX:-$here/../build/wine-test-prefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
"$here/make-wine-prefix.sh" "$WINEPREFIX"
"$here/wine-session.sh" "$WINEPREFIX"
exec /usr/lib/wine/wine64 "$@"
