#!/bin/bash
# Runs a test script inside a real X server of its own (Xvfb) with a small
# window manager (openbox), so maximized and full-screen windows behave as on
# a desktop. The script gets DISPLAY set and the program's path as $1.
# Exits 77 (skipped) where the X tools are missing.
set -u

for tool in Xvfb openbox xdotool xprop wmctrl; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done

work=$(mktemp -d)
cleanup() {
    [ -n "${wm_pid:-}" ] && kill "$wm_pid" 2>/dev/null
    [ -n "${x_pid:-}" ] && kill "$x_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Let Xvfb pick a free display and tell us which.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
x_pid=$!
exec 3>&-
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
if [ ! -s "$work/display" ]; then
    echo "Xvfb did not start:"; cat "$work/xvfb.log"
    exit 1
fi
export DISPLAY=":$(head -1 "$work/display")"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

openbox >"$work/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break
    sleep 0.1
done
# openbox announces itself before it is ready to manage windows; a window
# mapped in that gap stays unmanaged and unmapped.
sleep 1
if ! kill -0 "$wm_pid" 2>/dev/null; then
    echo "openbox did not start:"; cat "$work/openbox.log"
    exit 1
fi

bash "$@"
