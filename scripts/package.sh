#!/usr/bin/env bash
# Builds the two packages, the Linux tar.gz and the Windows zip, each with the
# starter (stripped), a sample config.ini and the third-party notices (the
# tar.gz also the desktop file and its icons),
# reproducibly: the same commit gives the same bytes wherever and whenever it
# is built. The release presets are built for it with the tests off, in
# build/packaging/, so a packager needs no test framework; with
# --from-tested the packages are made from the starters the test suite built
# and ran instead (build/<preset>), so that what ships is what was tested
# (scripts/reproduce.sh shows a build of its own gives the same bytes).
# Writes SHA256SUMS beside the packages and checks the binaries
# (scripts/check-binaries.sh).
# File times are SOURCE_DATE_EPOCH, by default the last commit's time.
# Usage: scripts/package.sh [--from-tested] [OUTPUT_DIR]
#        (default build/packages; after scripts/setup.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
for program in git python3 convert; do
    command -v "$program" >/dev/null || { echo "$(basename "$0") needs \"$program\": run scripts/setup.sh first." >&2; exit 1; }
done
builds=build/packaging
if [ "${1:-}" = --from-tested ]; then
    builds=build
    shift
fi
out=$(mkdir -p "${1:-build/packages}" && cd "${1:-build/packages}" && pwd)
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
version=$(sed -n 's/^project(VelkLoader VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
linux="Velk_Loader-$version-linux-$(uname -m)"
windows="Velk_Loader-$version-windows-x64"

for preset in linux-release mingw-release; do
    if [ "$builds" = build ]; then
        [ -f "build/$preset/CMakeCache.txt" ] || { echo "no tested build in build/$preset: run scripts/test.sh" >&2; exit 1; }
    else
        cmake --preset "$preset" -B "$builds/$preset" -DVELK_BUILD_TESTS=OFF -DVELK_WARNINGS_AS_ERRORS=ON >/dev/null
    fi
    cmake --build "$builds/$preset" --target Velk_Loader
done

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --install "$builds/linux-release" --prefix "$stage/$linux" --strip >/dev/null
cmake --install "$builds/mingw-release" --prefix "$stage/$windows" >/dev/null  # linked stripped
scripts/notices.sh linux "$stage/$linux/Velk_Loader" >"$stage/$linux/THIRD-PARTY-NOTICES.txt"
scripts/notices.sh windows >"$stage/$windows/THIRD-PARTY-NOTICES.txt"
# The icon for the desktop file, at the sizes desktops ask for, scaled from
# the 32 x 32 original pixel for pixel (no time stamp in the files).
for size in 32 64 128 256; do
    mkdir -p "$stage/$linux/icons/hicolor/${size}x$size/apps"
    convert assets/icon.png -filter point -resize "${size}x$size" -define png:exclude-chunks=date,time \
        +set date:create +set date:modify "$stage/$linux/icons/hicolor/${size}x$size/apps/org.vellmark.VelkLoader.png"
done

# Sorted entries, one owner, modes and times fixed, no name or time in the
# gzip header.
rm -f "$out/$linux.tar.gz" "$out/$windows.zip" "$out/SHA256SUMS"
tar -C "$stage" --sort=name --format=gnu --mtime="@$SOURCE_DATE_EPOCH" --owner=0 --group=0 --numeric-owner \
    --mode='u=rwX,go=rX' -cf - "$linux" | gzip -9 -n >"$out/$linux.tar.gz"
python3 - "$stage" "$windows" "$out/$windows.zip" <<'PY'
import os, sys, time, zipfile
stage, top, target = sys.argv[1:]
stamp = time.gmtime(max(int(os.environ["SOURCE_DATE_EPOCH"]), 315532800))[:6]  # zip starts at 1980
with zipfile.ZipFile(target, "w") as archive:
    for folder, subfolders, files in sorted(os.walk(os.path.join(stage, top))):
        subfolders.sort()
        name = os.path.relpath(folder, stage).replace(os.sep, "/") + "/"
        entry = zipfile.ZipInfo(name, stamp)
        entry.external_attr = 0o40755 << 16 | 0x10
        archive.writestr(entry, b"")
        for file in sorted(files):
            entry = zipfile.ZipInfo(name + file, stamp)
            entry.external_attr = 0o100644 << 16
            entry.compress_type = zipfile.ZIP_DEFLATED
            with open(os.path.join(folder, file), "rb") as source:
                archive.writestr(entry, source.read(), compresslevel=9)
PY
(cd "$out" && sha256sum "$linux.tar.gz" "$windows.zip" >SHA256SUMS)

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
expect "$(tar -tzf "$out/$linux.tar.gz")" Velk_Loader config.ini THIRD-PARTY-NOTICES.txt org.vellmark.VelkLoader.desktop \
    icons/hicolor/256x256/apps/org.vellmark.VelkLoader.png
expect "$(python3 -c 'import sys, zipfile; print("\n".join(zipfile.ZipFile(sys.argv[1]).namelist()))' "$out/$windows.zip")" \
    Velk_Loader.exe config.ini THIRD-PARTY-NOTICES.txt
scripts/check-binaries.sh "$out" "$builds/linux-release" "$builds/mingw-release"
echo "Packages in $out:"
cat "$out/SHA256SUMS"
