#!/usr/bin/env bash
# Whole-process start-up on a private Xvfb: from starting the program to its
# first window on screen, and its peak resident memory, for the starter (its
# first window is the welcome box) and for a minimal Qt window beside it.
# Prints one line per program: NAME MEDIAN_MS PEAK_RSS_KIB.
# Usage: startup.sh TIMER Velk_Loader velk_minimal_qt_window RUNS
set -euo pipefail
timer=$1
loader=$2
minimal=$3
runs=$4
source "$(dirname "$0")/../scripts/x11-helpers.sh"
work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
start_private_xvfb
trap 'stop_private_xvfb; rm -rf "$work"' EXIT
cp "$loader" "$work/"
printf 'localhost,800\r\nBench Realm\r\nnews\r\n' >"$work/config.ini"

measure() {  # measure NAME TITLE PROGRAM
    local i results
    results=$(for i in $(seq "$runs"); do timeout 30 "$timer" "$2" "$3"; done)
    echo "$1 $(sort -n <<<"$results" | awk '{print $1}' | sed -n "$(((runs + 1) / 2))p")" \
        "$(awk '{print $2}' <<<"$results" | sort -n | tail -n1)"
}

measure starter Project1 "$work/$(basename "$loader")"
measure minimal_qt_window Minimal "$minimal"
