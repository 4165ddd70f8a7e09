#!/usr/bin/env bash
# Tries the README's commands as a newcomer does, on a fresh Debian 12
# machine: makes a minimal Debian root with debootstrap (from the package
# source this machine's apt uses), copies a clean clone of HEAD into it and
# runs the commands there with chroot, as root, in an empty environment (a
# login shell's PATH, HOME=/root). Nothing installed on this machine by hand
# can help them. The root is removed afterwards, whatever happened.
# Usage: scripts/fresh-machine.sh [COMMAND...]
#        (as root; default: scripts/demo.sh, then scripts/test.sh)
# FRESH_MACHINE_DIR chooses where the root is made (default /var/tmp).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
commands=("$@")
[ "${#commands[@]}" -gt 0 ] || commands=(scripts/demo.sh scripts/test.sh)

if [ "$(id -u)" -ne 0 ]; then
    echo "fresh-machine.sh makes a Debian root and mounts into it: run it as root." >&2
    exit 2
fi
for program in apt-get git findmnt chroot mount umount; do
    command -v "$program" >/dev/null || { echo "fresh-machine.sh needs \"$program\", which is missing here." >&2; exit 2; }
done
if ! command -v debootstrap >/dev/null; then
    echo "Installing debootstrap"
    apt-get update -q
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q debootstrap
fi

# The Debian archive this machine's apt installs bookworm from.
mirror=$(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 2>/dev/null | awk '$2 == "bookworm" { print $1; exit }')
if [ -z "$mirror" ]; then
    apt-get update -q
    mirror=$(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' | awk '$2 == "bookworm" { print $1; exit }')
fi
[ -n "$mirror" ] || { echo "This machine's apt has no source for Debian 12 (bookworm)." >&2; exit 2; }

root=$(mktemp -d "${FRESH_MACHINE_DIR:-/var/tmp}/velk-fresh.XXXXXX")
chmod 755 "$root"

remove_root() {
    local pid
    # Whatever still runs in the root (a server a test left) holds its mounts.
    for pid in /proc/[0-9]*; do
        [ "$(readlink "$pid/root" 2>/dev/null)" = "$root" ] && kill -KILL "${pid#/proc/}" 2>/dev/null
    done
    sleep 0.2
    umount -R "$root" 2>/dev/null || { sleep 2; umount -R "$root" 2>/dev/null; } || true
    if findmnt -rn -o TARGET | grep -q -F "$root"; then
        echo "Not removing $root: something is still mounted there:" >&2
        findmnt -rn -o TARGET | grep -F "$root" >&2
        return 1
    fi
    # Nothing is mounted there any more; --one-file-system all the same.
    rm -rf --one-file-system "$root"
}
trap 'status=$?; remove_root || status=1; exit $status' EXIT

started=$SECONDS
echo "=== a fresh Debian 12 root in $root (from $mirror) ==="
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.debootstrap.log" 2>&1 || {
    cat "$root.debootstrap.log" >&2
    rm -f "$root.debootstrap.log"
    exit 1
}
rm -f "$root.debootstrap.log"
# The same package sources as this machine, so the same versions.
if compgen -G "/etc/apt/sources.list.d/*.sources" >/dev/null || compgen -G "/etc/apt/sources.list.d/*.list" >/dev/null; then
    rm -f "$root/etc/apt/sources.list"
    cp /etc/apt/sources.list.d/*.sources /etc/apt/sources.list.d/*.list "$root/etc/apt/sources.list.d/" 2>/dev/null || true
fi
if [ -s /etc/apt/sources.list ]; then cp /etc/apt/sources.list "$root/etc/apt/sources.list"; fi
# What the installer writes on a new machine and debootstrap leaves out.
[ -s "$root/etc/hosts" ] || printf '127.0.0.1\tlocalhost\n::1\t\tlocalhost ip6-localhost ip6-loopback\n' >"$root/etc/hosts"
echo "velk-fresh" >"$root/etc/hostname"
echo "debootstrap: $((SECONDS - started)) s"

# The root a mount point of its own (as a machine's root is, so that
# unshare -m can make its mounts private), with the kernel's file systems.
mount --bind "$root" "$root"
mount --make-private "$root"
mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mount -t tmpfs -o mode=1777,nosuid,nodev tmpfs "$root/dev/shm"

# A clean clone, as a newcomer has it.
git clone -q --no-hardlinks "$top" "$root/root/velk"

for command in "${commands[@]}"; do
    echo "=== $command, in the fresh root ==="
    step=$SECONDS
    chroot "$root" /usr/bin/env -i HOME=/root /bin/bash -l -c 'cd ~/velk && exec "$0"' "$command" </dev/null
    echo "$command: passed in $((SECONDS - step)) s"
done
echo "fresh machine: ${#commands[@]} commands passed in $((SECONDS - started)) s"
