#!/usr/bin/env bash
# The starter on the desktops players run, each in a private session.
#  - X11 window managers on the test's own Xvfb (KWin, xfwm4, mutter): the
#    welcome box first and alone, then the window at 709 x 125; a pager's
#    full-screen and maximize requests (wmctrl) leave it at that size: its
#    size sampled every 50 ms for 2 s is back within 0.2 s and stays, and the
#    state is gone. The same for the Windows starter under Wine, in Wine's
#    default managed windows (given a .exe).
#  - mutter and KWin as Wayland compositors, headless (the Linux starter
#    only): the size limits it announces are the geometry it commits, frame
#    included; after full-screen and maximize requests it is back at its size.
#  - Sway, a Wayland compositor nested on the Xvfb (the Linux starter only):
#    named by its desktop file's id; a click on OK and on "Start" through the
#    compositor's pointer; floating at 709 x 125 logical pixels, also at
#    output scales 1.5 and 2, where "Start" still starts the client and a
#    full-screen request leaves it floating at its size.
# (A maximize request from a frame Qt draws itself, as on weston, is tested
# in process on weston: velk_qt_fixed_windows_on_weston.)
# One desktop a run, named by its first argument: kwin-x11, xfwm4,
# mutter-x11 (these three also for the Windows starter), mutter-wayland,
# kwin-wayland or sway.
# Usage: desktops_e2e.sh DESKTOP PATH_TO_Velk_Loader[.exe] PATH_TO_STAND_IN_CLIENT [WINEPREFIX]
set -euo pipefail
desktop=$1
loader=$2
client=$3
here=$(cd "$(dirname "$0")" && pwd)
XVFB_SCREEN=1920x1080x24  # room for the window at 200 %
source "$here/lib.sh"
missing=()
for program in kwin_x11 kwin_wayland xfwm4 mutter wmctrl gdbus sway swaymsg; do command -v "$program" >/dev/null || missing+=("$program"); done
if [ ${#missing[@]} -gt 0 ]; then
    echo "not on this machine: ${missing[*]} (scripts/setup.sh installs them): skipped"
    exit 77
fi

# ---- X11 window managers -------------------------------------------------

if [[ $loader == *.exe ]]; then
    source "$here/../support/wine-prefix.sh"
    use_wine_prefix "$4"
    # Wine's default: windows the window manager manages.
    wine reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >/dev/null 2>&1 || true
    end_wine
    restart_wine
    RUNNER=(wine)
    trap 'cleanup; end_wine' EXIT
fi
# size_of WINDOW: its client area, WIDTHxHEIGHT.
size_of() { xwininfo -id "$1" 2>/dev/null | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'; }
# A state request as a pager sends it, then the window's size every 50 ms
# for 2 s: the sizes seen from 0.2 s on must all be the one it had.
refuses() {  # refuses WINDOW STATE...
    local window=$1 sizes=() i own
    shift
    own=$(size_of "$window")
    wmctrl -i -r "$window" -b "add,$(IFS=,; echo "$*")"
    # Sampled over a bounded time, as a player would see it.
    for i in $(seq 40); do sizes+=("$(size_of "$window")"); sleep 0.05; done
    echo "  $*: $(printf "%s\n" "${sizes[@]}" | uniq -c | xargs)"
    [ -z "$(printf '%s\n' "${sizes[@]:4}" | grep -v -x "$own")" ] &&
        ! xprop -id "$window" _NET_WM_STATE | grep -q -E "$(IFS='|'; echo "$*" | tr a-z A-Z)"
}
# managed WINDOW: the window manager has taken the window on (ICCCM: it
# sets WM_STATE on each window it manages), also one mapped before it ran.
managed() { xprop -id "$1" WM_STATE 2>/dev/null | grep -q 'window state'; }
# wm_running NAME: the window manager of that name is active (EWMH: the
# window the root's _NET_SUPPORTING_WM_CHECK names, one of its own, carries
# its name; the one a window manager that ended left there is gone).
wm_running() {
    local check
    check=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | sed -n 's/.*window id # //p')
    [ -n "$check" ] && xprop -id "$check" _NET_WM_NAME 2>/dev/null | grep -q -i -F "= \"$1\""
}
x11_folder="$work/X11 Game"
game_folder "X11 Game" $'localhost,7007\r\nX11 Realm\r\nnews\r\n'
# KWin's compositing on a virtual screen (llvmpipe) stops it managing new
# windows: it runs without, as on a machine without 3D.
x11_desktop() {  # x11_desktop NAME COMMAND...: the window manager, then the starter under it
    local name=$1 wm_pid box window
    shift
    timeout 120 dbus-run-session -- "$@" >"$work/$name.log" 2>&1 &
    wm_pid=$!
    check "$name runs" wait_until 30 wm_running "$name"
    launch "$x11_folder"
    box=$(wait_for_window '^Project1$' 60) || box=
    check "$name: the welcome box comes first, and alone" \
        test -n "$box" -a -z "$(visible_window_names | grep '^X11 Realm' || true)"
    [ -n "$box" ] && check "$name: manages the box" wait_until 30 managed "$box"
    [ -n "$box" ] && check "$name: a full-screen request leaves the box at its size" refuses "$box" fullscreen
    [ -n "$box" ] && dismiss_box "$box" || true
    window=$(wait_for_window '^X11 Realm$' 30) || window=
    check "$name: then the window, at 709 x 125 ($(size_of "$window"))" test "$(size_of "$window")" = 709x125
    if [ -n "$window" ]; then
        check "$name: manages the window" wait_until 30 managed "$window"
        check "$name: a full-screen request leaves it at its size" refuses "$window" fullscreen
        check "$name: a maximize request too" refuses "$window" maximized_vert maximized_horz
    fi
    kill "$starter_pid" 2>/dev/null || true
    end_starter
    kill "$wm_pid" 2>/dev/null || true
    wait "$wm_pid" 2>/dev/null || true
}
case $desktop in
kwin-x11) x11_desktop KWin env KWIN_COMPOSE=N kwin_x11 --replace; finish; exit ;;
xfwm4) x11_desktop xfwm4 xfwm4 --replace --compositor=off; finish; exit ;;
mutter-x11) x11_desktop mutter mutter --x11 --replace; finish; exit ;;
esac
[[ $loader == *.exe ]] && { echo "no such desktop for the Windows starter: $desktop" >&2; exit 2; }

