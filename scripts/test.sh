#!/usr/bin/env bash
# Sets up, builds everything and runs every test, with warnings as errors:
#  - the whole suite in a Linux release build (benchmarks built, not run),
#  - again under AddressSanitizer and UndefinedBehaviorSanitizer,
#  - the Windows build's tests under Wine,
#  - both packages made from the tested starters and checked: hardened,
#    small, with their notices,
#  - the packages built again from a fresh clone: byte-identical,
#  - the settings reader fuzzed for 60 s.
# Exits non-zero if anything fails.
# Usage: scripts/test.sh
set -euo pipefail
cd "$(dirname "$0")/.."

# Each stage stops the run on its first failure; the stages are counted as
# they pass, and a failed one is named at the end.
passed=0
current=
stage() {
    current=$1
    echo "=== $1 ==="
}
stage_passed() {
    passed=$((passed + 1))
    current=
}
trap 'status=$?; [ "$status" -eq 0 ] || echo "stages: $passed passed, 1 failed (${current:-set-up})"' EXIT

# A skipped test has not shown anything: none may skip.
# run_ctest PRESET: runs the preset's tests; fails if any failed or skipped.
run_ctest() {
    local log skipped
    log=$(mktemp)
    ctest --preset "$1" | tee "$log"
    skipped=$(sed -n 's/^ *[0-9]*\/[0-9]* Test *#[0-9]*: \([^ ]*\) .*\*\*\*Skipped.*/\1/p' "$log" | xargs)
    rm -f "$log"
    if [ -n "$skipped" ]; then
        echo "Skipped, so not shown to work here (install what they need): $skipped" >&2
        return 1
    fi
}

scripts/setup.sh

for preset in linux-release linux-asan mingw-release; do
    stage "$preset"
    extra=()
    [ "$preset" = linux-release ] && extra=(-DVELK_BUILD_BENCHMARKS=ON)
    cmake --preset "$preset" -DVELK_WARNINGS_AS_ERRORS=ON "${extra[@]}" >/dev/null
    cmake --build --preset "$preset"
    run_ctest "$preset"
    stage_passed
done

stage packages
scripts/package.sh --from-tested
stage_passed

stage "reproducible packages"
scripts/reproduce.sh
stage_passed

stage fuzzing
scripts/fuzz.sh 60
stage_passed

echo "stages: $passed passed, 0 failed"
