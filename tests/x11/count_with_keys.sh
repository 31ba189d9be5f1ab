#!/bin/bash
# As a user would: pick a phrase, Start, press L three times, Back, Exit;
# then the data file holds the new count, and the exit status is 0.
set -u
. "$(dirname "$0")/lib.sh"
program=$1
use_work_dir

start_program_with_private_home "$program"
win=$(wait_for_window Varizez) || fail "the main window did not appear"
sleep 0.5
window_size "$win"

# The list starts under the label near the top; its first row is
# "AllahuAkbar". The buttons fill the bottom: Add/Start/Remove above
# Exit/More Apps!/About.
click_at "$win" 60 66
click_at "$win" $((WIDTH / 2)) $((HEIGHT - 130))
dialog=$(wait_for_window Dialog) || fail "Start did not open the counting dialog"
sleep 0.5
xdotool windowfocus --sync "$dialog" 2>/dev/null || xdotool windowfocus "$dialog"
xdotool key --window "$dialog" --delay 100 l l l
sleep 0.3
window_size "$dialog"
click_at "$dialog" $((WIDTH * 3 / 4)) $((HEIGHT - 45))
sleep 0.3
xdotool search --onlyvisible --name '^Dialog$' >/dev/null && fail "Back did not close the dialog"
window_size "$win"
click_at "$win" 60 $((HEIGHT - 49))
wait_for_program

status=$(cat "$STATUS_FILE" 2>/dev/null)
[ "$status" = 0 ] || fail "exit status '$status' after Exit"
expected=00000002000000160041006c006c0061006800750041006b006200610072000000030000001800530075006200680061006e006e0041006c006c0061006800000000
actual=$(od -An -tx1 -v "$DATA_COPY" | tr -d ' \n')
[ "$actual" = "$expected" ] || fail "data file is $actual, expected $expected"
echo "PASS: counted three by key and saved; Exit gave status 0"
