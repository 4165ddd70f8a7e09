#!/usr/bin/env bash
# The Linux starter as a native Wayland client of a real compositor: sway,
# nested on the test's own Xvfb (its X11 backend), so that the test's pointer
# reaches the starter through the compositor's own seat. Sway runs as an
# unprivileged user (it refuses root), and the starter as that user too. The
# welcome box comes first and alone; the starter names itself by its desktop
# file's id; a click on OK and on "Start" goes through the compositor's
# pointer; the window floats at 709 x 125 logical pixels, also at output
# scales 1.5 and 2, where "Start" still starts the client.
# (A maximize request from a frame Qt draws itself, as on weston, is tested
# in process on weston: velk_qt_fixed_windows_on_weston.)
# Usage: wayland_e2e.sh PATH_TO_Velk_Loader PATH_TO_STAND_IN_CLIENT
set -euo pipefail
loader=$1
client=$2
here=$(cd "$(dirname "$0")" && pwd)
if ! command -v sway >/dev/null || ! command -v swaymsg >/dev/null; then
    echo "no sway on this machine: skipped"
    exit 77
fi
XVFB_SCREEN=1920x1080x24  # room for the window at 200 %
source "$here/lib.sh"

# Sway refuses to run as root: an unprivileged user of the test's own.
user=$(id -un)
if [ "$(id -u)" -eq 0 ]; then
    user=velk-wayland
    id "$user" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$user"
fi
as_user() { if [ "$user" = "$(id -un)" ]; then "$@"; else runuser -u "$user" -- "$@"; fi; }
runtime="$work/wayland-runtime"
mkdir -m 700 "$runtime"
chown "$user" "$runtime"
chmod 755 "$work"
printf 'output * bg #303030 solid_color\nxwayland disable\ndefault_floating_border none\n' >"$work/sway.config"
chmod 644 "$work/sway.config"
as_sway=()
[ "$user" != "$(id -un)" ] && as_sway=(setpriv --reuid="$user" --regid="$user" --init-groups --reset-env --)
timeout 200 "${as_sway[@]}" env XDG_RUNTIME_DIR="$runtime" DISPLAY="$DISPLAY" WLR_BACKENDS=x11 WLR_RENDERER=pixman \
    sway -c "$work/sway.config" >"$work/sway.log" 2>&1 &
sway_pid=$!
trap 'cleanup; kill "$sway_pid" 2>/dev/null || true' EXIT
if ! wait_until 15 test -S "$runtime/wayland-1"; then
    echo "sway did not start here: skipped"
    tail -n 5 "$work/sway.log"
    exit 77
fi
ipc() { as_user swaymsg -s "$(ls "$runtime"/sway-ipc.*.sock)" "$@"; }

# The application windows sway shows: "NAME|APP_ID|TYPE|X|Y|WIDTH|HEIGHT" a line.
windows() {
    ipc -t get_tree | python3 -c '
import json, sys
def walk(node):
    if node.get("app_id"):
        rect = node["rect"]
        print("%s|%s|%s|%d|%d|%d|%d" % (node["name"], node["app_id"], node["type"], rect["x"], rect["y"],
                                         rect["width"], rect["height"]))
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))'
}
window_named() { windows | grep "^$1|"; }
# click X Y: the pointer to the layout position (times the output scale, in
# the X window's pixels), then a press and release of its left button.
scale=1
click() {
    xdotool mousemove "$(awk "BEGIN { print int($1 * $scale) }")" "$(awk "BEGIN { print int($2 * $scale) }")"
    sleep 0.2
    xdotool click 1
}

folder="$work/Velk Game"
game_folder "Velk Game" $'localhost,7006\r\nWayland Realm\r\nnews\r\n'
chown -R "$user" "$folder"
as_starter=("${as_sway[@]}" env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=wayland-1 QT_QPA_PLATFORM=wayland)

for scale in 1 1.5 2; do
    ipc output '*' scale "$scale" >/dev/null
    before=$(clients_started "$folder")
    RUNNER=("${as_starter[@]}")
    launch "$folder"
    wait_until 20 window_named Project1 >/dev/null || true
    check "at scale $scale: the welcome box comes first, and alone ($(windows | cut -d'|' -f1 | tr '\n' ' '))" \
        test "$(windows | cut -d'|' -f1)" = Project1
    IFS='|' read -r _ app_id _ x y width height < <(window_named Project1 || echo)
    check "at scale $scale: named by its desktop file's id ($app_id)" test "$app_id" = org.vellmark.VelkLoader
    [ -n "$x" ] && click $((x + width - 40)) $((y + height - 20))
    wait_until 20 window_named 'Wayland Realm' >/dev/null || true
    IFS='|' read -r _ _ type x y width height < <(window_named 'Wayland Realm' || echo)
    check "at scale $scale: a click on OK shows the window, floating at 709 x 125 ($type ${width}x$height)" \
        test "$type" = floating_con -a "$width" = 709 -a "$height" = 125
    [ -n "$x" ] && click $((x + 100)) $((y + 60))
    check "at scale $scale: a click on Start starts the client" wait_until 10 clients_at_least "$folder" $((before + 1))
    kill "$starter_pid" 2>/dev/null || true
    end_starter
    wait_until 10 sh -c "! swaymsg -s $runtime/sway-ipc.*.sock -t get_tree | grep -q VelkLoader" || true
done

finish
