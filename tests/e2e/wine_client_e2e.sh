#!/usr/bin/env bash
# The Linux starter with a Windows game client under the real Wine: the
# Windows stand-in client, without its exec bit (as unpacked from a zip), in
# a folder whose name has a space. A click on "Start" starts it through Wine,
# minimized (show state 2), with the one argument 127.0.0.1:<port>; without
# wine on the PATH the click shows an error box and the starter ends non-zero.
# Usage: wine_client_e2e.sh PATH_TO_Velk_Loader PATH_TO_WINDOWS_STAND_IN WINEPREFIX
set -euo pipefail
loader=$1
client=$2
prefix=$3
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/../support/wine-prefix.sh"

# A prefix of the build's own, made once; a Wine server kept running for the
# test, so that the click does not wait for Wine to start up.
use_wine_prefix "$prefix"
trap 'cleanup; end_wine' EXIT

# open_window FOLDER TITLE: starts the starter there, past its welcome box;
# sets $window.
open_window() {
    launch "$1"
    local box
    dismiss_welcome || true
    window=$(wait_for_window "^$2\$" 20) || window=
    check "the window of $2 appears" test -n "$window"
    # A window takes input once it is drawn.
    check "and is drawn" wait_until 30 window_drawn "$window"
}
click_start() { [ -n "$window" ] && xdotool mousemove --window "$window" 100 60 click 1; }

folder="$work/Velk Game"
game_folder "Velk Game" $'localhost,7003\r\nWine Client\r\nnews\r\n'
chmod a-x "$folder/velk.exe"
open_window "$folder" "Wine Client"
click_start
check "a click on Start starts the Windows client through Wine" wait_until 60 clients_at_least "$folder" 1
command=$(sed -n 's/^cmd://p' "$folder/velk.log" 2>/dev/null)
check "with the one argument 127.0.0.1:7003 (command line: $command)" test "${command% 127.0.0.1:7003}" != "$command"
check "from its own folder" grep -q -F 'Velk Game\velk.exe' <<<"$command"
check "minimized with focus (show state 2)" test "$(sed -n 's/^show://p' "$folder/velk.log" 2>/dev/null)" = "2"
kill "$starter_pid" 2>/dev/null || true
end_starter

game_folder "No Wine" $'localhost,7003\r\nNo Wine\r\nnews\r\n'
RUNNER=(env PATH=/nonexistent)
open_window "$work/No Wine" "No Wine"
click_start
box=$(wait_for_window '^Project1$' 20) || box=
check "without wine on the PATH a click shows an error box" test -n "$box"
[ -n "$box" ] && dismiss_box "$box" || true
end_starter
check "and the starter ends non-zero (status $status)" test "$status" -ne 0 -a "$status" -ne 124
check "no client was started" test ! -e "$work/No Wine/velk.log"

finish
