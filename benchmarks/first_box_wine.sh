#!/usr/bin/env bash
# The Windows starter's first window (its welcome box) under Wine, against a
# program that shows only the same box with the same manifest: runs of the
# two alternate in one booted prefix on a private Xvfb, and each starter run
# is set against the floor run beside it. Prints one line:
#   first_box_wine MEDIAN_RATIO STARTER_MEDIAN_MS FLOOR_MEDIAN_MS
# Usage: first_box_wine.sh TIMER Velk_Loader.exe velk_box_only.exe WINEPREFIX RUNS
set -euo pipefail
timer=$1
loader=$2
floor=$3
prefix=$4
runs=$5
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../scripts/x11-helpers.sh"
source "$here/../tests/support/wine-prefix.sh"
work=$(mktemp -d)
start_private_xvfb
trap 'end_wine; stop_private_xvfb; rm -rf "$work"' EXIT
use_wine_prefix "$prefix"
cp "$loader" "$floor" "$work/"
printf 'localhost,800\r\nBench Realm\r\nnews\r\n' >"$work/config.ini"
wine=$(command -v wine)

time_of() { timeout 60 "$timer" Project1 "$wine" "$1" | awk '{print $1}'; }
time_of "$work/$(basename "$floor")" >/dev/null  # the first run of all pays for the disk cache
for _ in $(seq "$runs"); do
    echo "$(time_of "$work/$(basename "$loader")") $(time_of "$work/$(basename "$floor")")"
done >"$work/pairs"
python3 - "$work/pairs" <<'PY'
import statistics, sys
pairs = [tuple(map(float, line.split())) for line in open(sys.argv[1]) if line.strip()]
ratios = [starter / floor for starter, floor in pairs]
print("first_box_wine %.3f %.1f %.1f" % (statistics.median(ratios), statistics.median(p[0] for p in pairs),
                                         statistics.median(p[1] for p in pairs)))
PY
