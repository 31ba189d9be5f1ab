#!/bin/bash

# SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds Varizez (Qt 6) and starts it on your
# display. Arguments are passed to the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" --run

build="$root/build-run"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARIZEZ_TESTS=OFF \
    -DVARIZEZ_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target varizez

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    cat >&2 <<MSG
run: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).
Varizez is a desktop program and needs one. Either
  - run this command from a terminal inside your desktop session, or
  - start a virtual one and watch it with a VNC viewer or screenshots:
      Xvfb :99 -screen 0 800x600x24 & openbox --display :99 &
      DISPLAY=:99 $0
The program is built at $build/app/varizez.
MSG
    exit 1
fi
exec "$build/app/varizez" "$@"
