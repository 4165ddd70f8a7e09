#!/usr/bin/env bash
# The Windows starter under Wine at the display scales players use: the
# prefix's dpi (LogPixels) at those given, such as 120, 144 and 192, i.e.
# 125 %, 150 % and 200 %.
# At each, the client area and its pixels are held to the design scaled by
# one factor (check_scaled_window.py), and "Start" is clicked at the corners
# of its scaled rectangle (each starts the client) and just outside them
# (nothing). Keeps a screenshot of each scale.
# Usage: win32_scaled_e2e.sh "DPI..." WINEPREFIX Velk_Loader.exe STAND_IN_CLIENT.exe BANNER.jpg SCREENSHOT_DIR LAYOUT_RECTS
set -euo pipefail
dpis=$1
prefix=$2
loader=$3
client=$4
banner=$5
shots=$6
layout_rects=$7
here=$(cd "$(dirname "$0")" && pwd)
XVFB_SCREEN=1920x1080x24  # room for the window at 200 %
source "$here/lib.sh"
source "$here/../support/wine-prefix.sh"
RUNNER=(wine)
mkdir -p "$shots"
use_wine_prefix "$prefix"
trap 'cleanup; end_wine' EXIT

# rect NAME SCALE: the layout's "LEFT TOP WIDTH HEIGHT" (or "WIDTH HEIGHT"
# of the client area) at a scale, as the layout rounds it.
rect() { "$layout_rects" "$2" | awk -v name="$1" '$1 == name { $1 = ""; print substr($0, 2) }'; }

for dpi in $dpis; do
    scale=$(awk "BEGIN { print $dpi / 96 }")
    percent=$((dpi * 100 / 96))
    end_wine
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 </dev/null
    restart_wine

    folder="$work/Velk $percent"
    game_folder "Velk $percent" $'localhost,7001\r\nScaled '"$percent"$'\r\nnews\r\n'
    launch "$folder"
    dismiss_welcome 60 || true
    window=$(wait_for_window "^Scaled $percent\$" 30) || window=
    check "$percent %: the window appears" test -n "$window"
    [ -n "$window" ] || continue

    # Wine draws the frame inside the X window: find the client area in it.
    read -r width height < <(rect client "$scale")
    eval "$(xdotool getwindowgeometry --shell "$window")"
    border=$(((WIDTH - width) / 2))
    top=$((HEIGHT - height - border))
    check "$percent %: a ${width}x${height} client area fits its frame (window ${WIDTH}x${HEIGHT})" \
        test "$border" -ge 0 -a $(((WIDTH - width) % 2)) -eq 0 -a "$top" -gt "$border"
    read -r banner_left _ banner_width _ < <(rect Image1 "$scale")
    wait_until 20 window_drawn "$window" "$border" "$top" $((banner_left + banner_width + 1)) || true
    shot="$shots/win32-window-$percent.png"
    import -window "$window" -crop "${width}x${height}+$border+$top" +repage "$shot"
    check "$percent %: the pixels follow the design at this scale" \
        "$here/check_scaled_window.py" "$shot" "$banner" "$scale" "$layout_rects"

    read -r left top_ right bottom < <(rect Label2 "$scale")
    right=$((left + right - 1))
    bottom=$((top_ + bottom - 1))
    click() { xdotool mousemove --window "$window" $((border + $1)) $((top + $2)) click 1; }
    expected=0
    # Each corner after a click just outside Start, so that no two clicks on
    # it make one burst.
    outsides=("$((left - 1)) $top_" "$((right + 1)) $top_" "$left $((top_ - 1))" "$right $((bottom + 1))")
    for corner in "$left $top_" "$right $top_" "$left $bottom" "$right $bottom"; do
        click $corner
        expected=$((expected + 1))
        check "$percent %: a click at ($corner) on Start starts the client" \
            wait_until 60 clients_at_least "$folder" "$expected"
        click ${outsides[$((expected - 1))]}
    done
    sleep 1.5  # a bounded look for a start that must not come
    check "$percent %: clicks just outside Start start nothing" test "$(clients_started "$folder")" -eq "$expected"
    kill "$starter_pid" 2>/dev/null || true
    end_starter
done

finish
