#!/usr/bin/env bash
# The real starter on its own X server: the welcome box comes before the
# window, the window carries the configured title (saved as Windows-1252 by
# an older editor) at its designed size, and a missing settings file ends the
# starter after an error box.
# Usage: starter_e2e.sh PATH_TO_Velk_Loader
set -euo pipefail
loader=$1
source "$(dirname "$0")/lib.sh"

# --- With a settings file ---------------------------------------------------
title="E2E Server $$"
game_folder ok $'localhost,800\r\n'"$title"$' \x96 Z\xfcrich\r\n"News, for the test"\r\n'
launch "$work/ok"

box=$(wait_for_window '^Project1$' 20) || box=
check "the welcome box titled Project1 appears" test -n "$box"
check "no other window is visible while it is up" \
    test "$(visible_window_names | grep -v -x 'Project1' | wc -l)" -eq 0
[ -n "$box" ] && dismiss_box "$box" || true

window=$(wait_for_window "^$title " 20) || window=
check "the main window appears" test -n "$window"
if [ -n "$window" ]; then
    check "with the configured title, read as Windows-1252" \
        test "$(xdotool getwindowname "$window")" = "$title – Zürich"
    geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
    check "its client area is 709 x 125 (was $geometry)" test "$geometry" = "709x125"
fi
kill "$starter_pid" 2>/dev/null || true
wait "$starter_pid" 2>/dev/null || true
starter_pid=

# --- Without a settings file ------------------------------------------------
game_folder missing
launch "$work/missing"

box=$(wait_for_window '^Project1$' 20) || box=
check "an error box titled Project1 appears" test -n "$box"
check "it is the only window" test "$(visible_window_names | grep -v -x 'Project1' | wc -l)" -eq 0
[ -n "$box" ] && dismiss_box "$box" || true
status=$(end_starter)
check "the starter exits non-zero (status $status)" test "$status" -ne 0 -a "$status" -ne 124

finish
