#!/bin/bash
# The real program as a user meets it on a desktop: started with arguments it
# does not know, it shows its window maximized; a phrase is chosen, Start,
# the key L three times, Back; closed through the window manager it ends with
# status 0, and its file holds the count. Runs in a private /home.
set -u
program=$1
fail() { echo "FAIL: $*"; exit 1; }
if ! unshare --mount --propagation private true 2>/dev/null; then
    echo "SKIP: cannot make a private mount namespace for /home (run as root)"
    exit 77
fi
export WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
unshare --mount --propagation private sh -c '
    mount -t tmpfs -o mode=0755 varizez-x11 /home && mkdir /home/user || exit 90
    "$@"
    echo $? >"$WORK/status"
    cp /home/user/varizezCount.bin "$WORK/data" 2>/dev/null' sh \
    "$program" --some-option "two words" -x &
pid=$!

# The first visible window titled exactly $1.
window() {
    for _ in $(seq 150); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.3; }
size() { eval "$(xdotool getwindowgeometry --shell "$1")"; }

main=$(window Varizez) || fail "the main window did not appear"
sleep 0.5
state=$(xprop -id "$main" _NET_WM_STATE)
[[ $state == *MAXIMIZED_VERT* && $state == *MAXIMIZED_HORZ* ]] || fail "not maximized: $state"
# The list's first row sits under the label; Start is in the middle of the
# upper row of buttons at the bottom.
size "$main"
click "$main" 60 66
click "$main" $((WIDTH / 2)) $((HEIGHT - 130))
dialog=$(window Dialog) || fail "Start did not open the counting dialog"
sleep 0.5
xdotool windowfocus --sync "$dialog" 2>/dev/null || xdotool windowfocus "$dialog"
xdotool key --window "$dialog" --delay 100 l l l
sleep 0.3
size "$dialog"
click "$dialog" $((WIDTH * 3 / 4)) $((HEIGHT - 45))
xdotool search --onlyvisible --name '^Dialog$' >/dev/null && fail "Back did not close the dialog"
wmctrl -i -c "$main"

for _ in $(seq 200); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
kill -0 $pid 2>/dev/null && { pkill -P $pid; fail "the program did not end"; }
[ "$(cat "$WORK/status" 2>/dev/null)" = 0 ] || fail "exit status '$(cat "$WORK/status" 2>/dev/null)'"
expected=00000002000000160041006c006c0061006800750041006b006200610072000000030000001800530075006200680061006e006e0041006c006c0061006800000000
actual=$(od -An -tx1 -v "$WORK/data" | tr -d ' \n')
[ "$actual" = "$expected" ] || fail "the file holds $actual"
echo "PASS: maximized, counted three by key, closed with status 0, the file holds the count"
