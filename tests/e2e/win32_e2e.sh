#!/usr/bin/env bash
# The Windows starter under Wine on its own X server, in a folder whose name
# has a space, with a stand-in client that records its command line and the
# window state it was asked for: the welcome box comes first, then the window
# with the configured title (saved as UTF-8 without a byte-order mark, as
# Notepad saves it); "Start" starts the client as
# "<folder>\velk.exe" 127.0.0.1:<port>, minimized; the banner starts nothing;
# the keyboard alone starts it (Tab and Return, Space, Alt+S);
# titles saved in the code page of the player's language read right under
# that locale (Cyrillic, Japanese); from a folder 300 characters deep, with
# settings in UTF-16, it starts the client;
# without config.ini, or with one that is a link to /dev/zero, an error box
# and a non-zero exit; in a high-contrast scheme whose highlighted text is
# black, "Start" is drawn on a black field in white. Keeps screenshots.
# Usage: win32_e2e.sh WINEPREFIX Velk_Loader.exe STAND_IN_CLIENT.exe SCREENSHOT_DIR
set -euo pipefail
prefix=$1
loader=$2
client=$3
shots=$4
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/../support/wine-prefix.sh"
RUNNER=(wine)
use_wine_prefix "$prefix"
trap 'cleanup; end_wine' EXIT

folder="$work/Velk Game"
game_folder "Velk Game" $'localhost,7001\r\nWine Test \xe2\x80\x93 Z\xc3\xbcrich\r\n"News under Wine, with a comma"\r\n'
records() { clients_started "$folder"; }

launch "$folder"
box=$(wait_for_window '^Project1$' 60) || box=
check "the welcome box titled Project1 appears" test -n "$box"
check "the main window is not visible yet" test -z "$(visible_window_names | grep '^Wine Test' || true)"
dismiss_box "$box" || true
window=$(wait_for_window '^Wine Test' 30) || window=
check "after it, the window appears" test -n "$window"
check "with the configured title, read as UTF-8" test "$(xdotool getwindowname "$window" 2>/dev/null)" = "Wine Test – Zürich"

if [ -n "$window" ]; then
    # Wine draws the frame inside the X window: find the client area in it.
    eval "$(xdotool getwindowgeometry --shell "$window")"
    border=$(((WIDTH - 709) / 2))
    top=$((HEIGHT - 125 - border))
    check "its client area is 709 x 125 inside a frame (window ${WIDTH}x${HEIGHT})" \
        test "$border" -ge 0 -a "$top" -gt "$border"
    check "and is drawn" wait_until 20 window_drawn "$window" "$border" "$top"
    mkdir -p "$shots"
    import -window "$window" -crop "709x125+$border+$top" +repage "$shots/win32-window.png"
    echo "screenshot: $shots/win32-window.png"

    xdotool mousemove --window "$window" $((border + 100)) $((top + 60)) click 1
    wait_until 60 clients_at_least "$folder" 1 || true
    expected="Z:$(echo "$folder" | tr / '\\')\\velk.exe"
    check "a click on Start starts the client" test "$(records)" -eq 1
    check "with \"<folder>\\velk.exe\" 127.0.0.1:7001" \
        test "$(sed -n 's/^cmd://p' "$folder/velk.log" 2>/dev/null)" = "\"$expected\" 127.0.0.1:7001"
    check "minimized (show state 2)" test "$(sed -n 's/^show://p' "$folder/velk.log" 2>/dev/null)" = "2"

    xdotool mousemove --window "$window" $((border + 300)) $((top + 30)) click 1
    sleep 1.5  # a bounded look for a start that must not come
    check "a click on the banner starts nothing" test "$(records)" -eq 1

    # A player without a mouse.
    press_keys "$window" Tab Return
    check "Tab then Return starts the client" clients_now "$folder" 2
    press_keys "$window" space
    check "Space on the focused Start starts it" clients_now "$folder" 3
    press_keys "$window" alt+s
    check "Alt+S starts it" clients_now "$folder" 4
    press_keys "$window" Tab Return
    sleep 2  # a bounded look for a start that must not come
    check "Tab back to the news box and Return there starts nothing ($(records))" test "$(records)" -eq 4
    one_press_per_intent "$window" $((border + 100)) $((top + 60)) "$folder"
fi
kill "$starter_pid" 2>/dev/null || true
end_starter

