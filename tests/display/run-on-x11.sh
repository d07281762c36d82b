#!/bin/sh
# run-on-x11.sh COMMAND...
# Runs COMMAND on an X display of its own, as on a desktop: Xvfb (one 800 x 600 screen) with
# openbox managing the windows. Both are stopped by their process ids afterwards. Exits 77
# (skipped) where Xvfb or openbox are missing.
. "$(dirname "$0")/xvfb.sh"
require_tools Xvfb openbox xprop
start_xvfb 800x600
DISPLAY=$xdisplay
export DISPLAY
openbox --config-file /dev/null >"$runtime/openbox.log" 2>&1 &
extra_pids=$!
for _ in $(seq 200); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break
    sleep 0.05
done
XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb "$@"
