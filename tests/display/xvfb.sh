# Sourced by the runners: start_xvfb WIDTHxHEIGHT starts Xvfb on a free display, sets
# $runtime (a private folder), $server (its process id) and $xdisplay, and stops everything
# it started, by process id, when the runner exits. $extra_pids may name more to stop.
# start_desktop WIDTHxHEIGHT does the same with openbox managing the windows, as on a
# desktop, and exports DISPLAY.
start_xvfb() {
    runtime=$(mktemp -d)
    chmod 700 "$runtime"
    trap 'kill $extra_pids $server 2>/dev/null; wait $extra_pids $server 2>/dev/null; rm -rf "$runtime"' EXIT
    exec 3>"$runtime/display"
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset >"$runtime/xvfb.log" 2>&1 &
    server=$!
    for _ in $(seq 200); do [ -s "$runtime/display" ] && break; sleep 0.05; done
    [ -s "$runtime/display" ] || { cat "$runtime/xvfb.log"; exit 1; }
    xdisplay=:$(cat "$runtime/display")
}

require_tools() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
}

start_desktop() {
    start_xvfb "$1"
    DISPLAY=$xdisplay
    export DISPLAY
    openbox --config-file /dev/null >"$runtime/openbox.log" 2>&1 &
    extra_pids=$!
    for _ in $(seq 200); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break
        sleep 0.05
    done
}
