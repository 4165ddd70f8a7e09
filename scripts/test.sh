#!/usr/bin/env bash
# Sets up, builds everything and runs every test, with warnings as errors:
#  - the whole suite in a Linux release build (benchmarks built, not run),
#  - again under AddressSanitizer and UndefinedBehaviorSanitizer,
#  - the Windows build's tests under Wine,
#  - both packages built and their binaries checked (hardening, size),
#  - the packages built again from two fresh clones: byte-identical,
#  - the settings reader fuzzed for 60 s.
# Exits non-zero if anything fails.
# Usage: scripts/test.sh
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

for preset in linux-release linux-asan mingw-release; do
    echo "=== $preset ==="
    extra=()
    [ "$preset" = linux-release ] && extra=(-DVELK_BUILD_BENCHMARKS=ON)
    cmake --preset "$preset" -DVELK_WARNINGS_AS_ERRORS=ON "${extra[@]}" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done

echo "=== packages ==="
scripts/package.sh

echo "=== reproducible packages ==="
scripts/reproduce.sh

echo "=== fuzzing ==="
scripts/fuzz.sh 60

# Each stage above stops the run on its first failure.
echo "stages: 6 passed, 0 failed"