# ---- mutter and KWin on Wayland --------------------------------------------
# Each headless, on a session bus of its own. What the starter tells the
# compositor comes from its Wayland traffic (WAYLAND_DEBUG).
# Per window: "MIN MAX GEOMETRY LARGEST_CONFIGURE LAST_CONFIGURE", as last
# announced, from the starter's traffic in LOG.
announced() { "$here/wayland_windows.py" "$1"; }
# shown COUNT: the starter has committed COUNT windows or more.
shown() { announced "$traffic" | awk -v n="$1" 'END { exit !(NR >= n && $3 != "-") }'; }
# on_compositor NAME SCENARIO COMMAND...: the compositor, then the starter on
# it, then SCENARIO (with $bus and $traffic); no protocol error at the end.
on_compositor() {
    local name=$1 scenario=$2 runtime="$work/$1-runtime" pid
    shift 2
    mkdir -m 700 "$runtime"
    XDG_RUNTIME_DIR=$runtime timeout 120 dbus-run-session -- sh -c 'echo "$DBUS_SESSION_BUS_ADDRESS" >"$0"; exec "$@"' \
        "$work/$name-bus" "$@" >"$work/$name.log" 2>&1 &
    pid=$!
    if wait_until 15 test -S "$runtime/wayland-0"; then
        traffic="$work/$name-client.log"
        XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=wayland-0 QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 \
            timeout 60 "$x11_folder/$(basename "$loader")" 2>"$traffic" &
        starter_pid=$!
        wait_until 30 shown 1 || true
        bus=$(cat "$work/$name-bus")
        "$scenario"
        check "$name: no protocol error" test -z "$(grep -a 'error' "$traffic" || true)"
        kill "$starter_pid" 2>/dev/null || true
        end_starter
    else
        check "$name starts" false
    fi
    kill "$pid" 2>/dev/null || true
}

# mutter: keys through its remote desktop API. Each window's size limits
# must be the geometry it commits, frame included, and mutter never asks
# for more, not on a maximize shortcut either.
on_mutter() {
    keys() { DBUS_SESSION_BUS_ADDRESS=$bus /usr/bin/python3 "$here/mutter_keys.py" "$traffic" "$@"; }
    # The keyboard comes with the keys (mutter_keys.py waits for it): until
    # then no window has the keyboard.
    keys 28       # Return on the box
    wait_until 20 shown 2 || true
    keys 125+103  # Super+Up: maximize
    sleep 2       # for a larger size that must not be asked
    local sizes
    sizes=$(announced "$traffic")
    check "mutter: the box's and the window's limits are their geometry, never exceeded ($(echo $sizes))" \
        awk '{ split($3, g, "x"); split($4, c, "x"); if ($1 != $3 || $2 != $3 || c[1] > g[1] || c[2] > g[2]) bad = 1 }
             END { exit bad || NR != 2 }' <<<"$sizes"
}
if [ "$desktop" = mutter-wayland ]; then
    on_compositor mutter on_mutter mutter --headless --wayland --no-x11 --virtual-monitor 1280x800
    finish
    exit
