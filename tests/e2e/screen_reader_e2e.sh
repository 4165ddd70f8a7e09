#!/usr/bin/env bash
# The real starter through the real AT-SPI bus that Linux screen readers use:
# a D-Bus session of the test's own, Qt's accessibility bridge on, the
# starter on a private Xvfb with a stand-in client. A screen reader's API
# (pyatspi) finds the window by its caption, "Start" as a push button with
# the shortcut Alt+S and the news box by its heading, and presses "Start":
# the client is started; after Tab, "Start" reports the focus. Then with
# the Orca screen reader running (speech-dispatcher's dummy output), whose
# key listener makes Qt's bridge hand every key to it first: Return closes
# the welcome box, Tab and Return, Space and Alt+S each start one client.
# Usage: screen_reader_e2e.sh PATH_TO_Velk_Loader PATH_TO_STAND_IN_CLIENT
set -euo pipefail
loader=$1
client=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"

# A session bus of our own; the accessibility bus is started on it by D-Bus
# activation (at-spi-bus-launcher) when the starter's bridge asks for it.
dbus-daemon --session --fork --nopidfile --print-address=3 --print-pid=4 3>"$work/dbus-address" 4>"$work/dbus-pid"
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/dbus-address")
dbus_pid=$(head -n1 "$work/dbus-pid")
export DBUS_SESSION_BUS_ADDRESS
end_session() {
    # The bus, the accessibility bus launcher it started, and that one's bus.
    local launchers
    launchers=$(pgrep -P "$dbus_pid" || true)
    for launcher in $launchers; do pkill -P "$launcher" 2>/dev/null || true; done
    kill $launchers "$dbus_pid" 2>/dev/null || true
}
trap 'cleanup; end_session' EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

folder="$work/Velk Game"
game_folder "Velk Game" $'localhost,7004\r\nSpoken Realm\r\nnews\r\n'
launch "$folder"
dismiss_welcome || true
window=$(wait_for_window '^Spoken Realm$' 20) || window=
check "the window appears" test -n "$window"

check "a screen reader finds the window, its button and its news box, and presses Start" \
    timeout 60 "$here/screen_reader.py" "Spoken Realm"
check "the press starts the client with 127.0.0.1:7004" wait_until 60 grep -q -x 'arg:127.0.0.1:7004' "$folder/velk.log"
sleep 1  # a bounded look for a second start
check "and only once" test "$(clients_started "$folder")" -eq 1

xdotool windowfocus --sync "$window" key Tab 2>/dev/null
check "Tab gives Start the focus, and the screen reader hears of it" timeout 60 "$here/screen_reader.py" --focused "Spoken Realm"
kill "$starter_pid" 2>/dev/null || true
end_starter

# Orca, in a home of its own, on the same buses; it has registered its key
# listener once it shows on the accessibility bus.
export HOME="$work/home" GSETTINGS_BACKEND=memory
mkdir "$HOME"
timeout 90 orca --replace >"$work/orca.log" 2>&1 &
orca_pid=$!
trap 'cleanup; kill "$orca_pid" 2>/dev/null || true; end_session' EXIT
check "Orca starts" timeout 30 "$here/screen_reader.py" --wait-for-app orca
folder="$work/Orca Game"
game_folder "Orca Game" $'localhost,7005\r\nOrca Realm\r\nnews\r\n'
launch "$folder"
box=$(wait_for_window '^Project1$' 20) || box=
check "with Orca: Return closes the welcome box" dismiss_box "$box"
window=$(wait_for_window '^Orca Realm$' 20) || window=
expected=0
for keys in "Tab Return" space alt+s; do
    expected=$((expected + 1))
    # shellcheck disable=SC2086
    press_keys "$window" $keys || true
    check "with Orca: $keys on Start starts one client" clients_now "$folder" "$expected"
done
sleep 1  # a bounded look for one too many
check "with Orca: and no more ($(clients_started "$folder") of $expected)" clients_are "$folder" "$expected"

finish
