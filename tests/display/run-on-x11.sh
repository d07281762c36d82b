#!/bin/sh
# run-on-x11.sh COMMAND...
# Runs COMMAND on an X display of its own, as on a desktop: Xvfb (one 800 x 600 screen) with
# openbox managing the windows. Both are stopped by their process ids afterwards. Exits 77
# (skipped) where Xvfb or openbox are missing.
for tool in Xvfb openbox xprop; do
    command -v $tool >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

runtime=$(mktemp -d)
chmod 700 "$runtime"
trap 'kill $wm $server 2>/dev/null; wait $wm $server 2>/dev/null; rm -rf "$runtime"' EXIT
exec 3>"$runtime/display"
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset >"$runtime/xvfb.log" 2>&1 &
server=$!
for _ in $(seq 200); do [ -s "$runtime/display" ] && break; sleep 0.05; done
[ -s "$runtime/display" ] || { cat "$runtime/xvfb.log"; exit 1; }
DISPLAY=:$(cat "$runtime/display")
export DISPLAY
openbox --config-file /dev/null >"$runtime/openbox.log" 2>&1 &
wm=$!
for _ in $(seq 200); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break
    sleep 0.05
done
XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb "$@"
