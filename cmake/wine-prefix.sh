#!/usr/bin/env bash
# Makes the build's Wine prefix once and keeps a Wine server and Wine's
# background services running for the tests (start), or ends them (stop),
# as every test under Wine does (tests/support/wine-prefix.sh). Started here,
# with their output on /dev/null, those services hold no descriptor of a
# test: otherwise the test runner would wait for them.
# template makes a prefix that the tests copy theirs from (VELK_WINE_TEMPLATE)
# and leaves no server running in it.
# Usage: wine-prefix.sh template|start|stop PREFIX
set -euo pipefail
source "$(dirname "$0")/../tests/support/wine-prefix.sh"
case $1 in
template) use_wine_prefix "$2" </dev/null && end_wine ;;
start) use_wine_prefix "$2" </dev/null ;;
stop) export WINEPREFIX=$2 && end_wine ;;
*)
    echo "usage: $0 template|start|stop PREFIX" >&2
    exit 2
    ;;
esac
