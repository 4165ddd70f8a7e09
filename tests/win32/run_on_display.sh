#!/usr/bin/env bash
# Runs a Windows test program that opens windows: under Wine, in a prefix of
# its own (made once), on a private Xvfb. Exits with the program's status.
# Usage: run_on_display.sh WINEPREFIX PROGRAM [ARG...]
set -euo pipefail
export WINEPREFIX=$1
shift
XVFB_SCREEN=1920x1080x24  # room for the window at 200 %
source "$(dirname "$0")/../../scripts/x11-helpers.sh"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

wineserver -k >/dev/null 2>&1 </dev/null || true
wineserver -w >/dev/null 2>&1 </dev/null || true
start_private_xvfb
trap 'wineserver -k >/dev/null 2>&1 || true; stop_private_xvfb' EXIT
if ! [ -f "$WINEPREFIX/.velk-ready" ]; then
    echo "Making the Wine prefix $WINEPREFIX"
    wineboot -i >/dev/null 2>&1 </dev/null
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
    wineserver -w
    touch "$WINEPREFIX/.velk-ready"
fi
wineserver -p >/dev/null 2>&1 </dev/null
wineboot >/dev/null 2>&1 </dev/null
timeout 120 wine "$@"
