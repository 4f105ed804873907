#!/usr/bin/env bash
# Builds everything and runs every test: natively, a minute of fuzzing, then
# the Windows build under Wine (with a virtual display for the tests that
# open windows), the run command's headless demo and the packages. Ends with
# what was tested, per suite and in total: the test cases (GoogleTest's own
# counts, from each program's XML report; the demo's and the packages'
# checks) and the programs that ran them.
#
# Usage: scripts/test.sh [SUITE...]    SUITE: native, fuzz, windows, demo,
#                                      package (default: all)
#
# Exits 0 when every test passed, 1 when a test failed, and 2 when a set-up
# step (installing, building, the Wine prefix, the virtual display, the Wine
# session) failed; the message names the step.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root" || exit 2
source "$root/scripts/virtual-display.sh"

suites=("$@")
[ ${#suites[@]} -gt 0 ] || suites=(native fuzz windows demo package)
for suite in "${suites[@]}"; do
    case $suite in native | fuzz | windows | demo | package) ;; *) echo "unknown suite: $suite" >&2; exit 2 ;; esac
done
wanted() { [[ " ${suites[*]} " == *" $1 "* ]]; }

setup_failed() {  # step
    echo "test.sh: set-up failed: $1. No test of this run counts." >&2
    exit 2
}

# The summary: one line per suite, then the total. A suite adds its line with
#   add_suite LABEL PASSED FAILED SKIPPED PROGRAMS FAILED_PROGRAMS
# (test cases passed, failed and skipped; programs run, programs failed).
summary=()
totals=(0 0 0 0 0)
add_suite() {
    local label=$1 i
    shift
    local counts=("$@")
    summary+=("$(summary_line "$label" "${counts[@]}")")
    for i in 0 1 2 3 4; do totals[i]=$((totals[i] + counts[i])); done
}
summary_line() {  # label passed failed skipped programs failed_programs
    local cases=$(($2 + $3 + $4)) case_word="test cases" program_word=programs
    [ "$cases" -eq 1 ] && case_word="test case"
    [ "$5" -eq 1 ] && program_word=program
    printf '%-8s %5d %s: %d passed, %d failed, %d skipped; %d %s, %d failed' \
        "$1:" "$cases" "$case_word" "$2" "$3" "$4" "$5" "$program_word" "$6"
}

jobs=$(nproc)
ctest_failed=0
# How long the demo may run once the programs are built (seconds).
demo_limit=300

# Adds the line of a suite that is one script printing
#   NAME: N checks passed, M failed
# as its last such line; each check is a test case. A script that ends in
# failure without a failed check, or without the line, counts one failure.
add_checks_suite() {  # label log status
    local label=$1 log=$2 status=$3 line passed=0 failed=1
    line=$(grep -E "^$label: [0-9]+ checks passed, [0-9]+ failed\$" "$log" | tail -1)
    if [ -n "$line" ]; then
        passed=$(sed -E 's/^[a-z]+: ([0-9]+) .*/\1/' <<<"$line")
        failed=$(sed -E 's/.* ([0-9]+) failed$/\1/' <<<"$line")
        [ "$status" -ne 0 ] && [ "$failed" -eq 0 ] && failed=1
    fi
    add_suite "$label" "$passed" "$failed" 0 1 $((failed > 0))
}

# Runs the CTest tests of a preset and adds the suite's line from the
# programs' XML reports.
run_ctest_suite() {  # label preset
    local label=$1 preset=$2 build=$root/build/$2 status counts
    rm -rf "$build/test-results"
    ctest --preset "$preset" -j "$jobs" --output-junit "$build/ctest-junit.xml" 2>&1 |
        tee "$root/build/ctest-$label.log"
    status=${PIPESTATUS[0]}
    if ! counts=$(python3 "$root/scripts/test-counts.py" "$build" "$build/ctest-junit.xml"); then
        echo "test.sh: the $label results could not be read" >&2
        counts="0 0 0 0 1"
    fi
    # shellcheck disable=SC2086  # five numbers
    add_suite "$label" $counts
    if [ "$status" -ne 0 ]; then
        echo "test.sh: ctest ended with status $status for the $label suite" >&2
        ctest_failed=1
    fi
}

