#!/usr/bin/env bash
# Runs the Windows suite of the test command RUNS times in a row (default 20),
# each time from a new test prefix, as a fresh clone has, and counts the runs
# that failed: a start that fails now and then shows here, not in one run.
#
# Usage: scripts/repeat-windows-tests.sh [RUNS]
# Logs: build/repeat/run-N.log, and CTest's record of a failed run in
# build/repeat/run-N-LastTest.log; prints one line per run and the count.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${1:-20}
[[ $runs =~ ^[1-9][0-9]*$ ]] || { echo "usage: $0 [RUNS]" >&2; exit 2; }
prefix=$root/build/wine-test-prefix
logs=$root/build/repeat
mkdir -p "$logs"

# Debian's Wine keeps a prefix's server directory in a folder of its own under
# the temporary directory, named in the prefix's file "wineserver".
remove_prefix() {
    WINEPREFIX=$prefix /usr/lib/wine/wineserver -k 2>/dev/null
    if [ -f "$prefix/wineserver" ]; then
        local folder
        folder=$(head -c 64 "$prefix/wineserver")
        [[ $folder =~ ^wine-[A-Za-z0-9]{6}$ ]] && rm -rf "${TMPDIR:-/tmp}/$folder"
    fi
    rm -rf "$prefix"
}

failed=0
for ((run = 1; run <= runs; run++)); do
    remove_prefix
    start=$SECONDS
    "$root/scripts/test.sh" windows >"$logs/run-$run.log" 2>&1
    status=$?
    if [ "$status" -ne 0 ]; then
        failed=$((failed + 1))
        # CTest's full record of the run: every program's output, also of
        # those that passed.
        cp "$root/build/windows/Testing/Temporary/LastTest.log" "$logs/run-$run-LastTest.log" 2>/dev/null
    fi
    echo "run $run: status $status in $((SECONDS - start)) s: $(grep -E '^windows:' "$logs/run-$run.log" | tail -1)"
done
echo "$failed of $runs runs failed"
[ "$failed" -eq 0 ]
