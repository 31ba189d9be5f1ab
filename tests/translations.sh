#!/bin/bash

# SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when a translation has an unfinished or empty message, or lacks a
# text that the sources ask for: lrelease on each .ts file, then again after
# lupdate has brought a copy of it up to date with every source folder.
#   translations.sh LUPDATE LRELEASE SOURCE_DIR
set -u
lupdate=$1 lrelease=$2 root=$3 failed=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
whole() { # the .ts file, and what to call it
    local said
    said=$("$lrelease" "$1" -qm "$work/out.qm" 2>&1 | grep -v '^Updating' | sed 's/^ *//')
    echo "$2: ${said//$'\n'/ }"
    grep -Eq '\([0-9]+ finished and 0 unfinished\)' <<<"$said" && ! grep -q untranslated <<<"$said"
}
for ts in "$root"/translations/*.ts; do
    name=$(basename "$ts")
    whole "$ts" "$name" || { echo "FAIL: $name has unfinished messages"; failed=1; }
    cp "$ts" "$work/$name"
    "$lupdate" -silent -no-obsolete -locations none -extensions cpp,h \
        "$root"/{app,counter,mainwindow,model,storage,translations} -ts "$work/$name"
    whole "$work/$name" "$name after lupdate" || { echo "FAIL: $name lacks texts of the sources"; failed=1; }
done
exit $failed
