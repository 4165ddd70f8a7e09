#!/usr/bin/env bash
# Sets up, builds everything and runs every test: in a Linux debug build,
# under AddressSanitizer and UndefinedBehaviorSanitizer, and as Windows
# programs under Wine. Exits non-zero if anything fails. Warnings are errors.
# Usage: scripts/test.sh
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

for preset in linux-debug linux-asan mingw-release; do
    echo "=== $preset ==="
    cmake --preset "$preset" -DVELK_WARNINGS_AS_ERRORS=ON >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
