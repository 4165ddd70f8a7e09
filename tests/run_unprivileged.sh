#!/usr/bin/env bash
# Runs a test program as an unprivileged user when started as root, so that
# file permissions bind it. The program is copied to a folder that user can
# reach. Usage: run_unprivileged.sh PROGRAM [ARG...]
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then
    exec "$@"
fi
program=$1
shift
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp "$program" "$copy/"
chmod 755 "$copy" "$copy/$(basename "$program")"
chown nobody:nogroup "$copy"
cd "$copy"
TMPDIR=$copy setpriv --reuid=nobody --regid=nogroup --clear-groups "$copy/$(basename "$program")" "$@"
