#!/usr/bin/env bash
# Starts the prefix's Wine session (a server that stays, and the background
# services) unless the prefix's server runs already, detached from the
# caller's output. Otherwise the services that the first program starts would
# inherit the caller's pipes, and a caller that waits for them to close
# (CTest) would wait until they end. Safe to call from several processes at a
# time; exits non-zero with a message naming what failed.
set -euo pipefail
prefix=$(realpath -m "${1:?usage: wine-session.sh PREFIX}")  # Wine takes only absolute ones
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
exec 9>"$prefix/.vx-session-lock"
flock 9
# Whether the prefix's server runs is the server's own answer: a second one
# for the same prefix refuses to start, with status 2. It holds wherever Wine
# keeps the server's directory (Debian's Wine: a folder of the prefix's own
# under TMPDIR, named in the prefix's file "wineserver"), and any other
# status comes with the server's message.
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
status=0
/usr/lib/wine/wineserver -p </dev/null >/dev/null 2>"$errors" 9>&- || status=$?
case $status in
0) ;;
2) exit 0 ;;
*)
    echo "wine-session.sh: the Wine server of $prefix did not start (status $status)" >&2
    cat "$errors" >&2
    exit 1
    ;;
esac
if ! /usr/lib/wine/wine64 wineboot </dev/null >/dev/null 2>"$errors" 9>&-; then
    echo "wine-session.sh: wineboot failed in $prefix" >&2
    cat "$errors" >&2
    exit 1
fi