# A high-contrast scheme in the registry: black highlighted text on a cyan
# highlight, white label text on black faces. Keeps a screenshot.
set_colours() { for pair in "$@"; do wine reg add 'HKCU\Control Panel\Colors' /v "${pair%%=*}" /d "${pair#*=}" /f >/dev/null; done; }
pixels_of() { convert "$1" -crop "$2" +repage txt:- | grep -c " $3 " || true; }  # pixels_of PNG GEOMETRY #RRGGBB
original_colours=()
for name in Hilight HilightText ButtonText ButtonFace WindowText Window; do
    value=$(wine reg query 'HKCU\Control Panel\Colors' /v "$name" 2>/dev/null | sed -n "s/.*REG_SZ[[:space:]]*//p" | tr -d '\r')
    [ -n "$value" ] && original_colours+=("$name=$value")
done
set_colours "Hilight=26 235 255" "HilightText=0 0 0" "ButtonText=255 255 255" "ButtonFace=0 0 0" "WindowText=255 255 255" "Window=0 0 0"
launch "$folder"
dismiss_welcome 60 || true
if window=$(wait_for_window '^Wine Test' 30); then
    eval "$(xdotool getwindowgeometry --shell "$window")"
    shot="$shots/win32-window-high-contrast.png"
    wait_until 20 window_drawn "$window" $(((WIDTH - 709) / 2)) $((HEIGHT - 125 - (WIDTH - 709) / 2)) || true
    import -window "$window" -crop "709x125+$(((WIDTH - 709) / 2))+$((HEIGHT - 125 - (WIDTH - 709) / 2))" +repage "$shot"
    check "high contrast: \"Start\" in black on the highlight" \
        test "$(pixels_of "$shot" 57x25+88+48 '#1AEBFF')" -gt 900 -a "$(pixels_of "$shot" 57x25+88+48 '#000000')" -gt 100
    check "\"News\" in white on the window's background" \
        test "$(pixels_of "$shot" 73x16+536+0 '#010042')" -gt 800 -a "$(pixels_of "$shot" 73x16+536+0 '#FFFFFF')" -gt 20
fi
kill "$starter_pid" 2>/dev/null || true
end_starter
set_colours "${original_colours[@]}"

# Titles saved in the ANSI code page of the player's language, read under
# that locale as Windows (and Wine) read 8-bit text.
legacy_title Cyrillic ru_RU.UTF-8 $'\xd1\xe5\xf0\xe2\xe5\xf0 \xc2\xe5\xeb\xfc\xec\xe0\xf0\xea' "Сервер Вельмарк"
legacy_title Japanese ja_JP.UTF-8 $'\x93\xfa\x96\x7b\x8c\xea\x83\x54\x81\x5b\x83\x6f\x81\x5b' "日本語サーバー"

# A game folder deeper than MAX_PATH: its Windows path 300 characters long.
# The starter reads its settings there, shows its window and starts the
# client there, with a host that no name server is asked for.
long="$work/Long"
while [ $((${#long} + 2)) -lt 285 ]; do long="$long/Velk Game Folder"; done
long="$long/$(printf 'x%.0s' $(seq $((300 - 2 - ${#long} - 1))))"
mkdir -p "$long"
cp "$loader" "$long/"
cp "$client" "$long/velk.exe"
# Its settings in UTF-16 with a byte-order mark, as PowerShell's ">" writes them.
printf 'localhost,7005\r\nDeep Folder\r\nnews\r\n' | iconv -f UTF-8 -t UTF-16 >"$long/config.ini"
check "the long folder's Windows path has 300 characters" test $((${#long} + 2)) -eq 300
launch "$long"
dismiss_welcome 60 || true
window=$(wait_for_window '^Deep Folder$' 30) || window=
check "in a folder 300 characters deep, the starter reads its settings" test -n "$window"
press_keys "$window" Tab Return
check "... and Tab then Return starts the client there" clients_now "$long" 1
check "... with 127.0.0.1:7005" grep -q '^cmd:".*\\velk.exe" 127.0.0.1:7005$' "$long/velk.log"
kill "$starter_pid" 2>/dev/null || true
end_starter

game_folder "No Settings"
game_folder "Endless Settings"
ln -s /dev/zero "$work/Endless Settings/config.ini"
for name in "No Settings" "Endless Settings"; do
    launch "$work/$name"
    box=$(wait_for_window '^Project1$' 60) || box=
    check "$name: an error box titled Project1 appears" test -n "$box"
    [ -n "$box" ] && dismiss_box "$box" || true
    end_starter
    check "$name: and the starter ends non-zero (status $status)" test "$status" -ne 0 -a "$status" -ne 124
done

finish
