#!/bin/bash

# SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Regenerates docs/mainwindow.png and docs/counter.png from the real program
# running in a virtual X server, with an empty private /home, so the shots
# show the list a first start makes and nobody's own counts; the shots of a
# target counted to and reached, and of the history of a phrase counted to
# its target day after day, in English and Arabic; and both windows on a
# phone's screen, in English and Arabic.
#
#   scripts/screenshots.sh [BUILD_DIR]     (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
"$root/scripts/install-deps.sh"
if ! command -v import >/dev/null || ! import -version >/dev/null 2>&1; then
    as_root=(); [ "$(id -u)" -ne 0 ] && as_root=(sudo)
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends imagemagick
fi
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j2 --target varizez varizez-file

script=$(mktemp) days=$(mktemp)
trap 'rm -f "$script" "$days"' EXIT
# A days file as the program writes it ("VZDY"): the first phrase counted on
# 40 of the last 60 days, its target of 33 reached on each of the last 12;
# the second now and then.
cat >"$days" <<'DAYS'
import datetime, hashlib, struct, sys
path, first, second = sys.argv[1:]
today = (datetime.date.today() - datetime.date(1970, 1, 1)).days
said = {first: {today - i: 33 + (i * 7) % 20 for i in range(12)}, second: {}}
said[first].update({today - i: (i * 13) % 45 + 1 for i in range(13, 60) if i % 3})
said[second].update({today - i: (i * 5) % 11 + 1 for i in range(0, 60, 4)})
text = lambda t: struct.pack('>I', len(t.encode('utf-16-be'))) + t.encode('utf-16-be')
body = struct.pack('>IIQi', 0x565A4459, 1, 1, len(said))
for phrase in sorted(said, key=lambda t: t.encode('utf-16-be')):
    body += text(phrase) + struct.pack('>i', len(said[phrase]))
    body += b''.join(struct.pack('>ii', day, n) for day, n in sorted(said[phrase].items()))
open(path, 'wb').write(body + hashlib.sha1(body).digest())
DAYS
cat >"$script" <<'SCRIPT'
set -eu
program=$1 docs=$2 private_home=$3 file=$4 days=$5 shots=$6
openbox &
wm=$!
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do sleep 0.1; done
sleep 1 # openbox announces itself before it manages windows
pid=$wm
trap 'kill $pid $wm 2>/dev/null; wait $pid $wm 2>/dev/null || true' EXIT
window() { # by its whole title, which xdotool's patterns cannot match outside ASCII
    for _ in $(seq 100); do
        for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
            [ "$(xdotool getwindowname "$id")" = "$1" ] && return
        done
        sleep 0.1
    done
    echo "screenshots: no $1 window" >&2
    exit 1
}
if [ "$shots" = windows ]; then
# With /home/user there, the program keeps its file in it, as on the handheld.
"$private_home" sh -c 'mkdir /home/user && exec "$@"' sh "$program" &
pid=$! # the program itself: each wrapper replaces itself with the next
window Varizez
sleep 1
import -window "$id" "$docs/mainwindow.png"
eval "$(xdotool getwindowgeometry --shell "$id")"
xdotool mousemove --window "$id" 60 85 click 1                             # the first phrase
sleep 0.3
xdotool mousemove --window "$id" $((WIDTH / 2)) $((HEIGHT - 130)) click 1 # Start
window Dialog
xdotool key --window "$id" --delay 100 l l l
sleep 1
import -window "$id" "$docs/counter.png"
kill $pid; wait $pid 2>/dev/null || true

# Counting to a target, then reaching it: in English, and in Arabic, right to
# left. Each starts afresh on a list of two phrases, the first counted to 31
# with a target of 33.
target() { # LANGUAGE DIALOG-TITLE FIRST SECOND
    LANGUAGE=$1 LANG=$1.UTF-8 "$private_home" sh -c 'mkdir /home/user &&
        printf "phrase,count,target\n%s,31,33\n%s,0,33\n" "$3" "$4" >/home/list.csv &&
        "$2" import /home/list.csv >/dev/null && exec "$1"' sh "$program" "$file" "$3" "$4" &
    pid=$!
    window Varizez
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$id")"
    xdotool mousemove --window "$id" $((WIDTH / 2)) 85 click 1 key Home # the first phrase
    sleep 0.3
    xdotool mousemove --window "$id" $((WIDTH / 2)) $((HEIGHT - 130)) click 1
    window "$2"
    xdotool key --window "$id" l
    sleep 1
    import -window "$id" "$docs/target-progress-${1%%_*}.png"
    xdotool key --window "$id" l
    sleep 1
    import -window "$id" "$docs/target-reached-${1%%_*}.png"
    kill $pid; wait $pid 2>/dev/null || true
}
target en_US Dialog SubhanAllah Alhamdulillah
target ar_EG حوار "سبحان الله" "الحمد لله"
exit
fi

