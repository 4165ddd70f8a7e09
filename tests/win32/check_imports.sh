#!/usr/bin/env bash
# The Windows starter imports only DLLs that Windows always loads from its
# own folder (KnownDLLs), so nothing planted beside it can be loaded.
# Usage: check_imports.sh OBJDUMP EXECUTABLE
set -euo pipefail
known='^(kernel32|user32|gdi32|ole32|oleaut32|msvcrt|advapi32|shell32|comdlg32)\.dll$'
imports=$("$1" -p "$2" | sed -n 's/^[[:space:]]*DLL Name: //p')
[ -n "$imports" ] || { echo "no imports found in $2"; exit 1; }
status=0
for dll in $imports; do
    if echo "$dll" | tr 'A-Z' 'a-z' | grep -q -E "$known"; then
        echo "ok: $dll"
    else
        echo "FAILED: $dll is not a KnownDLL"
        status=1
    fi
done
exit $status
