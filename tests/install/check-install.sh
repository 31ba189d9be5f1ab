#!/bin/bash

# SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package and checks it as Debian's tools and a user meet
# it: lintian with no errors or warnings, a valid desktop entry and
# software-centre metadata named by the application id, every file in its
# place, the Qt libraries among the dependencies, programs that answer
# --version without a display, and apt able to install it (simulated: the
# test never changes the machine it runs on).
#   check-install.sh BUILD_DIR
set -u
build=$(realpath "$1") id=org.varizez.Varizez
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
for tool in dpkg-shlibdeps lintian desktop-file-validate appstreamcli file; do
    command -v $tool >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

rm -f "$build"/varizez_*.deb
(cd "$build" && cpack -G DEB >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(ls "$build"/varizez_*.deb) && version=$(dpkg-deb -f "$deb" Version) || fail "no package built"
lintian --fail-on error,warning --tag-display-limit 0 "$deb" || fail "lintian has errors or warnings"
dpkg-deb -x "$deb" "$work" && share=$work/usr/share || fail "dpkg-deb"
# Every file the package must hold is read below: the copyright file and
# the changelog by lintian, the others by the checks that follow.
problems=$(desktop-file-validate "$share/applications/$id.desktop" 2>&1) && [ -z "$problems" ] || fail "$problems"
grep -qx "Icon=$id" "$share/applications/$id.desktop" || fail "the desktop entry does not name the icon $id"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" || fail "the metainfo is not valid"
file "$share/icons/hicolor/256x256/apps/$id.png" | grep -q '256 x 256, 8-bit/color RGBA' || fail "the icon"
for page in varizez varizez-file; do
    zgrep -q 'varizezCount\.bin' "$share/man/man1/$page.1.gz" || fail "$page.1 does not say where the data is"
    [ "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$work/usr/bin/$page" --version)" = "$page $version" ] \
        || fail "$page --version without a display"
done
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt[56]widgets libqt[56]dbus libcanberra0 libfeedback libc6; do grep -Eq "$lib" <<<"$depends" || fail "no $lib in $depends"; done
apt-get install -s "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get cannot install the package"; }

echo "PASS: $deb: lintian, desktop entry, metainfo, contents, dependencies"
