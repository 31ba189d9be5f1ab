#!/bin/bash

# SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program as a user meets it on a desktop, in a private /home with no
# /home/user: started with arguments it does not know, it shows its window
# maximized, with the class its desktop entry names and its icon; a phrase,
# Start, the key L three times, another key (the dialog minimizes); a second
# start brings the counting dialog back to the front, handing it the
# launcher's tokens, and ends at once with status 0, touching no file; L once
# more, Back; closed through the window manager it ends with status 0, and its
# file holds 4.
# It runs in an X server of its own with a session bus of its own (xvfb-run,
# dbus-run-session), under a small window manager, so that maximized,
# full-screen and minimized windows behave as on a desktop.
set -u
program=$1
fail() { echo "FAIL: $*"; exit 1; }
unshare --mount --propagation private true 2>/dev/null || { echo "SKIP: no private mount namespace (run as root)"; exit 77; }
export WORK=$(mktemp -d) HOME=/home/tester
# Waits up to 30 s for a condition: the suite may load both cores meanwhile.
until_true() { for _ in $(seq 300); do "$@" && return 0; sleep 0.1; done; return 1; }
window() { id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1); [ -n "$id" ]; }
maximized() { s=$(xprop -id "$id" _NET_WM_STATE); [[ $s == *MAXIMIZED_VERT* && $s == *MAXIMIZED_HORZ* ]]; }
active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$id" ]; }
click() { xdotool mousemove --window "$id" "$1" "$2" click 1; sleep 0.3; }

HOME=$WORK openbox & wm=$! # its own files too stay out of the real /home
dbus-monitor "interface='org.freedesktop.Application'" >"$WORK/bus" & monitor=$!
/usr/bin/python3 -c 'from Xlib import X, display # startup notification messages, as a launcher reads them
x = display.Display(); x.screen().root.change_attributes(event_mask=X.PropertyChangeMask); x.sync(); print(flush=True)
while e := x.next_event(): e.type == X.ClientMessage and print(bytes(e.data[1]).decode(), end="", flush=True)' >"$WORK/startup" & launcher=$!
trap 'kill $wm $monitor $launcher $! 2>/dev/null; wait; rm -rf "$WORK"' EXIT
# openbox announces itself before it manages windows: one mapped in between
# would stay unmanaged.
until_true eval 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' && until_true test -s "$WORK/startup" && sleep 1 || fail "no window manager, or no listener"
"$(dirname "$0")/../support/with-private-home.sh" sh -c '
    mkdir /home/tester || exit 90
    "$@"
    echo $? >"$WORK/status"
    cp -r /home "$WORK/home"' sh "$program" --some-option "two words" -x &
first=$!

until_true window Varizez && until_true maximized || fail "no maximized main window"
main=$id
grep -qx "StartupWMClass=$(xprop -id "$main" WM_CLASS | sed 's/.*"\(.*\)"$/\1/')" "${program%/*}"/*.desktop && xprop -id "$main" -len 8 _NET_WM_ICON | grep -q "Icon (256 x 256)" || fail "the window is not matched to its desktop entry (class, icon)"
eval "$(xdotool getwindowgeometry --shell "$main")"
# The first phrase by key: where its row stands depends on the fonts.
click $((WIDTH / 2)) $((HEIGHT / 2))   # the list, below its two rows
xdotool key --delay 100 Down Up    # the second phrase, then the first
click $((WIDTH / 2)) $((HEIGHT - 130)) # Start, in the upper row of buttons
until_true window Dialog && until_true active || fail "Start did not open the counting dialog"
dialog=$id
xdotool key --delay 100 l l l q
until_true eval '! window Dialog' || fail "another key did not minimize the dialog"

# (LeakSanitizer cannot work under strace.) scripts/bench.sh measures how long
# it takes; the timeout here only stops a start that hangs.
ASAN_OPTIONS=detect_leaks=0 XDG_ACTIVATION_TOKEN=token-1 DESKTOP_STARTUP_ID=id-2_TIME0 timeout 60 nsenter --mount --target $first -- strace -f -qq -e trace=%file -o "$WORK/second" "$program" || fail "a second start ended with $?"
grep varizezCount "$WORK/second" && fail "a second start touched the data file"
until_true grep -qz 'activation-token"[^"]*"token-1.*desktop-startup-id"[^"]*"id-2' "$WORK/bus" && until_true grep -qa 'remove: ID="id-2_TIME0"' "$WORK/startup" || fail "the second start did not hand on its tokens, or the launcher's startup notification did not end"
until_true window Dialog && [ "$id" = "$dialog" ] && until_true active || fail "the counting dialog did not come back"
xdotool key l
eval "$(xdotool getwindowgeometry --shell "$dialog")"
click $((WIDTH * 3 / 4)) $((HEIGHT - 45)) # Back
wmctrl -i -c "$main"

until_true eval '! kill -0 $first 2>/dev/null' || fail "the program did not end"
[ "$(cat "$WORK/status")" = 0 ] || fail "exit status $(cat "$WORK/status")"
[ ! -e "$WORK/home/user" ] || fail "the program made /home/user"
[ "$("$VARIZEZ_FILE" export "$WORK/home/tester/.local/share/varizez/varizezCount.bin")" = \
  $'phrase,count\r\nAllahuAkbar,4\r\nSubhannAllah,0\r' ] || fail "the file does not hold the count"
echo "PASS: counted four by key, around a second start that brought the dialog back"
