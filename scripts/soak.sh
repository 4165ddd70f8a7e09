#!/usr/bin/env bash
# Clicks "Start" many times on a running starter under a private Xvfb, with a
# stand-in client that exits at once, and reports what the starter holds
# before and after: clients started, zombies left, open descriptors and
# resident memory. Fails if a click started no client, a zombie is left or
# descriptors grew.
# Usage: scripts/soak.sh [CLICKS]   (default 200; after scripts/setup.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
clicks=${1:-200}
cmake --preset linux-release >/dev/null
cmake --build --preset linux-release --target Velk_Loader >/dev/null

source scripts/x11-helpers.sh
work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
start_private_xvfb
trap 'kill "$starter" 2>/dev/null; stop_private_xvfb; rm -rf "$work"' EXIT

cp build/linux-release/app/qt/Velk_Loader "$work/"
printf 'localhost,800\r\nSoak Realm\r\nnews\r\n' >"$work/config.ini"
printf '#!/bin/sh\necho "$1" >>"$(dirname "$0")/started.log"\n' >"$work/velk.exe"
chmod +x "$work/velk.exe"

"$work/Velk_Loader" >/dev/null 2>&1 &
starter=$!
box=$(wait_for_window '^Project1$' 30)
dismiss_box "$box"
window=$(wait_for_window '^Soak Realm$' 30)

snapshot() {  # prints: descriptors zombies rss_kb
    local fds zombies rss
    fds=$(ls "/proc/$starter/fd" | wc -l)
    zombies=$(ps --ppid "$starter" -o stat= | grep -c '^Z' || true)
    rss=$(sed -n 's/^VmRSS:[[:space:]]*\([0-9]*\) kB/\1/p' "/proc/$starter/status")
    echo "$fds $zombies $rss"
}

# One click first, so that what the first click loads once is in "before".
xdotool mousemove --window "$window" 100 60 click 1
started() { [ "$(wc -l <"$work/started.log" 2>/dev/null || echo 0)" -ge "$1" ]; }
wait_until 10 started 1 || true
sleep 0.5
read -r fds_before zombies_before rss_before < <(snapshot)

# Half a second apart, beyond the double-click time (400 ms): each click is
# one press, as a player's clicks are.
xdotool mousemove --window "$window" 100 60 click --repeat "$clicks" --delay 500 1
wait_until 60 started $((clicks + 1)) || true
sleep 1
read -r fds_after zombies_after rss_after < <(snapshot)
started=$(($(wc -l <"$work/started.log") - 1))

echo "| after $clicks clicks | before | after |"
echo "|---|---|---|"
echo "| clients started | - | $started |"
echo "| zombies | $zombies_before | $zombies_after |"
echo "| open descriptors | $fds_before | $fds_after |"
echo "| resident memory (KiB) | $rss_before | $rss_after |"

status=0
[ "$started" -eq "$clicks" ] || { echo "FAILED: $started clients for $clicks clicks"; status=1; }
[ "$zombies_after" -eq 0 ] || { echo "FAILED: zombies left"; status=1; }
[ "$fds_after" -le "$fds_before" ] || { echo "FAILED: descriptors grew"; status=1; }
exit $status
