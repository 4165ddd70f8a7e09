# Shared by the end-to-end tests: checks that count failures, a private X
# server, a work folder, and the starter under test ended on exit.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# A command whose failure ends the run (set -e) names itself and its line:
# such an end prints nothing otherwise.
set -E
trap 'stopped_status=$?; [[ $- != *e* ]] || echo "stopped: ${BASH_SOURCE[0]##*/}:$LINENO: \"$BASH_COMMAND\" failed (status $stopped_status)" >&2' ERR
source "$here/../../scripts/x11-helpers.sh"

failures=0
check() {  # check DESCRIPTION COMMAND...
    local what=$1
    shift
    if "$@"; then
        echo "ok: $what"
    else
        echo "FAILED: $what"
        failures=$((failures + 1))
    fi
}

finish() {
    echo "$failures failed"
    [ "$failures" -eq 0 ]
}

work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# The run's own settings and caches: desktops run side by side (KWin on X11
# and on Wayland) would write the same files otherwise.
export XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" XDG_DATA_HOME="$work/data"
starter_pid=
cleanup() {
    [ -n "$starter_pid" ] && kill "$starter_pid" 2>/dev/null || true
    stop_private_xvfb
    rm -rf "$work"
}
start_private_xvfb
trap cleanup EXIT

# game_folder NAME [CONFIG]: makes "$work/NAME" with the starter, the stand-in
# client as velk.exe when $client is set, and CONFIG as config.ini when given.
game_folder() {
    local folder="$work/$1"
    mkdir "$folder"
    cp "$loader" "$folder/"
    [ -n "${client:-}" ] && cp "$client" "$folder/velk.exe"
    [ $# -ge 2 ] && printf '%s' "$2" >"$folder/config.ini"
    return 0
}

# The stand-in clients write one record each into velk.log, ending in "end".
clients_started() {
    local count
    count=$(grep -c '^end$' "$1/velk.log" 2>/dev/null) || true
    echo "${count:-0}"
}
clients_at_least() { [ "$(clients_started "$1")" -ge "$2" ]; }
clients_are() { [ "$(clients_started "$1")" -eq "$2" ]; }
# clients_now FOLDER COUNT: waits, bounded, until exactly COUNT clients have
# started from FOLDER (one too many never comes back to COUNT), the count
# read again at every try. The bounds are a minute: under load a client
# through Wine takes many seconds to start.
clients_now() { wait_until 60 clients_are "$1" "$2"; }

# press_keys WINDOW KEY...: gives the window the keyboard and types the keys
# (xdotool's names: Tab, Return, space, alt+s); the caller waits for what
# they do.
press_keys() {
    local window=$1
    shift
    xdotool windowfocus --sync "$window" key --clearmodifiers --delay 150 "$@" 2>/dev/null
}

# one_press_per_intent WINDOW X Y FOLDER: what a player's hands do on the
# window whose "Start" is at X,Y (Start first given the focus by Tab), each
# checked for the clients it starts in FOLDER: Return, Space and Alt+S held
# for 2 s with a desktop's key repeat (after 0.3 s, 30 a second) start one
# each; five clicks 90 ms apart one; a burst, then once its client has
# started a click, two; a click, then once its client has started another,
# two. (A press while one is handled is dropped by design: a click meant to
# count waits for the press before it to end.)
one_press_per_intent() {
    local window=$1 x=$2 y=$3 folder=$4 key expected
    # Counted from the start on: a late client too many never comes back to
    # the count the next step waits for.
    expected=$(clients_started "$folder")
    xset r on
    xset r rate 300 30
    press_keys "$window" Tab
    for key in Return space alt+s; do
        xdotool windowfocus --sync "$window" keydown "$key" 2>/dev/null
        sleep 2
        xdotool keyup "$key"
        expected=$((expected + 1))
        check "$key held for 2 s starts one client" clients_now "$folder" "$expected"
    done
    starts_one() {  # starts_one CLICK_ARGS...: clicks, then expects one more client
        expected=$((expected + 1))
        # Past the double-click time (Qt's and Windows' default: 400 and
        # 500 ms) since the last click: else the clicks go on its burst.
        sleep 1
        xdotool mousemove --window "$window" "$x" "$y" "$@"
        clients_now "$folder" "$expected"
    }
    check "five clicks 90 ms apart start one client" starts_one click --repeat 5 --delay 90 1
    check "a burst starts one client" starts_one click --repeat 3 --delay 90 1
    check "... and a click after it one more" starts_one click 1
    check "a click starts one client" starts_one click 1
    check "... and the next click one more" starts_one click 1
    sleep 2  # a bounded look for a late one too many
    check "and no more ($(clients_started "$folder") of $expected)" test "$(clients_started "$folder")" -eq "$expected"
}

# dismiss_welcome [SECONDS]: waits for the starter's first box (titled
# Project1), 20 s by default, and closes it with Return.
dismiss_welcome() {
    local box
    box=$(wait_for_window '^Project1$' "${1:-20}") && dismiss_box "$box"
}

# legacy_title NAME LOCALE TITLE_BYTES TITLE: a title saved in the legacy
# code page of the player's language is the window's caption, with only LANG
# telling the locale (as on a player's desktop), through RUNNER.
legacy_title() {
    local runner=("${RUNNER[@]}") window
    game_folder "$1" $'localhost,800\r\n'"$3"$'\r\nnews\r\n'
    RUNNER=(env -u LC_ALL -u LC_CTYPE "LANG=$2" "${runner[@]}")
    launch "$work/$1"
    RUNNER=("${runner[@]}")
    dismiss_welcome 60 || true
    window=$(wait_for_window "^$4\$" 30) || window=$(wait_for_window '.' 5) || window=
    check "$1: under $2 the caption reads \"$4\"" test "$(xdotool getwindowname "$window" 2>/dev/null)" = "$4"
    kill "$starter_pid" 2>/dev/null || true
    end_starter
}

# launch FOLDER: starts the starter copied into FOLDER, bounded to a minute,
# through the commands in RUNNER if any (e.g. wine).
RUNNER=()
launch() {
    timeout 60 "${RUNNER[@]}" "$1/$(basename "$loader")" >/dev/null 2>&1 &
    starter_pid=$!
}

# end_starter: waits for the starter to end and leaves its exit status in
# $status. Never in a subshell: only this shell can wait for its own
# background job (a subshell sees its status only if it has ended already).
end_starter() {
    status=0
    wait "$starter_pid" || status=$?
    starter_pid=
}
