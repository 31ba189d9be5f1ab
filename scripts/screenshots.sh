#!/bin/bash
# Regenerates docs/mainwindow.png and docs/counter.png from the real program
# running in a virtual X server, with an empty private /home/user.
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
cmake --build "$build" -j2 --target varizez

script=$(mktemp)
trap 'rm -f "$script"' EXIT
cat >"$script" <<'SCRIPT'
set -eu
. "$DOCS_ROOT/tests/x11/lib.sh"
export STATUS_FILE=/dev/null DATA_COPY=/dev/null
start_program_with_private_home "$1"
win=$(wait_for_window Varizez)
sleep 1
import -window "$win" "$DOCS_ROOT/docs/mainwindow.png"
click_at "$win" 60 66
window_size "$win"
click_at "$win" $((WIDTH / 2)) $((HEIGHT - 130))
dialog=$(wait_for_window Dialog)
xdotool windowfocus "$dialog"
xdotool key --window "$dialog" --delay 100 l l l
sleep 1
import -window "$dialog" "$DOCS_ROOT/docs/counter.png"
kill "$PROGRAM_PID" 2>/dev/null || true
pkill -x varizez || true
wait "$PROGRAM_PID" 2>/dev/null || true
SCRIPT
DOCS_ROOT=$root "$root/tests/support/with-x-session.sh" "$script" "$build/app/varizez"
echo "wrote docs/mainwindow.png and docs/counter.png"
