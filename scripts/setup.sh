#!/usr/bin/env bash
# Installs the Debian packages the build, the demo and the tests need.
# Usage: scripts/setup.sh
set -euo pipefail

packages=(
    # build, benchmarks and packages
    cmake ninja-build g++ qt6-base-dev qt6-base-private-dev libgtest-dev libgmock-dev libbenchmark-dev libxcb1-dev libidn2-dev python3
    # what the scripts call that a minimal Debian lacks: the reproducibility
    # check clones, the namespace tests set up their loopback
    git iproute2
    # where a test that does not end waits
    gdb
    # the fuzzer
    clang libclang-rt-14-dev
    # the Windows build, and Wine to run its tests
    g++-mingw-w64-x86-64-posix googletest wine wine64
    # a private X server and its tools, for the demo and the end-to-end tests
    xvfb xdotool x11-utils x11-xserver-utils x11-xkb-utils imagemagick procps
    # the accessibility bus and a screen reader's API to it
    dbus-daemon at-spi2-core python3-pyatspi
    # Wayland: Qt's platform plugin and two compositors to run the starter on
    qt6-wayland weston sway
    # fonts the window uses
    fonts-dejavu-core
    # the locales whose legacy code pages the tests read settings files in
    locales
)
# The X11 window managers of the desktops players run, a pager's tool to send
# them requests, and the Orca screen reader with speech-dispatcher (which
# speaks through its dummy output where no synthesizer is installed);
# without their desktops' recommends (the tests need these programs only).
desktop_packages=(kwin-x11 kwin-wayland kwin-style-breeze xfwm4 mutter wmctrl orca speech-dispatcher)
# ... and those locales, made from the locales package's definitions.
test_locales=(ru_RU ja_JP)

sudo=
[ "$(id -u)" -eq 0 ] || sudo=sudo

# install [APT_OPTION...] -- PACKAGE...: those not installed yet.
install() {
    local options=() missing=() package
    while [ "$1" != -- ]; do options+=("$1"); shift; done
    shift
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ "${#missing[@]}" -gt 0 ] || return 0
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${options[@]}" "${missing[@]}"
}
install -- "${packages[@]}"
install --no-install-recommends -- "${desktop_packages[@]}"

for locale in "${test_locales[@]}"; do
    if ! locale -a 2>/dev/null | grep -q -x "$locale.utf8"; then
        echo "Making the locale $locale.UTF-8"
        $sudo localedef -i "$locale" -f UTF-8 "$locale.UTF-8"
    fi
done
