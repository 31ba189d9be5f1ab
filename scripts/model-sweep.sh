#!/bin/bash

# SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Plays the model test of three sharing devices (tests/model/devices.py) with
# the seeds 1..N, JOBS at a time, against the programs of a build; prints the
# first line of each failing seed and a summary, and keeps every seed's output.
# A failing seed's output lists its steps: saved in a file, they play again
# with tests/model/devices.py PLAYER SEED FILE (the seed does not matter then).
#
#   scripts/model-sweep.sh N [JOBS]   (default: 2 jobs)
#   VARIZEZ_BUILD=DIR                 the build (default: build)
#   VARIZEZ_STEPS=60                  random steps a seed
set -u
[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || exec dbus-run-session -- "$0" "$@"
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${VARIZEZ_BUILD:-$root/build}" && pwd) || exit 1
n=${1:?usage: scripts/model-sweep.sh N [JOBS]} jobs=${2:-2} steps=${VARIZEZ_STEPS:-60}
out=$(mktemp -d /tmp/model-sweep.XXXXXX)

seed() { # each in a private /home, with a runtime folder of its own for the programs' locks
    local run
    run=$(mktemp -d "$out/run.XXXXXX")
    timeout 900 env QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 VARIZEZ_FILE="$build/tools/varizez-file" \
        XDG_RUNTIME_DIR="$run" "$root/tests/support/with-private-home.sh" "$root/tests/model/devices.py" \
        "$build/tests/tst_actions" "$1" "$steps" >"$out/$1.log" 2>&1
    echo "$? $1"
    rm -rf "$run"
}
export -f seed
export root build out steps
seq "$n" | xargs -P "$jobs" -I{} bash -c 'seed {}' | sort -n -k2 >"$out/results"
failed=$(awk '$1 != 0 && $1 != 77 {print $2}' "$out/results" | xargs)
for s in $failed; do grep -m1 '^seed' "$out/$s.log" || echo "seed $s: $(tail -1 "$out/$s.log")"; done
echo "model sweep: $(grep -c '^0 ' "$out/results") passed, $(grep -c '^77 ' "$out/results") skipped," \
    "$(wc -w <<<"$failed") failed of $n seeds${failed:+ (failing: $failed)}; outputs in $out"
[ -z "$failed" ]