fi

# KWin draws the frames; requests through its scripting API. After its
# full-screen and maximize requests the window is back at 709 x 125, the
# compositor's last word that size.
on_kwin() {
    # kwin_script JS: runs JS over each of KWin's windows, as w. KWin runs a
    # script once, when it is started, and leaves it loaded (started once,
    # it is not run again): what it does is waited for by the caller.
    kwin_script() {
        local file="$work/script-$RANDOM.js" call
        printf 'for (const w of workspace.clientList()) { %s }\n' "$1" >"$file"
        for call in "loadScript $file ${file##*/}" start; do
            DBUS_SESSION_BUS_ADDRESS=$bus gdbus call --session --dest org.kde.KWin --object-path /Scripting \
                --method "org.kde.kwin.Scripting.${call%% *}" ${call#"${call%% *}"} >/dev/null
        done
    }
    # The compositor's configure events the starter has had so far.
    configures() { grep -c 'xdg_toplevel@[0-9]*\.configure(' "$traffic" || true; }
    # The window's last row: committed and last asked at 709 x 125, after a
    # larger size was asked.
    back() { announced "$traffic" | awk 'END { split($4, c, "x"); exit !(NR >= 2 && $3 == "709x125" && $5 == "709x125" && c[1] > 709) }'; }
    kwin_script 'if (w.caption == "Project1") w.closeWindow();'
    wait_until 20 shown 2 || true
    kwin_script 'if (w.caption == "X11 Realm") w.fullScreen = true;'
    wait_until 20 back || true
    local main asked
    asked=$(configures)
    kwin_script 'if (w.caption == "X11 Realm") w.setMaximize(true, true);'
    # KWin's answer to the maximize, if any (to a window of fixed size it
    # gives none: a bounded look), then the window's return to its size.
    answered() { [ "$(configures)" -gt "$asked" ]; }
    wait_until 5 answered || true
    wait_until 20 back || true
    main=$(announced "$traffic" | tail -n 1)
    check "KWin Wayland: after full screen and maximize, back at 709 x 125 ($main)" back
}
if [ "$desktop" = kwin-wayland ]; then
    cp "$(command -v kwin_wayland)" "$work/kwin_wayland"  # without its file capability, which root may not run
    KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 KWIN_COMPOSE=Q \
        on_compositor KWin on_kwin "$work/kwin_wayland" --virtual --no-lockscreen --width 1280 --height 800
    finish
    exit
fi
[ "$desktop" = sway ] || { echo "no such desktop: $desktop" >&2; exit 2; }

# ---- Sway ----------------------------------------------------------------

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
    # The X server sends the compositor the move, then the button, in order.
    xdotool mousemove "$(awk "BEGIN { print int($1 * $scale) }")" "$(awk "BEGIN { print int($2 * $scale) }")"
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
    # OK is clicked where the box is now: a box listed at its first size may
    # still be sized and placed again by the compositor, so a click that
    # found no OK is made again, each time at the box's latest place.
    dismissed() {
        window_named 'Wayland Realm' >/dev/null && return 0
        IFS='|' read -r _ _ _ x y width height < <(window_named Project1 || echo)
        [ -n "$x" ] && click $((x + width - 40)) $((y + height - 20))
        sleep 1
        return 1
    }
    [ -n "$x" ] && wait_until 20 dismissed || true
    IFS='|' read -r _ _ type x y width height < <(window_named 'Wayland Realm' || echo)
    check "at scale $scale: a click on OK shows the window, floating at 709 x 125 ($type ${width}x$height)" \
        test "$type" = floating_con -a "$width" = 709 -a "$height" = 125
    [ -n "$x" ] && click $((x + 100)) $((y + 60))
    check "at scale $scale: a click on Start starts the client" wait_until 60 clients_at_least "$folder" $((before + 1))
    # Sway makes the window full screen as it answers the request; the
    # window then asks to leave that state.
    ipc '[title="^Wayland Realm$"] fullscreen enable' >/dev/null
    floating_at_size() { window_named 'Wayland Realm' | grep -q -x "Wayland Realm|[^|]*|floating_con|[^|]*|[^|]*|709|125"; }
    wait_until 20 floating_at_size || true
    IFS='|' read -r _ _ type _ _ width height < <(window_named 'Wayland Realm' || echo)
    check "at scale $scale: a full-screen request leaves it floating at 709 x 125 ($type ${width}x$height)" \
        test "$type ${width}x$height" = "floating_con 709x125"
    kill "$starter_pid" 2>/dev/null || true
    end_starter
    wait_until 10 sh -c "! swaymsg -s $runtime/sway-ipc.*.sock -t get_tree | grep -q VelkLoader" || true
done

finish
