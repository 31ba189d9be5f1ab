#!/bin/bash

# SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program on a phone's screen: phoc (Phosh's compositor, headless)
# with one output of 720 x 1440 pixels at scale 2, so 360 x 720 logical, as
# a Librem 5 or a PinePhone. In every language the program goes through
# its windows and dialogs, and fitcheck.cpp, loaded into it, measures each.
# Then, counting, it is killed: the screen saver that the desktop portal
# asked to stay awake is told it may sleep again.
#
#   fit.sh PROGRAM VARIZEZ-FILE PLUGINS
set -u
program=$(realpath "$1") file=$(realpath "$2") plugins=$(realpath "$3") mode=${4:-}
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "FAIL: $*"; exit 1; }
command -v phoc >/dev/null || { echo "SKIP: no phoc"; exit 77; }
until_true() { for _ in $(seq 1000); do "$@" && return 0; sleep 0.1; done; return 1; }
# Counting in phoc (which runs this script so, in its runtime folder), with
# the desktop portal and its GTK backend on the session bus, and the screen
# saver it reaches; then killed.
if [ "$mode" = --killed ]; then
    log=$HOME/screensaver
    owned() { gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus \
        -m org.freedesktop.DBus.NameHasOwner "$1" | grep -q true; }
    /usr/bin/python3 "$here/../support/screensaver.py" "$log" & witness=$!
    until_true owned org.freedesktop.ScreenSaver
    /usr/libexec/xdg-desktop-portal-gtk -r >/dev/null 2>&1 & gtk=$!
    until_true owned org.freedesktop.impl.portal.desktop.gtk
    XDG_CURRENT_DESKTOP=gnome /usr/libexec/xdg-desktop-portal -r >/dev/null 2>&1 & portal=$!
    until_true sh -c 'gdbus introspect --session -d org.freedesktop.portal.Desktop \
        -o /org/freedesktop/portal/desktop 2>/dev/null | grep -q portal.Inhibit'
    VARIZEZ_FIT_STOP=counting QT_QPA_GENERIC_PLUGINS=varizezfit "$program" & counting=$!
    until_true grep -q '^counting' "$HOME/fit"
    until_true grep -q 'Inhibit by the portal' "$log"
    kill -9 $counting
    until_true grep -q 'UnInhibit' "$log"
    kill $witness $gtk $portal
    exit
fi

export XDG_RUNTIME_DIR=$(mktemp -d) QT_QPA_PLATFORM=wayland QT_PLUGIN_PATH=$plugins
export WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1
chmod 700 "$XDG_RUNTIME_DIR"
cat >"$XDG_RUNTIME_DIR/phoc.ini" <<'INI'
[core]
xwayland=false
[output:HEADLESS-1]
mode=720x1440
scale=2
INI

# A list as a user has it: two phrases in the language's script, the first
# one count short of its target.
home_for() { # LANGUAGE
    export HOME=/home/$1
    mkdir -p "$HOME"
    case $1 in ar* | fa* | ur*) first="سبحان الله" second="الحمد لله" ;;
    *) first=SubhanAllah second=Alhamdulillah ;; esac
    printf 'phrase,count,target\n%s,32,33\n%s,0,\n' "$first" "$second" >"$HOME/list.csv"
    "$file" import "$HOME/list.csv" >/dev/null || fail "cannot import the list"
}

# The program in phoc, walked through by the plugin: its report.
walk() { # LANGUAGE
    home_for "$1"
    LANGUAGE=$1 LANG=$1.UTF-8 VARIZEZ_FIT_REPORT=$HOME/fit \
        QT_QPA_GENERIC_PLUGINS=varizezfit timeout 120 phoc -C "$XDG_RUNTIME_DIR/phoc.ini" -E "$program" \
        >"$HOME/phoc.log" 2>&1
    [ -s "$HOME/fit" ] || fail "$1: the program did not go through its windows: $(tail -3 "$HOME/phoc.log")"
    sed "s/^/$1 /" "$HOME/fit"
}

for language in en_US ar_EG ur_PK fa_IR bn_BD id_ID ms_MY tr_TR fr_FR ru_RU de_DE; do
    walk $language
done | tee "$XDG_RUNTIME_DIR/all"
lines=$(wc -l <"$XDG_RUNTIME_DIR/all")
[ "$lines" -eq $((11 * 7)) ] || fail "$lines windows looked at, not 11 languages of 7"
! grep -v ': fits$' "$XDG_RUNTIME_DIR/all" || fail "a window that does not fit the phone"

# Killed while counting: the portal's request ends with the program, and the
# screen saver is told.
home_for en_US
VARIZEZ_FIT_REPORT=$HOME/fit timeout 120 phoc -C "$XDG_RUNTIME_DIR/phoc.ini" \
    -E "$0 $program $file $plugins --killed" >"$HOME/phoc.log" 2>&1
sed 's/^> /killed while counting: /' "$HOME/screensaver"
grep -q 'Inhibit by the portal' "$HOME/screensaver" && grep -q 'UnInhibit 1 by the portal' "$HOME/screensaver" ||
    fail "the screen is not let go when the program is killed"
echo "PASS: every window and dialog fits 360 x 720 in all 11 languages; killed, the program's inhibition ended"
