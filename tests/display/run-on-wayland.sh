#!/bin/sh
# run-on-wayland.sh COMMAND...
# Runs COMMAND as a Wayland client of weston (1024 x 768), nested in an Xvfb of its own
# through weston's x11 backend, which gives weston a seat: xdotool on the outer X display
# moves and clicks a real Wayland pointer, and a screenshot of it shows what weston shows.
# COMMAND finds the outer display in CORVADQT5_OUTER_DISPLAY. Everything started is stopped
# by its process id afterwards. Exits 77 (skipped) where a tool is missing.
. "$(dirname "$0")/xvfb.sh"
require_tools Xvfb weston xdotool import
start_xvfb 1100x800
DISPLAY=$xdisplay XDG_RUNTIME_DIR=$runtime weston --backend=x11-backend.so \
    --socket=wayland-test --width=1024 --height=768 --use-pixman --idle-time=0 \
    >"$runtime/weston.log" 2>&1 &
extra_pids=$!
for _ in $(seq 200); do [ -S "$runtime/wayland-test" ] && break; sleep 0.05; done
[ -S "$runtime/wayland-test" ] || { cat "$runtime/weston.log"; exit 1; }
sleep 1 # the desktop shell's panel and background
# weston follows the pointer only after it has entered its window: park it outside, beside.
DISPLAY=$xdisplay xdotool mousemove 1090 790

XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland \
    CORVADQT5_OUTER_DISPLAY=$xdisplay "$@"
