#!/usr/bin/env bash
# Runs a Windows program under Wine in the build's own prefix.
# Usage: wine-run.sh PREFIX PROGRAM [ARG...]
set -euo pipefail
export WINEPREFIX=$1
# Wine names files in the Unix locale's character set: with no locale at all
# (a fresh machine's bare environment) that is ASCII, and a folder such as
# "Velk Game Ü" cannot be made. A UTF-8 one then, unless one is chosen.
[ -n "${LC_ALL:-}${LC_CTYPE:-}${LANG:-}" ] || export LANG=C.UTF-8
shift
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
exec wine "$@"
