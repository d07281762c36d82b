#!/bin/sh
# run-with-system-accounts.sh DIR COMMAND...
# Runs COMMAND in a private mount namespace in which DIR/passwd, DIR/group and
# DIR/nsswitch.conf (else DIR/../nsswitch.conf) stand over the system's files, so the C
# library reads the fixture. Exits 77 (skipped) where such namespaces are not permitted.
dir=$1
shift
nsswitch=$dir/nsswitch.conf
[ -f "$nsswitch" ] || nsswitch=$dir/../nsswitch.conf
if ! unshare -m --propagation private true 2>/dev/null; then
    echo "SKIP: private mount namespaces are not permitted here (needs root or user namespaces)"
    exit 77
fi
exec unshare -m --propagation private sh -c '
    mount --bind "$0/passwd" /etc/passwd &&
    mount --bind "$0/group" /etc/group &&
    mount --bind "$1" /etc/nsswitch.conf &&
    shift &&
    exec "$@"' "$dir" "$nsswitch" "$@"
