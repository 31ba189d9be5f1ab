#!/bin/bash

# SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds an optimised tree and runs the benchmarks. They print each
# measurement next to a floor measured in the same run, and the ratio.
# Files are written in the current directory's file system.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" --run
build="$root/build-bench"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVARIZEZ_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target varizez_bench startup_probe
cd "$build" && ./bench/varizez_bench
