#!/bin/bash

# SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages Varizez needs to build, run and test, if any
# are missing. Uses sudo when not run as root. Safe to run again.
#
#   scripts/install-deps.sh          everything (build, run and test)
#   scripts/install-deps.sh --run    only what building and running need
set -euo pipefail

# Qt's translation tools build the program's languages; Qt's own
# translations and fonts for Arabic script are what a user in those
# languages needs to run it.
build_packages=(cmake g++ make pkg-config help2man
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev libpng-dev
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    qt6-translations-l10n fonts-noto-core
    libxkbcommon-dev libxkbcommon-x11-dev libxcb1-dev
    libcanberra-dev libcanberra-pulse sound-theme-freedesktop gsettings-desktop-schemas
    libfeedback-dev)
test_packages=(qtbase5-dev qtbase5-dev-tools qttools5-dev qttools5-dev-tools qttranslations5-l10n
    clang libclang-rt-14-dev
    dbus dbus-bin xvfb xauth xdotool x11-utils openbox wmctrl x11-xkb-utils python3-xlib
    sway qt6-wayland phoc grim libglib2.0-bin xdg-desktop-portal xdg-desktop-portal-gtk python3-dbus python3-gi
    desktop-file-utils dpkg-dev file util-linux python3 python3-fusepy fuse3 strace
    syncthing faketime iproute2 pulseaudio feedbackd
    lintian appstream reuse)

packages=("${build_packages[@]}")
if [ "${1:-}" != "--run" ]; then
    packages+=("${test_packages[@]}")
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    echo "install-deps: all packages present"
    exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "install-deps: missing packages (${missing[*]}), and not root and no sudo" >&2
        exit 1
    fi
    as_root=(sudo)
fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
