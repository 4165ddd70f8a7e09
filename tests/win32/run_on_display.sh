#!/usr/bin/env bash
# Runs a Windows test program that opens windows: under Wine, in a prefix of
# its own (made once), on a private Xvfb. Exits with the program's status.
# Usage: run_on_display.sh WINEPREFIX PROGRAM [ARG...]
set -euo pipefail
prefix=$1
shift
XVFB_SCREEN=1920x1080x24  # room for the window at 200 %
source "$(dirname "$0")/../../scripts/x11-helpers.sh"
source "$(dirname "$0")/../support/wine-prefix.sh"
start_private_xvfb
trap 'end_wine; stop_private_xvfb' EXIT
use_wine_prefix "$prefix"
timeout 120 wine "$@"
