#!/usr/bin/env bash
# Starts the prefix's Wine session (server and background services) unless it
# runs already, detached from the caller's output. Otherwise the services
# that the first program starts would inherit the caller's pipes, and a
# caller that waits for them to close (CTest) would wait until they end.
set -euo pipefail
prefix=${1:?usage: wine-session.sh PREFIX}
# A prefix's server works in a directory named after the prefix's device and
# inode number. The lock file is never handed down to the session.
server_dir=server-$(stat -c '%d %i' "$prefix" | awk '{printf "%x-%x", $1, $2}')
running() {
    local pid
    for pid in $(pgrep -x wineserver64 2>/dev/null; pgrep -x wineserver 2>/dev/null); do
        [[ $(readlink "/proc/$pid/cwd" 2>/dev/null) == */"$server_dir" ]] && return 0
    done
    return 1
}
running && exit 0
exec 9>"$prefix/.vx-session-lock"
flock 9
running && exit 0
# Any Wine program of the prefix starts a server of its own when none runs;
# one started since the check above refuses a second (status 2), which is as
# good here.
WINEPREFIX=$prefix WINEDEBUG=-all /usr/lib/wine/wineserver -p </dev/null >/dev/null 2>&1 9>&- ||
    running
WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= \
    /usr/lib/wine/wine64 wineboot </dev/null >/dev/null 2>&1 9>&-
