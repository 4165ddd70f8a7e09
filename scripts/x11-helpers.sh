# Helpers for driving the starter on a private X server; sourced by the demo
# and the end-to-end test. Needs Xvfb and xdotool.

# Starts an Xvfb of our own on a free display, exports DISPLAY and registers
# its end on exit.
start_private_xvfb() {
    local display_file
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
    XVFB_PID=$!
    trap 'stop_private_xvfb' EXIT
    for _ in $(seq 100); do
        [ -s "$display_file" ] && break
        sleep 0.1
    done
    if ! [ -s "$display_file" ]; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$(head -n1 "$display_file")"
    rm -f "$display_file"
}

stop_private_xvfb() {
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=
}

# wait_for_window NAME_REGEX SECONDS: prints the id of the first visible
# window whose name matches; fails after SECONDS.
wait_for_window() {
    local deadline=$((SECONDS + $2)) id
    while [ "$SECONDS" -lt "$deadline" ]; do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Names of all visible windows but the root, one a line.
visible_window_names() {
    local id root
    root=$(xwininfo -root | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')
    for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        [ "$id" -eq "$((root))" ] || xdotool getwindowname "$id" 2>/dev/null
    done
}

# Presses Return in a message box, which takes its default OK button.
dismiss_box() {
    xdotool windowfocus --sync "$1" key --clearmodifiers Return
}
