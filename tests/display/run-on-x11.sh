#!/bin/sh
# run-on-x11.sh COMMAND...
# Runs COMMAND on an X display of its own, as on a desktop: Xvfb (one 800 x 600 screen) with
# openbox managing the windows. Both are stopped by their process ids afterwards. Exits 77
# (skipped) where Xvfb or openbox are missing.
. "$(dirname "$0")/xvfb.sh"
require_tools Xvfb openbox xprop
start_desktop 800x600
XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb "$@"
