#!/usr/bin/env bash
# Builds everything and runs every test: natively, then the Windows build
# under Wine (with a virtual display for the tests that open windows).
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
"$root/scripts/install-deps.sh" || exit 1

jobs=$(nproc)
summary=()
failed_total=0
passed_total=0

run_ctest() {  # label, preset
    local log="build/ctest-$1.log" line total fails
    ctest --preset "$2" -j "$jobs" 2>&1 | tee "$log"
    # "100% tests passed, 0 tests failed out of 12"
    line=$(grep -E 'tests failed out of [0-9]+' "$log" | tail -1)
    if [ -z "$line" ]; then
        total=1 fails=1  # ctest did not finish: count the run as failed
    else
        fails=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$line")
        total=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$line")
    fi
    passed_total=$((passed_total + total - fails))
    failed_total=$((failed_total + fails))
    summary+=("$1: $((total - fails)) passed, $fails failed")
}

echo "== Native build"
cmake --preset native -DVX_WARNINGS_AS_ERRORS=ON >/dev/null || exit 1
cmake --build --preset native -j "$jobs" || exit 1
run_ctest native native

echo "== Fuzzing (60 s)"
# Counts as one test: a failing input fails the run.
fuzz_fails=0
"$root/scripts/fuzz.sh" 60 || fuzz_fails=1
passed_total=$((passed_total + 1 - fuzz_fails))
failed_total=$((failed_total + fuzz_fails))
summary+=("fuzz: $((1 - fuzz_fails)) passed, $fuzz_fails failed")

echo "== Windows build"
"$root/scripts/build-zint-mingw.sh" || exit 1
cmake --preset windows -DVX_WARNINGS_AS_ERRORS=ON >/dev/null || exit 1
cmake --build --preset windows -j "$jobs" || exit 1

export VX_WINE_PREFIX="$root/build/wine-test-prefix"
"$root/scripts/make-wine-prefix.sh" "$VX_WINE_PREFIX"
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
# One Wine session for the whole run instead of one per test process.
"$root/scripts/wine-session.sh" "$VX_WINE_PREFIX"
cleanup() {
    WINEPREFIX=$VX_WINE_PREFIX /usr/lib/wine/wineserver -k 2>/dev/null
    kill "$xvfb_pid" 2>/dev/null
}
trap cleanup EXIT
run_ctest windows windows

# ---- Packages (scripts/test-package.sh) ----
# Builds the MSI and the zip and installs, upgrades and removes them under
# Wine in a prefix of its own; each of its checks counts as a test. A run
# that ends without its count line counts as one failure.
echo "== Packages"
"$root/scripts/test-package.sh" 2>&1 | tee build/test-package.log
line=$(grep -E '^package: [0-9]+ checks passed, [0-9]+ failed$' build/test-package.log | tail -1)
if [ -z "$line" ]; then
    package_passed=0 package_failed=1
else
    package_passed=$(sed -E 's/^package: ([0-9]+) .*/\1/' <<<"$line")
    package_failed=$(sed -E 's/.* ([0-9]+) failed$/\1/' <<<"$line")
fi
passed_total=$((passed_total + package_passed))
failed_total=$((failed_total + package_failed))
summary+=("package: $package_passed passed, $package_failed failed")

echo
for line in "${summary[@]}"; do echo "$line"; done
echo "$passed_total passed, $failed_total failed"
[ "$failed_total" -eq 0 ]
