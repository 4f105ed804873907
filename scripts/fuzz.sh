#!/usr/bin/env bash
# Coverage-guided fuzzing of the INI document, the reader and the writer:
# any bytes parse without a memory or undefined-behaviour error, an
# unchanged document gives back its bytes, and after one save a second save
# changes no byte. Usage: scripts/fuzz.sh [SECONDS [SEED]] (default 60 s,
# a random seed; the log names the seed, so that a failing run can be
# repeated).
#
# Builds the libFuzzer target with clang in build/fuzz (installing clang and
# its runtime with apt-get when missing), seeds a fresh corpus in
# build/fuzz/run with the golden files and the demo files, and runs for the
# given time. Exits non-zero when an input fails; the input is kept in
# build/fuzz/run/artifacts and the log in build/fuzz/run/fuzz.log.
set -euo pipefail
seconds=${1:-60}
seed=${2:-0}
[[ $seconds =~ ^[1-9][0-9]*$ && $seed =~ ^[0-9]+$ ]] ||
    { echo "usage: $0 [SECONDS [SEED]]" >&2; exit 2; }
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

"$root/scripts/install-deps.sh" clang libclang-rt-14-dev

build=build/fuzz
cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVX_FUZZ=ON -DVX_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target fuzz_ini_document -j "$(nproc)" >/dev/null

# A fresh corpus each run, so that a run depends only on the seeds.
work=$build/run
rm -rf "$work"
mkdir -p "$work/corpus" "$work/artifacts"
cp tests/data/*.dvf demo/*.[dD][vV][fF] "$work/corpus/"
seeds=$(find "$work/corpus" -type f | wc -l)

log=$work/fuzz.log
echo "Fuzzing for $seconds s from $seeds seed files (log: $log)"
status=0
"$build/bin/fuzz_ini_document" -seed="$seed" -max_len=65536 -max_total_time="$seconds" \
    -timeout=60 -print_final_stats=1 -artifact_prefix="$work/artifacts/" "$work/corpus" >"$log" 2>&1 ||
    status=$?

# "#12345  DONE   cov: 1203 ft: 4321 corp: 612/1234Kb ..." (or the last
# status line before a failure).
last=$(grep -E '^#[0-9]+.*cov: ' "$log" | tail -1 || true)
runs=$(sed -nE 's/^stat::number_of_executed_units: *([0-9]+).*/\1/p' "$log")
cov=$(sed -nE 's/.* cov: ([0-9]+).*/\1/p' <<<"$last")
ft=$(sed -nE 's/.* ft: ([0-9]+).*/\1/p' <<<"$last")
corp=$(sed -nE 's/.* corp: ([0-9]+\/[0-9]+[a-zA-Z]*).*/\1/p' <<<"$last")
used=$(sed -nE 's/^INFO: Seed: ([0-9]+).*/\1/p' "$log")
echo "seed: ${used:-?}, runs: ${runs:-?}, corpus: ${corp:-?} (inputs/size)," \
    "coverage: ${cov:-?} edges, ${ft:-?} features"
if [ "$status" -ne 0 ]; then
    grep -E '^(==[0-9]+==ERROR|SUMMARY|artifact_prefix)' "$log" || tail -20 "$log"
    echo "FAILED: make the input a golden file in tests/data named after its fault" >&2
    exit 1
fi
echo "no failing input"
