#!/usr/bin/env bash
# The real starter on its own X server: the welcome box comes before the
# window, the window carries the configured title (saved as Windows-1252 by
# an older editor) at its designed size; titles saved in the code page of the
# player's language (Cyrillic, Japanese) read right under that locale; a
# session bus that never answers does not hold the start; 300 MB of blanks and
# a missing settings file end the starter after an error box; without a display
# it says so in one line and ends with status 1, without aborting.
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

# --- Titles saved in the legacy code page of the player's language ------------
legacy_title cyrillic ru_RU.UTF-8 $'\xd1\xe5\xf0\xe2\xe5\xf0 \xc2\xe5\xeb\xfc\xec\xe0\xf0\xea' "Сервер Вельмарк"
legacy_title japanese ja_JP.UTF-8 $'\x93\xfa\x96\x7b\x8c\xea\x83\x54\x81\x5b\x83\x6f\x81\x5b' "日本語サーバー"

# --- 300 MB of blanks before the first item -------------------------------
# Given up once the blanks pass an item's limit: the error box comes having
# read a few blocks of the file, not all of it.
game_folder blanks
{ head -c 300000000 /dev/zero | tr '\0' ' '; printf 'localhost,800,T,N'; } >"$work/blanks/config.ini"
launch "$work/blanks"
box=$(wait_for_window '^Project1$' 20) || box=
check "300 MB of blanks: an error box appears" test -n "$box"
starter=$(pgrep -P "$starter_pid" || true)
read_bytes=$(sed -n 's/^rchar: //p' "/proc/$starter/io" 2>/dev/null || echo unknown)
peak_kib=$(sed -n 's/^VmHWM:[[:space:]]*\([0-9]*\) kB/\1/p' "/proc/$starter/status" 2>/dev/null || echo unknown)
check "having read less than 10 MB of all kinds ($read_bytes bytes)" test "${read_bytes:-0}" -lt 10000000 2>/dev/null
check "in less than 200 MiB ($peak_kib KiB at most)" test "${peak_kib:-999999}" -lt 204800 2>/dev/null
[ -n "$box" ] && dismiss_box "$box" || true
end_starter
check "and the starter exits non-zero (status $status)" test "$status" -ne 0 -a "$status" -ne 124
rm "$work/blanks/config.ini"

# --- A session bus that takes connections and never answers ---------------------
python3 -c '
import socket, sys
bus = socket.socket(socket.AF_UNIX)
bus.bind(sys.argv[1])
bus.listen(8)
held = []
while True:
    held.append(bus.accept()[0])
' "$work/silent-bus.socket" &
silent_bus=$!
game_folder silent-bus $'localhost,800\r\nBus Realm\r\nnews\r\n'
check "a bus that never answers is listening" wait_until 10 test -S "$work/silent-bus.socket"
RUNNER=(env "DBUS_SESSION_BUS_ADDRESS=unix:path=$work/silent-bus.socket" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1)
launch "$work/silent-bus"
RUNNER=()
# Held for good it would never come; the second the bus costs is not timed
# here (under load the start alone can take longer).
check "with a session bus that never answers, the welcome box still comes" wait_for_window '^Project1$' 30
kill "$starter_pid" "$silent_bus" 2>/dev/null || true
wait "$starter_pid" "$silent_bus" 2>/dev/null || true
starter_pid=

# --- Without a display ------------------------------------------------------
# Each environment: the one line expected on standard error.
for row in "-u DISPLAY -u WAYLAND_DISPLAY|neither DISPLAY nor WAYLAND_DISPLAY is set" \
           "-u WAYLAND_DISPLAY DISPLAY=:9999|cannot open a display (DISPLAY is \":9999\"" \
           "QT_QPA_PLATFORM=nonesuch|QT_QPA_PLATFORM names (\"nonesuch\") cannot start here"; do
    status=0
    said=$(env ${row%%|*} timeout 60 "$work/ok/$(basename "$loader")" 2>&1 >/dev/null) || status=$?
    check "${row%%|*}: one line ($said), status 1 ($status)" \
        test "$status" -eq 1 -a "$(wc -l <<<"$said")" -eq 1 -a -n "$(grep -F "${row#*|}" <<<"$said")"
done

# --- Without a settings file ------------------------------------------------
game_folder missing
launch "$work/missing"

box=$(wait_for_window '^Project1$' 20) || box=
check "an error box titled Project1 appears" test -n "$box"
check "it is the only window" test "$(visible_window_names | grep -v -x 'Project1' | wc -l)" -eq 0
[ -n "$box" ] && dismiss_box "$box" || true
end_starter
check "the starter exits non-zero (status $status)" test "$status" -ne 0 -a "$status" -ne 124

finish
