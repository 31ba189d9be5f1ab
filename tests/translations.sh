#!/bin/bash

# SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when a translation has an unfinished or empty message, or lacks a
# text that the sources ask for: lupdate brings a copy of each .ts file up to
# date with every source folder, and lrelease must find every message of the
# copy finished.
#   translations.sh LUPDATE LRELEASE SOURCE_DIR
set -u
lupdate=$1 lrelease=$2 root=$3 failed=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for ts in "$root"/translations/*.ts; do
    cp "$ts" "$work/" && ts=$work/${ts##*/}
    "$lupdate" -silent -no-obsolete -locations none -extensions cpp,h \
        "$root"/{app,counter,mainwindow,model,sharing,storage,translations} -ts "$ts"
    said=$("$lrelease" "$ts" -qm "$work/out.qm" 2>&1 | grep -v '^Updating' | tr -s '\n ' ' ')
    echo "${ts##*/}:$said"
    grep -Eq '\([0-9]+ finished and 0 unfinished\)' <<<"$said" && ! grep -q untranslated <<<"$said" ||
        { echo "FAIL: ${ts##*/} has unfinished messages, or lacks texts of the sources"; failed=1; }
done
exit $failed
