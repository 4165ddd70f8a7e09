#!/usr/bin/env bash
# Sets up, builds the starter and runs it in a demo folder (a config.ini
# naming localhost and a stand-in velk.exe that logs its argument to
# velk.log). With a display it simply runs there. Without one it runs on a
# private Xvfb, saves screenshots of the welcome box and of the window, clicks
# "Start" and shows what the stand-in client was started with; then starts it
# again as on a 200 % display (QT_SCALE_FACTOR=2) for one more screenshot.
# Usage: scripts/demo.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/setup.sh
cmake --preset linux-release >/dev/null
cmake --build --preset linux-release --target Velk_Loader

demo="$root/build/linux-release/demo"
rm -rf "$demo"
mkdir -p "$demo"
cp build/linux-release/app/qt/Velk_Loader demo/config.ini demo/velk.exe "$demo/"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    echo "Running $demo/Velk_Loader"
    exec "$demo/Velk_Loader"
fi

source scripts/x11-helpers.sh
XVFB_SCREEN=1920x1080x24  # room for the window at 200 %
shots="$root/build/linux-release/screenshots"
mkdir -p "$shots"
export XDG_RUNTIME_DIR=$(mktemp -d)
start_private_xvfb
trap 'kill "$starter" 2>/dev/null; stop_private_xvfb; rm -rf "$XDG_RUNTIME_DIR"' EXIT

"$demo/Velk_Loader" &
starter=$!
box=$(wait_for_window '^Project1$' 30) || { echo "The welcome box did not appear." >&2; exit 1; }
wait_until 30 painted "$box" || true
import -window "$box" "$shots/welcome.png"
echo "Welcome box: \"$(xdotool getwindowname "$box")\" (screenshot $shots/welcome.png)"
dismiss_box "$box"

window=$(wait_for_window '^Vellmark Demo Realm$' 30) || { echo "The window did not appear." >&2; exit 1; }
wait_until 30 window_drawn "$window" || true
import -window "$window" "$shots/window.png"
echo "Window: \"$(xdotool getwindowname "$window")\", $(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p') (screenshot $shots/window.png)"

echo "Clicking \"Start\"..."
xdotool mousemove --window "$window" 110 60 click 1
if ! wait_until 60 test -s "$demo/velk.log"; then
    echo "The stand-in client was not started." >&2
    exit 1
fi
echo "The stand-in client says: $(cat "$demo/velk.log")"

kill "$starter" 2>/dev/null
wait "$starter" 2>/dev/null || true
QT_SCALE_FACTOR=2 "$demo/Velk_Loader" &
starter=$!
box=$(wait_for_window '^Project1$' 30) || { echo "The welcome box did not appear at 200 %." >&2; exit 1; }
dismiss_box "$box"
window=$(wait_for_window '^Vellmark Demo Realm$' 30) || { echo "The window did not appear at 200 %." >&2; exit 1; }
wait_until 30 window_drawn "$window" 0 0 1032 || true
import -window "$window" "$shots/window-200.png"
echo "At 200 %: $(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p') (screenshot $shots/window-200.png)"
