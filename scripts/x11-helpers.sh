# Helpers for driving the starter on a private X server; sourced by the demo
# and the end-to-end test. Needs Xvfb and xdotool.

# wait_until SECONDS COMMAND...: runs COMMAND every 0.1 s until it succeeds;
# fails once SECONDS have passed.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# Starts an Xvfb of our own on a free display (screen XVFB_SCREEN, by default
# 1024x768x24), exports DISPLAY and registers its end on exit.
start_private_xvfb() {
    local display_file
    display_file=$(mktemp)
    # -noreset: the server would otherwise reset when its last client leaves,
    # and a program started at that moment could not connect.
    Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp -noreset 3>"$display_file" 2>/dev/null &
    XVFB_PID=$!
    trap 'stop_private_xvfb' EXIT
    if ! wait_until 10 test -s "$display_file"; then
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
    wait_until "$2" xdotool search --onlyvisible --limit 1 --name "$1" 2>/dev/null
}

# Names of all visible windows but the root, one a line.
visible_window_names() {
    local id root
    root=$(xwininfo -root | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')
    for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        [ "$id" -eq "$((root))" ] || xdotool getwindowname "$id" 2>/dev/null
    done
}

# Presses Return in a message box, which takes its default OK button, until
# the box is gone: a box just mapped may not take the key yet. Fails after
# 30 s.
dismiss_box() {
    local deadline=$((SECONDS + 30))
    while xdotool search --onlyvisible --name '' 2>/dev/null | grep -q -x "$1"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        timeout 2 xdotool windowfocus --sync "$1" key --clearmodifiers Return 2>/dev/null || true
        sleep 0.2
    done
}

# window_drawn WINDOW [LEFT TOP [X]]: the starter's window has been painted
# (the window's own background at X,60 of its client area, 516 by default,
# between the banner and the separator; the client area at LEFT,TOP in the
# X window): from then on it takes the player's input.
window_drawn() {
    local pixel
    pixel=$(import -window "$1" -crop "1x1+$((${2:-0} + ${4:-516}))+$((${3:-0} + 60))" +repage -depth 8 txt:- 2>/dev/null)
    [[ $pixel == *"#010042"* ]]
}

# painted WINDOW: something has been drawn in the window (a box's text and
# button): more than two colours in it.
painted() { [ "$(import -window "$1" -format %k info: 2>/dev/null || echo 0)" -gt 2 ]; }
