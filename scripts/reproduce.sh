#!/usr/bin/env bash
# Shows that the packages are reproducible: builds them from two fresh clones
# of HEAD, in folders of different names and one after the other, and
# compares them byte for byte (and with build/packages, when that was built
# from the same commit). Exits non-zero on any difference.
# Usage: scripts/reproduce.sh   (after scripts/setup.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
for program in git python3 convert; do
    command -v "$program" >/dev/null || { echo "$(basename "$0") needs \"$program\": run scripts/setup.sh first." >&2; exit 1; }
done
root=$(pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for clone in "first clone" "second-clone.$RANDOM"; do
    git clone -q "$root" "$work/$clone"
    echo "=== building the packages in $work/$clone ==="
    (cd "$work/$clone" && scripts/package.sh "$work/$clone/out" >"$work/$clone.log" 2>&1) || {
        cat "$work/$clone.log" >&2
        exit 1
    }
done

failures=0
compare() {  # compare A B
    if cmp -s "$1" "$2"; then
        echo "ok: $(basename "$1") is byte-identical"
    else
        echo "FAILED: $(basename "$1") differs between $1 and $2"
        failures=$((failures + 1))
    fi
}
first="$work/first clone/out"
second=$(ls -d "$work"/second-clone.*/out)
for file in SHA256SUMS $(cut -d' ' -f3 "$first/SHA256SUMS"); do
    compare "$first/$file" "$second/$file"
done
if [ -z "$(git status --porcelain --untracked-files=no)" ] && [ -f build/packages/SHA256SUMS ]; then
    compare "$first/SHA256SUMS" build/packages/SHA256SUMS
fi
echo "$failures failed"
[ "$failures" -eq 0 ]
