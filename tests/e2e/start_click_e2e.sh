#!/usr/bin/env bash
# Clicks on the real starter's window, in a folder whose name has a space,
# with a stand-in client that records its arguments in velk.log: "Start"
# starts it with 127.0.0.1:<port> for localhost, an edited port (saved anew
# in UTF-16) counts at the next click, the banner starts nothing, the
# keyboard alone starts it (Tab and Return, Space, Alt+S, also on German,
# Russian and Greek layouts), a held key or a burst of clicks starts it once,
# and a missing client ends the starter after an error box.
# Usage: start_click_e2e.sh PATH_TO_Velk_Loader PATH_TO_STAND_IN_CLIENT
set -euo pipefail
loader=$1
client=$2
source "$(dirname "$0")/lib.sh"

folder="$work/Velk Game"
game_folder "Velk Game" $'localhost,7001\r\nClick Test\r\nnews\r\n'
started() { clients_started "$folder"; }
# The harness's wait reads the clients again at every try: one that comes
# late is still seen.
mkdir "$work/late"
(sleep 1 && echo end >>"$work/late/velk.log") &
check "the wait for clients sees one that comes late" clients_now "$work/late" 1
wait_for_start() { wait_until 60 clients_at_least "$folder" "$1"; }
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }

launch "$folder"
dismiss_welcome || true
window=$(wait_for_window '^Click Test$' 20) || window=
check "the window appears" test -n "$window"
check "and is drawn" wait_until 20 window_drawn "$window"

click 100 60
check "a click on Start starts the client" wait_for_start 1
check "with the one argument 127.0.0.1:7001" test "$(grep '^arg:' "$folder/velk.log")" = "arg:127.0.0.1:7001"

# Saved anew as Notepad's "Unicode" saves it: UTF-16 with a byte-order mark.
printf 'localhost,7002\r\nClick Test\r\nnews\r\n' | iconv -f UTF-8 -t UTF-16 >"$folder/config.ini"
sleep 1  # a second click, not the second of a double-click
click 140 70
check "a second click starts a second client" wait_for_start 2
check "with the port as edited meanwhile, in UTF-16" test "$(grep '^arg:' "$folder/velk.log" | tail -n1)" = "arg:127.0.0.1:7002"

click 300 30
click 87 60
sleep 1  # a bounded look for a start that must not come
check "clicks on the banner start nothing" test "$(started)" -eq 2

# A player without a mouse: Tab then Return, Space, Alt+S each start the
# client once; Return in the news box starts nothing.
press_keys "$window" Tab Return
check "Tab then Return starts the client" clients_now "$folder" 3
press_keys "$window" space
check "Space on the focused Start starts it" clients_now "$folder" 4
press_keys "$window" alt+s
check "Alt+S starts it" clients_now "$folder" 5
# Alt and the S key as a keyboard sends them (its key code, through XTest)
# on the layouts players type with; where the active one has no Latin S
# (Russian, Greek), the player's other layout has it.
s_key=$(xmodmap -pke | awk '$4 == "s" && !found { print $2; found = 1 }')
count=5
for layouts in de ru,us gr,us; do
    setxkbmap -layout "$layouts"
    press_keys "$window" "alt+$s_key"
    count=$((count + 1))
    check "Alt and the S key on the $layouts layout start it" clients_now "$folder" "$count"
done
setxkbmap -layout us
press_keys "$window" Tab Return
sleep 1  # a bounded look for a start that must not come
check "Tab back to the news box and Return there starts nothing" test "$(started)" -eq "$count"
# Held keys and bursts of clicks: one press per intent.
one_press_per_intent "$window" 100 60 "$folder"

rm "$folder/velk.exe"
click 100 60
box=$(wait_for_window '^Project1$' 20) || box=
check "a click with the client missing shows an error box" test -n "$box"
[ -n "$box" ] && dismiss_box "$box" || true
end_starter
check "and the starter ends non-zero (status $status)" test "$status" -ne 0 -a "$status" -ne 124

finish
