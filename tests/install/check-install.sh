#!/bin/bash
# Installs into a staging directory and checks what lands there; then builds
# the Debian package and checks its contents and derived dependencies.
#   check-install.sh BUILD_DIR
set -u
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null || fail "cmake --install failed"
for f in usr/bin/varizez usr/bin/varizez-file usr/share/applications/org.varizez.Varizez.desktop \
         usr/share/icons/hicolor/256x256/apps/org.varizez.Varizez.png; do
    [ -f "$stage/$f" ] || fail "missing $f"
done
[ -x "$stage/usr/bin/varizez" ] || fail "varizez is not executable"
file "$stage/usr/share/icons/hicolor/256x256/apps/org.varizez.Varizez.png" | grep -q '256 x 256, 8-bit/color RGBA' \
    || fail "the icon is not a 256x256 RGBA PNG"
desktop-file-validate "$stage/usr/share/applications/org.varizez.Varizez.desktop" || fail "desktop entry invalid"
grep -qx 'Name=Varizez' "$stage/usr/share/applications/org.varizez.Varizez.desktop" || fail "Name"
grep -qx 'Icon=org.varizez.Varizez' "$stage/usr/share/applications/org.varizez.Varizez.desktop" || fail "Icon"
grep -qx 'Categories=Utility;' "$stage/usr/share/applications/org.varizez.Varizez.desktop" || fail "Categories"
"$stage/usr/bin/varizez-file" --version | grep -q '^varizez-file ' || fail "installed varizez-file does not run"

if ! command -v dpkg-shlibdeps >/dev/null; then
    echo "SKIP: dpkg-shlibdeps missing, package not built"; exit 77
fi
(cd "$build" && cpack -G DEB >"$stage/cpack.log" 2>&1) || { cat "$stage/cpack.log"; fail "cpack failed"; }
deb=$(ls "$build"/varizez_*.deb | head -1)
[ -f "$deb" ] || fail "no package built"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libqt[56]widgets libqt[56]dbus libc6; do
    echo "$depends" | grep -Eq "$lib" || fail "package does not depend on $lib"
done
dpkg-deb -c "$deb" | grep -q './usr/bin/varizez$' || fail "package lacks /usr/bin/varizez"
dpkg-deb -c "$deb" | grep -q 'applications/org.varizez.Varizez.desktop' || fail "package lacks the desktop entry"
# The derived dependencies resolve against the package archive.
apt-get install -s "$deb" >"$stage/apt.log" 2>&1 || { cat "$stage/apt.log"; fail "apt-get cannot install the package"; }
# In CI, as root, install the package for real, run what runs without a
# display, and remove it again.
if [ "${CI:-}" = true ] && [ "$(id -u)" -eq 0 ]; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb" >"$stage/apt.log" 2>&1 \
        || { cat "$stage/apt.log"; fail "apt-get install of the package failed"; }
    /usr/bin/varizez-file --version | grep -q '^varizez-file ' || fail "installed varizez-file does not run"
    [ -x /usr/bin/varizez ] || fail "package did not install /usr/bin/varizez"
    ldd /usr/bin/varizez | grep -q 'not found' && fail "installed varizez misses libraries"
    DEBIAN_FRONTEND=noninteractive apt-get remove -y -q varizez >/dev/null 2>&1
fi
echo "PASS: installed files, desktop entry and package ($deb)"
