#!/bin/sh
# run-with-directory.sh [--enumerate yes|no] [--users N] [--groups N] [--patient] WORK FIXTURE COMMAND...
# Runs COMMAND where the account databases are FIXTURE/passwd and FIXTURE/group followed by an
# OpenLDAP directory of N users and groups, reached through nslcd ("passwd: files ldap"), as on
# an enterprise desktop. slapd and nslcd run in a private mount namespace over WORK, with their
# own sockets; nothing outside sees them, and both are stopped by process id. COMMAND gets
# CORVADQT5_SLAPD_PID to freeze the directory with. nslcd gives up after a second unless
# --patient. Exits 77 (skipped) where slapd, nslcd or private namespaces are missing.
set -eu
enumerate=yes users=2000 groups=200 patient=no
while [ $# -gt 0 ]; do
    case $1 in
    --enumerate) enumerate=$2; shift 2 ;;
    --users) users=$2; shift 2 ;;
    --groups) groups=$2; shift 2 ;;
    --patient) patient=yes; shift ;;
    *) break ;;
    esac
done
[ $# -ge 3 ] || { echo "usage: $0 [--enumerate yes|no] [--users N] [--groups N] [--patient] WORK FIXTURE COMMAND..." >&2; exit 2; }
work=$1 fixture=$2
shift 2
for tool in slapd slapadd nslcd; do
    command -v $tool >/dev/null || [ -x /usr/sbin/$tool ] ||
        { echo "SKIP: $tool is not installed"; exit 77; }
done
[ -e /usr/lib/x86_64-linux-gnu/libnss_ldap.so.2 ] || ls /usr/lib/*/libnss_ldap.so.2 >/dev/null 2>&1 ||
    { echo "SKIP: the ldap NSS module (libnss-ldapd) is not installed"; exit 77; }
if ! unshare -m --propagation private true 2>/dev/null; then
    echo "SKIP: private mount namespaces are not permitted here (needs root)"
    exit 77
fi
export PATH="$PATH:/usr/sbin"

rm -rf "$work"
mkdir -p "$work/db"
socket=$work/ldapi
uri="ldapi://$(printf %s "$socket" | sed 's|/|%2F|g')"
base=dc=corvad,dc=test

# Users duser0.. (uid 20000 + i), groups dgroup0.. (gid 30000 + j), and the entries that
# meet the local files: a name the files have too, an id the files have too.
awk -v users="$users" -v groups="$groups" -v base="$base" 'BEGIN {
    print "dn: " base "\nobjectClass: dcObject\nobjectClass: organization\no: corvad\ndc: corvad\n"
    print "dn: ou=people," base "\nobjectClass: organizationalUnit\nou: people\n"
    print "dn: ou=groups," base "\nobjectClass: organizationalUnit\nou: groups\n"
    for (i = 0; i < users; i++)
        user("duser" i, 20000 + i, 30000 + i % groups, "/home/duser" i)
    user("alice", 21000000, 30000, "/home/directory-alice")
    user("dtwin", 1002, 30000, "/home/dtwin")
    for (j = 0; j < groups; j++)
        group("dgroup" j, 30000 + j, "duser" j)
    group("staff", 31000000, "alice")
    group("dtwin", 1002, "dtwin")
}
function user(name, uid, gid, home) {
    print "dn: uid=" name ",ou=people," base "\nobjectClass: account\nobjectClass: posixAccount"
    print "uid: " name "\ncn: " name "\nuidNumber: " uid "\ngidNumber: " gid
    print "homeDirectory: " home "\nloginShell: /bin/sh\n"
}
function group(name, gid, member) {
    print "dn: cn=" name ",ou=groups," base "\nobjectClass: posixGroup\ncn: " name
    print "gidNumber: " gid "\nmemberUid: " member "\n"
}' >"$work/directory.ldif"

cat >"$work/slapd.conf" <<CONF
include /etc/ldap/schema/core.schema
include /etc/ldap/schema/cosine.schema
include /etc/ldap/schema/nis.schema
modulepath /usr/lib/ldap
moduleload back_mdb
pidfile $work/slapd.pid
sizelimit unlimited
database mdb
suffix "$base"
rootdn "cn=admin,$base"
directory $work/db
maxsize 1073741824
index objectClass,uid,uidNumber,gidNumber,cn,memberUid eq
CONF
slapadd -q -f "$work/slapd.conf" -l "$work/directory.ldif"

limits="timelimit 1
bind_timelimit 1
reconnect_sleeptime 1
reconnect_retrytime 1"
[ "$patient" = yes ] && limits=
disable=yes
[ "$enumerate" = yes ] && disable=no
cat >"$work/nslcd.conf" <<CONF
uri $uri
base $base
ignorecase yes
nss_disable_enumeration $disable
$limits
CONF
printf 'passwd: files ldap\ngroup: files ldap\nshadow: files\n' >"$work/nsswitch.conf"

exec unshare -m --propagation private sh -c '
    work=$1 fixture=$2 uri=$3
    shift 3
    # Only the process of our own slapd is ever signalled: a pid file read while slapd is
    # still writing it could name any process.
    ours() {
        [ -s "$1" ] && tr "\0" " " <"/proc/$(cat "$1")/cmdline" 2>/dev/null | grep -q -e "$2"
    }
    stop() {
        ours "$work/slapd.pid" "$work/slapd.conf" && kill -CONT "$(cat "$work/slapd.pid")" &&
            kill "$(cat "$work/slapd.pid")"
        ours /run/nslcd/nslcd.pid nslcd && kill "$(cat /run/nslcd/nslcd.pid)"
        return 0
    }
    trap stop EXIT
    mount -t tmpfs tmpfs /run && mkdir -p /run/nslcd
    mount --bind "$work/nslcd.conf" /etc/nslcd.conf
    mount --bind "$work/nsswitch.conf" /etc/nsswitch.conf
    mount --bind "$fixture/passwd" /etc/passwd
    mount --bind "$fixture/group" /etc/group
    slapd -f "$work/slapd.conf" -h "$uri"
    nslcd
    for i in $(seq 100); do
        [ -S /run/nslcd/socket ] && ours "$work/slapd.pid" "$work/slapd.conf" && break
        sleep 0.1
    done
    ours "$work/slapd.pid" "$work/slapd.conf" || { echo "slapd did not start"; exit 1; }
    CORVADQT5_SLAPD_PID=$(cat "$work/slapd.pid") "$@"
' sh "$work" "$fixture" "$uri" "$@"
