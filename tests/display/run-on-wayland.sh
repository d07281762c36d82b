#!/bin/sh
# run-on-wayland.sh COMMAND...
# Runs COMMAND as a Wayland client of weston (1024 x 768), nested in an Xvfb of its own
# through weston's x11 backend, which gives weston a seat: xdotool on the outer X display
# moves and clicks a real Wayland pointer, and a screenshot of it shows what weston shows.
# COMMAND finds the outer display in CORVADQT5_OUTER_DISPLAY. Everything started is stopped
# by its process id afterwards. Exits 77 (skipped) where a tool is missing.
for tool in Xvfb weston xdotool import; do
    command -v $tool >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

runtime=$(mktemp -d)
chmod 700 "$runtime"
trap 'kill $compositor $server 2>/dev/null; wait $compositor $server 2>/dev/null; rm -rf "$runtime"' EXIT
exec 3>"$runtime/display"
Xvfb -displayfd 3 -screen 0 1100x800x24 -nolisten tcp -noreset >"$runtime/xvfb.log" 2>&1 &
server=$!
for _ in $(seq 200); do [ -s "$runtime/display" ] && break; sleep 0.05; done
[ -s "$runtime/display" ] || { cat "$runtime/xvfb.log"; exit 1; }
outer=:$(cat "$runtime/display")

DISPLAY=$outer XDG_RUNTIME_DIR=$runtime weston --backend=x11-backend.so --socket=wayland-test \
    --width=1024 --height=768 --use-pixman --idle-time=0 >"$runtime/weston.log" 2>&1 &
compositor=$!
for _ in $(seq 200); do [ -S "$runtime/wayland-test" ] && break; sleep 0.05; done
[ -S "$runtime/wayland-test" ] || { cat "$runtime/weston.log"; exit 1; }
sleep 1 # the desktop shell's panel and background
# weston follows the pointer only after it has entered its window: park it outside, beside.
DISPLAY=$outer xdotool mousemove 1090 790

XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland \
    CORVADQT5_OUTER_DISPLAY=$outer "$@"
