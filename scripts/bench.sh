#!/usr/bin/env bash
# Builds and runs the benchmarks and prints one table of ratios, each
# measurement beside its baseline from the same run, with the machine it ran
# on; the Windows starter's first box is timed under Wine.
# Usage: scripts/bench.sh   (after scripts/setup.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/linux-release

cmake --preset linux-release -DVELK_BUILD_BENCHMARKS=ON >/dev/null
cmake --build --preset linux-release --target velk_benchmarks velk_minimal_qt_window velk_first_window_timer Velk_Loader >/dev/null

"$build/benchmarks/velk_benchmarks" --benchmark_min_time=0.5 --benchmark_format=json \
    --benchmark_out="$build/benchmarks.json" --benchmark_out_format=json >/dev/null
benchmarks/startup.sh "$build/benchmarks/velk_first_window_timer" "$build/app/qt/Velk_Loader" "$build/benchmarks/velk_minimal_qt_window" 15 \
    >"$build/startup.txt"

# The Windows starter's first box under Wine, against the same box alone.
windows=build/mingw-release
cmake --preset mingw-release -DVELK_BUILD_BENCHMARKS=ON >/dev/null
cmake --build --preset mingw-release --target Velk_Loader velk_box_only >/dev/null
benchmarks/first_box_wine.sh "$build/benchmarks/velk_first_window_timer" "$windows/app/win32/Velk_Loader.exe" \
    "$windows/benchmarks/velk_box_only.exe" "$(pwd)/$windows/wineprefix-bench" 21 >>"$build/startup.txt"

python3 - "$build/benchmarks.json" "$build/startup.txt" <<'PY'
import json, sys
runs = {b["name"]: b for b in json.load(open(sys.argv[1]))["benchmarks"]}
def us(name):
    b = runs[name]
    scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3}[b["time_unit"]]
    return b["real_time"] * scale
startup = {line.split()[0]: line.split()[1:] for line in open(sys.argv[2])}
rows = [
    ("read for load: 100 MB fifth line / 4 lines", us("ReadForLoad/fifth_line_100MB"), us("ReadForLoad/four_lines"), "µs"),
    ("read for load: 300 MB first line (error) / 4 lines", us("ReadForLoadHugeStart/first_line_300MB"), us("ReadForLoad/four_lines"), "µs"),
    ("read for load: 300 MB of blanks (error) / 4 lines", us("ReadForLoadHugeStart/blanks_300MB"), us("ReadForLoad/four_lines"), "µs"),
    ("GetIPFromHostName(localhost) / raw gethostbyname2_r", us("ResolveLocalhost"), us("RawGethostbyname"), "µs"),
    ("start the client / bare posix_spawn + wait", us("StartClient/real_time"), us("BarePosixSpawn/real_time"), "µs"),
    ("start-up to first window: starter / minimal Qt window",
     float(startup["starter"][0]), float(startup["minimal_qt_window"][0]), "ms"),
    ("peak resident memory: starter / minimal Qt window",
     float(startup["starter"][1]) / 1024, float(startup["minimal_qt_window"][1]) / 1024, "MiB"),
]
wine = startup["first_box_wine"]
rows_with_ratio = [("Windows starter's first box under Wine / the same box alone (median of 21 paired runs)",
                    float(wine[1]), float(wine[2]), "ms", float(wine[0]))]
print("| measurement | value | baseline | ratio |")
print("|---|---|---|---|")
for name, value, base, unit in rows:
    print(f"| {name} | {value:.1f} {unit} | {base:.1f} {unit} | {value / base:.2f} |")
# Its ratio is the median of the paired ratios, not the ratio of the medians.
for name, value, base, unit, ratio in rows_with_ratio:
    print(f"| {name} | {value:.1f} {unit} | {base:.1f} {unit} | {ratio:.2f} |")
PY
cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n1)
echo
echo "Machine: $cpu, $(nproc) cores, $(free -g | awk '/^Mem:/{print $2}') GiB, $(uname -sr), $(date -u +%Y-%m-%d)"
