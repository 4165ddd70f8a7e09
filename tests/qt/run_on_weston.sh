#!/usr/bin/env bash
# Runs a Qt test program as a native Wayland client of weston (headless, the
# compositor that holds clients strictly to the xdg-shell protocol and draws
# no window frames, so that Qt draws its own). Skips where weston is missing.
# Usage: run_on_weston.sh PROGRAM [ARG...]
set -euo pipefail
if ! command -v weston >/dev/null; then
    echo "no weston on this machine: skipped"
    exit 77
fi
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
timeout 120 weston --backend=headless-backend.so --socket=velk-test --width=1280 --height=800 --idle-time=0 \
    >"$runtime/weston.log" 2>&1 &
weston=$!
trap 'kill "$weston" 2>/dev/null || true; wait "$weston" 2>/dev/null || true; rm -rf "$runtime"' EXIT
for _ in $(seq 100); do
    [ -S "$runtime/velk-test" ] && break
    sleep 0.1
done
if ! [ -S "$runtime/velk-test" ]; then
    echo "weston did not start here: skipped"
    cat "$runtime/weston.log"
    exit 77
fi
WAYLAND_DISPLAY=velk-test QT_QPA_PLATFORM=wayland "$@" &
program=$!
for _ in $(seq 600); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$program" 2>/dev/null; then
    # Still running after 60 s: say where it waits before ending it.
    echo "$1 did not end within 60 s; its threads:"
    gdb -p "$program" -batch -ex "thread apply all bt" 2>&1 | grep -E '^(Thread|#)' || true
    kill -KILL "$program"
fi
wait "$program"
