#!/usr/bin/env bash
# The starter with a name server that answers late or never, as players meet
# on slow networks: in a network and mount namespace of the test's own, whose
# only name server is a small one on its loopback (name_server.py), which
# holds an answer until the test lets it go; the resolver waits 5 s for an
# answer.
#  - three clicks during a lookup start one client, with the address;
#  - the window repaints while it waits (covered and uncovered meanwhile);
#  - a silent name server gives one client, with ":<port>";
#  - a double-click starts one client, two clicks apart start two;
#  - closing the window during a lookup hides it before the lookup ends, and
#    the starter ends (status 0) once it has started the one client.
# The same for both builds: the Linux starter, or the Windows one under Wine.
# Usage: slow_lookup_e2e.sh linux Velk_Loader STAND_IN_CLIENT
#        slow_lookup_e2e.sh wine Velk_Loader.exe STAND_IN_CLIENT.exe WINEPREFIX
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${VELK_IN_NAMESPACE:-}" ]; then
    if [ "$(id -u)" -ne 0 ] || ! unshare -mn true 2>/dev/null; then
        echo "needs root and unshare for a network namespace of its own: skipped"
        exit 77
    fi
    export VELK_IN_NAMESPACE=1
    exec timeout 240 unshare -mn "$0" "$@"
fi

kind=$1
loader=$2
client=$3
source "$here/lib.sh"

# The namespace's own hosts, name service order and resolver.
ip link set lo up
printf '127.0.0.1 localhost\n' >"$work/hosts"
printf 'hosts: files dns\n' >"$work/nsswitch.conf"
printf 'nameserver 127.0.0.1\noptions timeout:5 attempts:1\n' >"$work/resolv.conf"
for file in hosts nsswitch.conf resolv.conf; do mount --bind "$work/$file" "/etc/$file"; done
(cd "$work" && exec "$here/name_server.py" slow.velk.test=10.20.30.40@held silent.velk.test=10.20.30.41@never \
    fast.velk.test=10.20.30.42 closing.velk.test=10.20.30.43@held) >"$work/name-server.log" 2>&1 &
name_server=$!
wait_until 10 grep -q ready "$work/name-server.log"

if [ "$kind" = wine ]; then
    source "$here/../support/wine-prefix.sh"
    RUNNER=(wine)
    use_wine_prefix "$4"
    trap 'cleanup; end_wine; kill "$name_server" 2>/dev/null || true' EXIT
    arguments() { sed -n 's/^cmd:"[^"]*" //p' "$folder/velk.log" 2>/dev/null; }
else
    trap 'cleanup; kill "$name_server" 2>/dev/null || true' EXIT
    arguments() { sed -n 's/^arg://p' "$folder/velk.log" 2>/dev/null; }
fi

folder="$work/Velk Game"
settings() { printf '%s,%s\r\nSlow Realm\r\nnews\r\n' "$1" "$2" >"$folder/config.ini"; }
game_folder "Velk Game"
settings slow.velk.test 7101
started() { clients_started "$folder"; }

# asked NAME: the name server has been asked for NAME (a lookup is under way).
asked() { grep -q -x "asked $1" "$work/name-server.log"; }
release() { touch "$work/released-$1"; }

launch "$folder"
dismiss_welcome 60 || true
window=$(wait_for_window '^Slow Realm$' 30) || window=
check "the window appears" test -n "$window"
[ -n "$window" ] || { finish; exit 1; }
# Where Wine draws the frame inside the X window, the client area lies below it.
eval "$(xdotool getwindowgeometry --shell "$window")"
left=$(((WIDTH - 709) / 2))
top=$((HEIGHT - 125 - left))
check "the window is drawn" wait_until 30 window_drawn "$window" "$left" "$top"
click() { xdotool mousemove --window "$window" $((left + 100)) $((top + 60)) click "$@" 1; }
shot() { import -window root -crop "709x125+$((X + left))+$((Y + top))" +repage "$work/$1.png"; }
# differing_pixels A B: how many pixels of the two shots differ visibly.
differing_pixels() { compare -metric AE -fuzz 10% "$work/$1.png" "$work/$2.png" null: 2>&1 | cut -d' ' -f1; }
painted_again() { shot during && [ "$(differing_pixels before during)" -lt 300 ]; }

# --- A lookup held: three clicks, the window covered and uncovered ------------
shot before
click
check "a click asks the name server" wait_until 30 asked slow.velk.test
xmessage -geometry "709x125+$((X + left))+$((Y + top))" -bg white "covering the starter" 2>/dev/null &
cover=$!
wait_for_window '^xmessage$' 30 >/dev/null || true
kill "$cover" 2>/dev/null || true
wait "$cover" 2>/dev/null || true
check "while it waits, the uncovered window is painted again" wait_until 30 painted_again
click
click
release slow.velk.test
check "three clicks during the lookup start a client" clients_now "$folder" 1
sleep 2  # a bounded look for a queued click's client, which would come at once now
check "... one client ($(started))" test "$(started)" -eq 1
check "... with the looked-up address ($(arguments | tail -n1))" test "$(arguments | tail -n1)" = "10.20.30.40:7101"

# --- A name server that never answers -----------------------------------------
settings silent.velk.test 7102
click
check "a click asks the silent name server" wait_until 30 asked silent.velk.test
click
check "with a silent name server, the clicks start a client" wait_until 60 clients_at_least "$folder" 2
sleep 6  # a bounded look, longer than a lookup lasts, for a queued click's client
check "... one client ($(($(started) - 1)))" test "$(started)" -eq 2
check "... with \":<port>\" ($(arguments | tail -n1))" test "$(arguments | tail -n1)" = ":7102"

# --- Double-clicks and clicks apart, with a prompt name server ----------------
settings fast.velk.test 7103
click --repeat 2 --delay 80
check "a double-click starts a client" clients_now "$folder" 3
sleep 1  # past the double-click time, and a bounded look for a second client
check "... one client ($(($(started) - 2)))" test "$(started)" -eq 3
click
check "a click starts a client" clients_now "$folder" 4
sleep 1  # past the double-click time
click
check "... and the next click, once that client has started, another" clients_now "$folder" 5
sleep 1  # a bounded look for one too many
check "... and no more ($(($(started) - 3)))" test "$(started)" -eq 5

# --- Closing the window during a lookup ------------------------------------------
settings closing.velk.test 7104
click
check "a click asks the name server once more" wait_until 30 asked closing.velk.test
"$here/close_window.py" "$window"
check "a close during a lookup hides the window before the lookup ends" \
    wait_until 30 sh -c "! xdotool search --onlyvisible --name '^Slow Realm\$' >/dev/null 2>&1"
release closing.velk.test
check "the click is still served: one more client" clients_now "$folder" 6
check "... with the looked-up address ($(arguments | tail -n1))" test "$(arguments | tail -n1)" = "10.20.30.43:7104"
end_starter
check "then the starter ends with status 0 (status $status)" test "$status" -eq 0

finish
