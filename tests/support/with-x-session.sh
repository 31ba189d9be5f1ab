#!/bin/bash

# SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a test script in an X server of its own (Xvfb) with a window manager
# (openbox) and a session bus of its own, so that maximized, full-screen and
# minimized windows behave as on a desktop and no other test shares the bus.
# The script gets DISPLAY and the arguments. Exits 77 (skipped) where a tool
# is missing.
set -u
for tool in Xvfb openbox xdotool xprop wmctrl dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'kill ${wm:-} $x 2>/dev/null; wait; rm -rf "$work"' EXIT

# Xvfb picks a free display and tells which.
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
x=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start:"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$(head -1 "$work/display")"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
for _ in $(seq 100); do xprop -root >/dev/null 2>&1 && break; sleep 0.1; done # it takes connections

openbox >"$work/openbox.log" 2>&1 &
wm=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break
    sleep 0.1
done
# openbox announces itself before it manages windows; a window mapped in that
# gap would stay unmanaged.
sleep 1
kill -0 "$wm" 2>/dev/null || { echo "openbox did not start:"; cat "$work/openbox.log"; exit 1; }
dbus-run-session -- bash "$@"
