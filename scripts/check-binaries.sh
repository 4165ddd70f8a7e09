#!/usr/bin/env bash
# Checks the packaged starters for what shipped binaries must have, as
# Debian's hardening-check does, and fails if anything is missing:
#  Linux:   PIE, full RELRO (BIND_NOW), a non-executable stack, the stack
#           protector, CET branch targets (endbr64);
#  Windows: ASLR (high entropy) and DEP, no link time stamp, the stack
#           protector and _FORTIFY_SOURCE's run-time checks, at most 400 KB,
#           and nothing imported that Windows 7 lacks;
#  both:    _FORTIFY_SOURCE at its level as the compiler sees it (a real
#           source file preprocessed with the build's own compile command:
#           the binary shows it only where a check could not be proven
#           needless), and the third-party notices in the package.
# Usage: scripts/check-binaries.sh PACKAGES_DIR LINUX_BUILD_DIR MINGW_BUILD_DIR
#        (as scripts/package.sh leaves them)
set -euo pipefail
cd "$(dirname "$0")/.."
packages=$1
linux_build=$2
mingw_build=$3
objdump=x86_64-w64-mingw32-objdump
max_exe_bytes=$((400 * 1000))

failures=0
check() {  # check DESCRIPTION COMMAND...
    local what=$1
    shift
    if "$@" >/dev/null 2>&1; then
        echo "ok: $what"
    else
        echo "FAILED: $what"
        failures=$((failures + 1))
    fi
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tar -xzf "$packages"/Velk_Loader-*-linux-*.tar.gz -C "$work"
python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])' \
    "$(ls "$packages"/Velk_Loader-*-windows-x64.zip)" "$work"
elf=$(ls "$work"/Velk_Loader-*-linux-*/Velk_Loader)
exe=$(ls "$work"/Velk_Loader-*-windows-x64/Velk_Loader.exe)

# --- Linux ---------------------------------------------------------------------
dynamic=$(readelf -dW "$elf")
segments=$(readelf -lW "$elf")
imports=$(readelf --dyn-syms -W "$elf")
check "Linux: position-independent executable" grep -q 'Flags:.*PIE' <<<"$dynamic"
check "Linux: read-only relocations (GNU_RELRO)" grep -q GNU_RELRO <<<"$segments"
check "Linux: immediate binding (BIND_NOW)" grep -q -E 'BIND_NOW|Flags:.* NOW' <<<"$dynamic"
check "Linux: non-executable stack" grep -q -E 'GNU_STACK.* RW  ' <<<"$segments"
check "Linux: stack protector (__stack_chk_fail)" grep -q __stack_chk_fail <<<"$imports"
# Without symbols the functions cannot be told apart; a binary built without
# -fcf-protection has no endbr64 at all (Debian 12's C start files have none,
# which is also why the linker leaves out the GNU property note).
branch_targets=$(objdump -d --no-show-raw-insn "$elf" | grep -c endbr64 || true)
check "Linux: CET branch targets ($branch_targets endbr64)" test "$branch_targets" -ge 50
check "Linux: every source built with -fcf-protection, format-security and no build path" python3 - "$linux_build/compile_commands.json" <<'PY'
import json, sys
needed = ["-fstack-protector-strong", "-fcf-protection", "-Werror=format-security", "-ffile-prefix-map="]
rooms = ("/app/", "/window/", "/launch/", "/settings/", "/resolve/", "/common/")
commands = [c for c in json.load(open(sys.argv[1])) if any(room in c["file"] for room in rooms)]
missing = [(c["file"], n) for c in commands for n in needed if n not in c["command"]]
print(missing)
sys.exit(1 if missing or not commands else 0)
PY

# fortify_level BUILD_DIR MACRO: the level the compiler itself sees, for a
# real source of the starter preprocessed with that build's own command.
fortify_level() {
    python3 - "$1/compile_commands.json" "$2" <<'PY'
import json, re, shlex, subprocess, sys
entry = next(c for c in json.load(open(sys.argv[1])) if c["file"].endswith("/settings/ItemReader.cpp"))
words = shlex.split(entry["command"])
out = words.index("-o")
del words[out:out + 2]
words = [w for w in words if w != "-c"] + ["-E", "-dM", "-o", "-"]
macros = subprocess.run(words, cwd=entry["directory"], check=True, capture_output=True, text=True).stdout
found = re.search(r"^#define " + sys.argv[2] + r" (\d+)$", macros, re.M)
print(found.group(1) if found else "none")
PY
}
linux_fortify=$(fortify_level "$linux_build" __USE_FORTIFY_LEVEL)
check "Linux: _FORTIFY_SOURCE level 3 as the compiler sees it (level $linux_fortify)" test "$linux_fortify" = 3

# --- Windows -------------------------------------------------------------------
header=$($objdump -p "$exe")
size=$(stat -c %s "$exe")
check "Windows: ASLR (DYNAMIC_BASE)" grep -q DYNAMIC_BASE <<<"$header"
check "Windows: high-entropy ASLR (HIGH_ENTROPY_VA)" grep -q HIGH_ENTROPY_VA <<<"$header"
check "Windows: DEP (NX_COMPAT)" grep -q NX_COMPAT <<<"$header"
check "Windows: no link time stamp" grep -q -E 'Time/Date\s+(Thu Jan  1 00:00:00 1970|0+$)' <<<"$header"
check "Windows: stack protector" grep -q -a 'stack smashing detected' "$exe"
check "Windows: _FORTIFY_SOURCE's run-time checks" grep -q -a 'buffer overflow detected' "$exe"
mingw_fortify=$(fortify_level "$mingw_build" __MINGW_FORTIFY_LEVEL)
check "Windows: _FORTIFY_SOURCE level 2 as the compiler sees it (level $mingw_fortify)" test "$mingw_fortify" = 2
check "Windows: at most 400 KB ($size bytes)" test "$size" -le "$max_exe_bytes"
runs_on_windows_7() {
    ! grep -q -E '\s(SetDefaultDllDirectories|AddDllDirectory|GetDpiForWindow|AdjustWindowRectExForDpi)$' <<<"$header"
}
check "Windows: nothing imported that Windows 7 lacks (SetDefaultDllDirectories, ...)" runs_on_windows_7

# --- Notices -------------------------------------------------------------------
linux_notices=$(dirname "$elf")/THIRD-PARTY-NOTICES.txt
windows_notices=$(dirname "$exe")/THIRD-PARTY-NOTICES.txt
check "Linux: the notices name Qt 6 and its LGPL" grep -q 'Qt 6, under the GNU Lesser General Public License version 3' "$linux_notices"
check "Linux: the notices name the C++ runtime" grep -q 'libstdc++.so.6: the GCC runtime' "$linux_notices"
check "Windows: the notices carry mingw-w64's licence" grep -q 'Upstream-Name: mingw-w64' "$windows_notices"
check "Windows: the notices carry winpthreads'" grep -q 'mingw-w64-libraries/winpthreads' "$windows_notices"
check "Windows: the notices carry the GCC Runtime Library Exception" grep -q 'GCC RUNTIME LIBRARY EXCEPTION' "$windows_notices"

echo "$failures failed"
[ "$failures" -eq 0 ]
