#!/usr/bin/env bash
# Builds the settings-reader fuzzer (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs it for a bounded time, starting from
# the seed corpus in fuzz/corpus. A finding fails the run and is kept under
# build/linux-fuzz/findings/.
# Usage: scripts/fuzz.sh [SECONDS]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

cmake --preset linux-fuzz -DVELK_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build --preset linux-fuzz --target velk_fuzz_settings

build=build/linux-fuzz
mkdir -p "$build/corpus" "$build/findings"
echo "Fuzzing the settings reader for $seconds s"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "$build/fuzz/velk_fuzz_settings" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=65536 -print_final_stats=1 -artifact_prefix="$build/findings/" "$build/corpus" fuzz/corpus
