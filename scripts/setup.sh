#!/usr/bin/env bash
# Installs the Debian packages the build, the demo and the tests need.
# Usage: scripts/setup.sh
set -euo pipefail

packages=(
    # build, benchmarks and packages
    cmake ninja-build g++ qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev libxcb1-dev python3
    # the fuzzer
    clang libclang-rt-14-dev
    # the Windows build, and Wine to run its tests
    g++-mingw-w64-x86-64-posix googletest wine wine64
    # a private X server and its tools, for the demo and the end-to-end tests
    xvfb xdotool x11-utils imagemagick procps
    # the accessibility bus and a screen reader's API to it
    dbus-daemon at-spi2-core python3-pyatspi
    # fonts the window uses
    fonts-dejavu-core
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ "${#missing[@]}" -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=
[ "$(id -u)" -eq 0 ] || sudo=sudo
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
