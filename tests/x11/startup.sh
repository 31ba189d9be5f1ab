#!/bin/bash
# The real program starts with arbitrary arguments, shows its window
# maximized, and ends with status 0 when the window is closed normally.
set -u
. "$(dirname "$0")/lib.sh"
program=$1
use_work_dir

start_program_with_private_home "$program" --some-option "two words" -x
win=$(wait_for_window Varizez) || fail "the main window did not appear"
sleep 0.5
state=$(xprop -id "$win" _NET_WM_STATE)
echo "$state"
case $state in
*_NET_WM_STATE_MAXIMIZED_VERT*_NET_WM_STATE_MAXIMIZED_HORZ* | *_NET_WM_STATE_MAXIMIZED_HORZ*_NET_WM_STATE_MAXIMIZED_VERT*) ;;
*) fail "the main window is not maximized" ;;
esac

# Close it as a user would, through the window manager.
wmctrl -i -c "$win"
wait_for_program
[ -f "$STATUS_FILE" ] || fail "no exit status recorded"
status=$(cat "$STATUS_FILE")
[ "$status" = 0 ] || fail "exit status $status after a normal close"
[ ! -e "$DATA_COPY" ] || fail "closing wrote the data file"
echo "PASS: started with arguments, shown maximized, closed with status 0"