"$root/scripts/install-deps.sh" || setup_failed "installing the dependencies (scripts/install-deps.sh)"
# A compiler cache keyed on paths below the tree: the package test's copy
# of the tree and later clones reuse what an earlier build compiled.
export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_BASEDIR=$root

if wanted native; then
    echo "== Native build"
    cmake --preset native -DVX_WARNINGS_AS_ERRORS=ON >/dev/null || setup_failed "configuring the native build"
    cmake --build --preset native -j "$jobs" || setup_failed "building natively"
    run_ctest_suite native native
fi

if wanted fuzz; then
    echo "== Fuzzing (60 s)"
    # One program; a failing input fails it.
    if "$root/scripts/fuzz.sh" 60; then add_suite fuzz 1 0 0 1 0; else add_suite fuzz 0 1 0 1 1; fi
fi

if wanted windows; then
    echo "== Windows build"
    "$root/scripts/build-zint-mingw.sh" || setup_failed "building zint for Windows (scripts/build-zint-mingw.sh)"
    cmake --preset windows -DVX_WARNINGS_AS_ERRORS=ON >/dev/null || setup_failed "configuring the Windows build"
    cmake --build --preset windows -j "$jobs" || setup_failed "building for Windows"

    export VX_WINE_PREFIX="$root/build/wine-test-prefix"
    "$root/scripts/make-wine-prefix.sh" "$VX_WINE_PREFIX" ||
        setup_failed "creating the Wine test prefix (scripts/make-wine-prefix.sh)"
    start_virtual_display 1280x1024x24 || setup_failed "starting the virtual display (Xvfb)"
    cleanup() {
        WINEPREFIX=$VX_WINE_PREFIX /usr/lib/wine/wineserver -k 2>/dev/null
        stop_virtual_display
    }
    trap cleanup EXIT
    echo "Virtual display $DISPLAY"
    # One Wine session for the whole run instead of one per test process.
    "$root/scripts/wine-session.sh" "$VX_WINE_PREFIX" ||
        setup_failed "starting the Wine session (scripts/wine-session.sh)"
    run_ctest_suite windows windows
fi

if wanted demo; then
    # The run command as a new user runs it, without a display: it drives the
    # tool through the demo on a virtual display of its own, in a demo prefix
    # of its own, and checks each screenshot (taken only while exactly the
    # windows expected are open), the saves, the restore and the end; each
    # check counts as a test case. A run that does not end within the time
    # limit counts as one failure.
    echo "== Demo (scripts/run.sh without a display)"
    "$root/scripts/build-zint-mingw.sh" || setup_failed "building zint for Windows (scripts/build-zint-mingw.sh)"
    cmake --preset windows -DVX_WARNINGS_AS_ERRORS=ON >/dev/null || setup_failed "configuring the Windows build"
    cmake --build --preset windows -j "$jobs" --target VXDrvFontTool help_file dvftool ||
        setup_failed "building for Windows"
    VX_DEMO_PREFIX=${VX_DEMO_PREFIX:-$root/build/demo-test-prefix} \
        timeout --kill-after=20 "$demo_limit" env -u DISPLAY "$root/scripts/run.sh" 2>&1 |
        tee "$root/build/test-demo.log"
    status=${PIPESTATUS[0]}
    if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
        echo "test.sh: scripts/run.sh did not end within $demo_limit s" | tee -a "$root/build/test-demo.log" >&2
    fi
    add_checks_suite demo "$root/build/test-demo.log" "$status"
fi

if wanted package; then
    # Builds the MSI and the zip and installs, upgrades and removes them
    # under Wine in a prefix of its own; each of its checks counts as a test
    # case. A run that ends without its count line counts as one failure.
    echo "== Packages"
    "$root/scripts/test-package.sh" 2>&1 | tee "$root/build/test-package.log"
    add_checks_suite package "$root/build/test-package.log" 0
fi

echo
for line in "${summary[@]}"; do echo "$line"; done
summary_line total "${totals[@]}"
echo
[ "${totals[1]}" -eq 0 ] && [ "${totals[4]}" -eq 0 ] && [ "$ctest_failed" -eq 0 ]
