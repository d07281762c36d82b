#!/bin/sh
# run-with-accessibility.sh [--client CLIENT] COMMAND...
# Runs COMMAND on a desktop with accessibility on, as a screen reader's user has it: Xvfb and
# openbox (as run-on-x11.sh), a private session bus and the accessibility bus beside it.
# With a CLIENT (a program that listens on the accessibility bus from another process),
# COMMAND starts first and the accessibility bus after it, as Qt 5.15 registers reliably only
# when it sees the bus come; CLIENT's exit status counts and COMMAND is stopped afterwards.
# Without one, the bus starts first and COMMAND's status counts. Exits 77 (skipped) where a
# tool is missing.
client=
if [ "${1:-}" = --client ]; then
    client=$2
    shift 2
fi
. "$(dirname "$0")/xvfb.sh"
launcher=/usr/libexec/at-spi-bus-launcher
require_tools Xvfb openbox xprop xdotool dbus-run-session
[ -x "$launcher" ] || { echo "SKIP: at-spi2-core is not installed"; exit 77; }
start_desktop 800x600
XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export XDG_RUNTIME_DIR QT_QPA_PLATFORM QT_LINUX_ACCESSIBILITY_ALWAYS_ON
# Inside the session: everything started there is stopped by process id before it ends.
dbus-run-session -- sh -s "$launcher" "$client" "$@" <<'SESSION'
launcher=$1 client=$2
shift 2
if [ -n "$client" ]; then
    "$@" & app=$!
    xdotool search --sync --onlyvisible --name . >/dev/null
    $launcher --launch-immediately & bus=$!
    "$client"; status=$?
    kill $app 2>/dev/null; wait $app 2>/dev/null
else
    $launcher --launch-immediately & bus=$!
    sleep 1
    "$@"; status=$?
fi
kill $bus 2>/dev/null; wait $bus 2>/dev/null
exit $status
SESSION
