#!/bin/bash

# SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program on a real Wayland compositor (sway, headless): its window
# carries the application id that names its desktop entry, and a second start
# hands the launcher's activation token to the running copy, which presents
# it to the compositor (xdg-activation) to come to the front. sway will not
# run as root: as root, the test goes on as the user nobody.
set -u
program=$1
fail() { echo "FAIL: $*"; exit 1; }
[ "$(id -u)" != 0 ] || exec setpriv --reuid=65534 --regid=65534 --clear-groups dbus-run-session -- "$0" "$@"
command -v sway >/dev/null || { echo "SKIP: no sway"; exit 77; }
export XDG_RUNTIME_DIR=$(mktemp -d) WAYLAND_DISPLAY=wayland-1 QT_QPA_PLATFORM=wayland
export HOME=$XDG_RUNTIME_DIR
until_true() { for _ in $(seq 300); do "$@" && return 0; sleep 0.1; done; return 1; }
WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman sway -c /dev/null 2>/dev/null & sway=$!
trap 'kill $sway ${first:-} 2>/dev/null; wait; rm -rf "$XDG_RUNTIME_DIR"' EXIT
until_true test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || fail "sway did not start"
WAYLAND_DEBUG=1 "$program" 2>"$HOME/first" & first=$!
until_true grep -q 'set_app_id("org.varizez.Varizez")' "$HOME/first" || fail "no window with the desktop entry's application id"
# (the timeout only stops a second start that hangs, as a second window would)
XDG_ACTIVATION_TOKEN=token-1 timeout 60 "$program" || fail "a second start ended with $?"
until_true grep -q 'activate("token-1", wl_surface' "$HOME/first" || fail "the running copy did not present the token"
echo "PASS: the window has its application id; the running copy presented the token of a second start to come to the front"
