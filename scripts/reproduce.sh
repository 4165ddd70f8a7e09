#!/usr/bin/env bash
# Shows that the packages are reproducible: builds them from a fresh clone of
# HEAD, in a folder of another name, and compares them byte for byte with
# build/packages (scripts/package.sh --from-tested: the starters the tests
# ran). Where those are not of HEAD (no build/packages, or uncommitted
# changes), a second fresh clone stands in for them. Exits non-zero on any
# difference.
# Usage: scripts/reproduce.sh   (after scripts/setup.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
for program in git python3 convert; do
    command -v "$program" >/dev/null || { echo "$(basename "$0") needs \"$program\": run scripts/setup.sh first." >&2; exit 1; }
done
root=$(pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

clones=("first clone")
reference=build/packages
if [ -n "$(git status --porcelain --untracked-files=no)" ] || ! [ -f "$reference/SHA256SUMS" ]; then
    clones+=("second-clone.$RANDOM")
fi
for clone in "${clones[@]}"; do
    git clone -q "$root" "$work/$clone"
    echo "=== building the packages in $work/$clone ==="
    (cd "$work/$clone" && scripts/package.sh "$work/$clone/out" >"$work/$clone.log" 2>&1) || {
        cat "$work/$clone.log" >&2
        exit 1
    }
done
[ "${#clones[@]}" -eq 2 ] && reference="$work/${clones[1]}/out"

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
for file in SHA256SUMS $(cut -d' ' -f3 "$first/SHA256SUMS"); do
    compare "$first/$file" "$reference/$file"
done
echo "$failures failed"
[ "$failures" -eq 0 ]
