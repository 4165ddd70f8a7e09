#!/usr/bin/env bash
# The real resolver on names that only a private hosts file knows, run in a
# network and mount namespace of the test's own: no name lookup can leave the
# machine, and the machine's own files stay as they are.
# Usage: hosts_namespace_test.sh PATH_TO_velk_resolve_tool
set -euo pipefail
tool=$1
if [ "$(id -u)" -ne 0 ] || ! unshare -mn true 2>/dev/null; then
    echo "needs root and unshare: skipped"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/hosts" <<'HOSTS'
127.0.0.1 localhost
10.1.2.3 alpha.velk.test
10.9.9.9 alpha.velk.test
200.150.10.1 high.velk.test
10.0.0.1 zero.velk.test
10.4.5.6 xn--bcher-kva.velk.test
HOSTS
printf 'hosts: files dns\n' >"$work/nsswitch.conf"
# The only name server is on the namespace's loopback, which is down.
printf 'nameserver 127.0.0.1\noptions timeout:1 attempts:1\n' >"$work/resolv.conf"
long=$(printf 'a%.0s' $(seq 300))

export tool work long
exec timeout 60 unshare -mn bash -euo pipefail -c '
mount --bind "$work/hosts" /etc/hosts
mount --bind "$work/nsswitch.conf" /etc/nsswitch.conf
mount --bind "$work/resolv.conf" /etc/resolv.conf
failures=0
expect() {  # expect NAME ANSWER
    local got
    got=$("$tool" "$1" 2>&1)
    if [ "$got" = "$2" ]; then echo "ok: ${1:0:40} -> \"$2\""; else echo "FAILED: ${1:0:40} -> \"$got\", not \"$2\""; failures=$((failures + 1)); fi
}
expect alpha.velk.test 10.1.2.3
expect high.velk.test 200.150.10.1
expect zero.velk.test 10.0.0.1
expect bücher.velk.test 10.4.5.6
expect 192.168.0.7 192.168.0.7
expect nowhere.velk.test ""
expect "$long" ""
echo "$failures failed"
[ "$failures" -eq 0 ]
'