# The history of the first phrase, from the list's context menu.
history() { # LANGUAGE WINDOW-TITLE FIRST SECOND
    LANGUAGE=$1 LANG=$1.UTF-8 "$private_home" sh -c 'mkdir /home/user &&
        printf "phrase,count,target\n%s,40,33\n%s,3,\n" "$3" "$4" >/home/list.csv &&
        "$2" import /home/list.csv >/dev/null &&
        python3 "$5" /home/user/varizezCount.days "$3" "$4" && exec "$1"' \
        sh "$program" "$file" "$3" "$4" "$days" &
    pid=$!
    window Varizez
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$id")"
    xdotool mousemove --window "$id" $((WIDTH / 2)) 85 click 1 key Home # the first phrase
    sleep 0.3
    xdotool key Menu # its menu
    sleep 0.5
    xdotool key Down Down Return # History…
    window "$2"
    sleep 1
    import -window "$id" "$docs/history-${1%%_*}.png"
    kill $pid; wait $pid 2>/dev/null || true
}
history en_US History SubhanAllah Alhamdulillah
history ar_EG السجل "سبحان الله" "الحمد لله"
SCRIPT
# The windows on a desktop's screen; the history on a phone's (360 x 720).
for shots in windows:800x600 history:360x720; do
    xvfb-run -a -s "-noreset -screen 0 ${shots#*:}x24 -nolisten tcp" dbus-run-session -- \
        bash "$script" "$build/app/varizez" "$root/docs" "$root/tests/support/with-private-home.sh" \
        "$build/tools/varizez-file" "$days" "${shots%:*}"
done
# Both windows on a phone's screen (720 x 1440 at scale 2), in English and
# Arabic, walked through by the plugin of the fit test. In sway, headless:
# phoc draws no fullscreen window without a GPU. sway will not run as root:
# as root, as the user nobody, in a private /home.
cmake --build "$build" -j2 --target varizezfit
phone=$(mktemp -d) && chmod 777 "$phone"
cat >"$phone/shoot" <<'PHONE'
set -eu
program=$1 file=$2 plugins=$3 out=$4
as_nobody=()
[ "$(id -u)" != 0 ] || as_nobody=(setpriv --reuid=65534 --regid=65534 --clear-groups)
for language in en_US ar_EG; do
    export HOME=/home/$language
    mkdir -p "$HOME/run" && chmod 700 "$HOME/run"
    case $language in ar*) first="سبحان الله" second="الحمد لله" ;; *) first=SubhanAllah second=Alhamdulillah ;; esac
    printf 'phrase,count,target\n%s,32,33\n%s,0,\n' "$first" "$second" >"$HOME/list.csv"
    "$file" import "$HOME/list.csv" >/dev/null
    printf 'output HEADLESS-1 mode 720x1440 scale 2\nexec sh -c "\"%s\"; swaymsg exit"\n' "$program" >"$HOME/sway"
    [ ${#as_nobody[@]} = 0 ] || chown -R 65534:65534 "$HOME"
    "${as_nobody[@]}" env XDG_RUNTIME_DIR="$HOME/run" LANGUAGE=$language LANG=$language.UTF-8 \
        QT_QPA_PLATFORM=wayland QT_PLUGIN_PATH="$plugins" QT_QPA_GENERIC_PLUGINS=varizezfit \
        VARIZEZ_FIT_REPORT="$HOME/fit" VARIZEZ_FIT_SHOTS="$out/phone-${language%%_*}" \
        WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
        timeout 120 sway -c "$HOME/sway" >"$HOME/log" 2>&1
done
PHONE
"$root/tests/support/with-private-home.sh" bash "$phone/shoot" "$build/app/varizez" \
    "$build/tools/varizez-file" "$build/tests/plugins" "$phone"
cp "$phone"/phone-*.png "$root/docs/" && rm -rf "$phone"
echo "wrote docs/mainwindow.png, docs/counter.png, docs/target-{progress,reached}-{en,ar}.png," \
    "docs/history-{en,ar}.png and docs/phone-{en,ar}-{mainwindow,counter}.png"
