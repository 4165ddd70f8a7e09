#!/usr/bin/env bash
# Builds the two packages, the Linux tar.gz and the Windows zip, each with
# the starter and a sample config.ini, and checks what they hold.
# Usage: scripts/package.sh   (after scripts/setup.sh)
set -euo pipefail
cd "$(dirname "$0")/.."

expect() {  # expect PACKAGE_LISTING FILE...
    local listing=$1
    shift
    for file in "$@"; do
        if ! grep -q -E "(^|/)$file\$" <<<"$listing"; then
            echo "FAILED: $file is not in the package" >&2
            exit 1
        fi
    done
}

for preset in linux-release mingw-release; do
    cmake --preset "$preset" -DVELK_WARNINGS_AS_ERRORS=ON >/dev/null
    cmake --build --preset "$preset" --target Velk_Loader
    (cd "build/$preset" && cpack -B packages >/dev/null)
done

tgz=$(ls build/linux-release/packages/Velk_Loader-*-linux-*.tar.gz)
zip=$(ls build/mingw-release/packages/Velk_Loader-*-windows-x64.zip)
expect "$(tar -tzf "$tgz")" Velk_Loader config.ini
expect "$(python3 -c 'import sys, zipfile; print("\n".join(zipfile.ZipFile(sys.argv[1]).namelist()))' "$zip")" \
    Velk_Loader.exe config.ini
echo "Packages:"
ls -l "$tgz" "$zip"
