#!/usr/bin/env bash
# Makes the build's Wine prefix once and keeps a Wine server and Wine's
# background services running for the tests (start), or ends them (stop).
# Started here, with their output on /dev/null, those services hold no
# descriptor of a test: otherwise the test runner would wait for them.
# Usage: wine-prefix.sh start|stop PREFIX
set -euo pipefail
# Wine names files in the Unix locale's character set: with no locale at all
# (a fresh machine's bare environment) that is ASCII, and a folder such as
# "Velk Game Ü" cannot be made. A UTF-8 one then, unless one is chosen.
[ -n "${LC_ALL:-}${LC_CTYPE:-}${LANG:-}" ] || export LANG=C.UTF-8
export WINEPREFIX=$2 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
case $1 in
start)
    # A server left running by an earlier, interrupted run would refuse us.
    wineserver -k >/dev/null 2>&1 </dev/null || true
    wineserver -w >/dev/null 2>&1 </dev/null || true
    if ! [ -f "$WINEPREFIX/system.reg" ]; then
        echo "Making the Wine prefix $WINEPREFIX"
        wineboot -i >/dev/null 2>&1 </dev/null
        wineserver -w
    fi
    log="$WINEPREFIX.log"
    if ! wineserver -p >"$log" 2>&1 </dev/null || ! wineboot >>"$log" 2>&1 </dev/null; then
        cat "$log" >&2
        exit 1
    fi
    ;;
stop)
    wineserver -k >/dev/null 2>&1 </dev/null || true
    wineserver -w >/dev/null 2>&1 </dev/null || true
    ;;
*)
    echo "usage: $0 start|stop PREFIX" >&2
    exit 2
    ;;
esac
