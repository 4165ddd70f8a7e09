#!/usr/bin/env bash
# Sets up, builds everything and runs every test: once in a debug build and
# once under AddressSanitizer and UndefinedBehaviorSanitizer. Exits non-zero
# if anything fails. Warnings are errors here.
# Usage: scripts/test.sh
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

for preset in linux-debug linux-asan; do
    echo "=== $preset ==="
    cmake --preset "$preset" -DVELK_WARNINGS_AS_ERRORS=ON >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
