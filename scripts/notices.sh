#!/usr/bin/env bash
# Writes to standard output the third-party notices that a package owes,
# taken from this machine's Debian packages when the package is made.
#  windows:        what the exe links in statically: the mingw-w64 runtime
#                  and winpthreads, and GCC's runtime libraries (libstdc++,
#                  libgcc, libssp), with their copyright and licence texts;
#  linux BINARY:   the shared libraries of the system that BINARY links,
#                  each with its licence; fails on a library it cannot name.
# Usage: scripts/notices.sh windows | scripts/notices.sh linux BINARY
set -euo pipefail

section() {  # section TITLE DEBIAN_PACKAGE
    local copyright=/usr/share/doc/$2/copyright
    [ -f "$copyright" ] || { echo "no copyright file for $2 at $copyright" >&2; exit 1; }
    printf '\n%s\n%s\n\n' "$1" "$(sed 's/./=/g' <<<"$1")"
    printf 'From the Debian package %s (%s):\n\n' "$2" "$copyright"
    cat "$copyright"
}

case ${1:-} in
windows)
    cat <<'TEXT'
Third-party notices for Velk_Loader.exe

Velk_Loader.exe is linked statically with the runtime libraries of the
mingw-w64 toolchain it is built with. Their copyright and licence notices
follow, as their licences ask of binary distributions.
TEXT
    section "mingw-w64 runtime and winpthreads" mingw-w64-x86-64-dev
    section "GCC runtime libraries (libstdc++, libgcc, libssp), under the GCC Runtime Library Exception" \
        gcc-mingw-w64-base
    ;;
linux)
    binary=$2
    cat <<'TEXT'
Third-party notices for Velk_Loader

Velk_Loader contains no third-party code. It runs on these shared libraries
of the system, which are not part of this package: the system installs and
updates them.

TEXT
    readelf -dW "$binary" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' | sort | while read -r library; do
        case $library in
        libQt6*)
            echo "  $library: Qt 6, under the GNU Lesser General Public License version 3" \
                "(LGPL-3.0; see /usr/share/doc/libqt6core6/copyright)"
            ;;
        libstdc++.so.* | libgcc_s.so.*)
            echo "  $library: the GCC runtime, under the GNU General Public License version 3" \
                "with the GCC Runtime Library Exception 3.1 (see /usr/share/doc/libstdc++6/copyright)"
            ;;
        libidn2.so.*)
            echo "  $library: libidn2, under the GNU Lesser General Public License version 3" \
                "or the GNU General Public License version 2, or later (see /usr/share/doc/libidn2-0/copyright)"
            ;;
        libc.so.* | libm.so.* | ld-linux*.so.*)
            echo "  $library: the GNU C Library, under the GNU Lesser General Public License" \
                "version 2.1 or later (see /usr/share/doc/libc6/copyright)"
            ;;
        *)
            echo "no notice is known for $library, which $binary links" >&2
            exit 1
            ;;
        esac
    done
    cat <<'TEXT'

As the LGPL allows, these libraries may be replaced by other versions of
them: the starter uses whichever the system provides.
TEXT
    ;;
*)
    echo "usage: $0 windows | $0 linux BINARY" >&2
    exit 2
    ;;
esac
