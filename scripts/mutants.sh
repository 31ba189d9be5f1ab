#!/bin/bash

# SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Measures how many seeded faults the test suite catches. Each fault of
# mutants.txt (next to this script) is applied alone to TREE, the tree is
# rebuilt incrementally and the suite run: a failing suite has caught it.
#
#   scripts/mutants.sh TREE BUILD_DIR [CTEST ARGS...]   (default: -j2)
#   MUTANTS_ONLY="id1 id2" scripts/mutants.sh ...        only those faults
#
# Exits 0 whatever was caught; non-zero only when the runner cannot measure
# (bad arguments, the unmutated tree does not build or its suite fails).
# Build and test logs of each fault go to BUILD_DIR/mutants-logs/.
set -uo pipefail

if [ $# -lt 2 ]; then
    echo "usage: $0 TREE BUILD_DIR [CTEST ARGS...]" >&2
    exit 2
fi
tree=$(cd "$1" && pwd) || exit 2
build=$(mkdir -p "$2" && cd "$2" && pwd) || exit 2
shift 2
ctest_args=("$@")
[ ${#ctest_args[@]} -eq 0 ] && ctest_args=(-j2)
list="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/mutants.txt"
logs="$build/mutants-logs"
# The original of the file under mutation. It lives in the build directory,
# not in /tmp, so that a run killed hard can be repaired by the next one.
backup="$build/mutants-backup"
mkdir -p "$logs"
start=$SECONDS

# Reads mutants.txt and applies one fault. Faults are found by their text in
# the product sources, wherever those live, so the list outlives moves and
# renames; a text found zero or several times is refused.
faults_py='
import os, re, sys
DIRS = ["app", "model", "mainwindow", "counter", "storage", "sharing", "tools/varizez-file"]
ESC = {"n": "\n", "t": "\t", "\\": "\\"}

def unescape(s):
    return re.sub(r"\\([nt\\])", lambda m: ESC[m.group(1)], s)

def faults(path):
    seen = set()
    for n, line in enumerate(open(path, encoding="utf-8"), 1):
        line = line.rstrip("\n")
        if not line.strip() or line.lstrip().startswith("#"):
            continue
        # " |" at the end of the line leaves the replacement empty.
        parts = [p.strip() for p in re.split(r" \|(?: |$)", line)]
        if len(parts) != 4 or not parts[0] or not parts[2] or parts[0] in seen:
            sys.exit("%s:%d: expected a new \"id | what | find | replace\"" % (path, n))
        seen.add(parts[0])
        yield parts

cmd, path = sys.argv[1], sys.argv[2]
if cmd == "list":
    for fid, what, _, _ in faults(path):
        print(fid + "\t" + what)
    sys.exit(0)

# apply LIST ID TREE BACKUP
fid, tree, backup = sys.argv[3:6]
find, repl = next((unescape(f), unescape(r)) for i, _, f, r in faults(path) if i == fid)
hits = []
for d in DIRS:
    for root, _, files in os.walk(os.path.join(tree, d)):
        for name in sorted(files):
            if name.endswith((".cpp", ".h")):
                p = os.path.join(root, name)
                text = open(p, encoding="utf-8", newline="").read()
                hits += [(p, text)] * text.count(find)
if len(hits) != 1:
    print("text found %d times" % len(hits))
    sys.exit(3)
p, text = hits[0]
os.makedirs(backup, exist_ok=True)
with open(os.path.join(backup, "original"), "w", encoding="utf-8", newline="") as f:
    f.write(text)
with open(os.path.join(backup, "path"), "w", encoding="utf-8") as f:
    f.write(p)
with open(p, "w", encoding="utf-8", newline="") as f:
    f.write(text.replace(find, repl))
print(os.path.relpath(p, tree))
'

# Puts the original back. Writing it (rather than copying its old time
# stamp back) gives the file a new time, so the next build recompiles it.
restore() {
    [ -f "$backup/path" ] || return 0
    local file
    file=$(cat "$backup/path")
    cat "$backup/original" >"$file" && rm -f "$backup/path" "$backup/original"
}
trap restore EXIT
trap 'echo "interrupted; original restored" >&2; exit 130' INT TERM
if [ -f "$backup/path" ]; then
    echo "restoring $(cat "$backup/path") left mutated by an earlier run"
    restore || exit 1
fi

build_tree() {
    nice -n 10 cmake --build "$build" -j2 >"$1" 2>&1
}
run_suite() {
    (cd "$build" && dbus-run-session -- ctest --output-on-failure --timeout 300 \
        "${ctest_args[@]}") >"$1" 2>&1
}
# The names of the failed tests, from ctest's summary.
failed_tests() {
    sed -n '/The following tests FAILED/,$p' "$1" | sed -n 's/^[[:space:]]*[0-9]* - \([^ ]*\).*/\1/p' |
        paste -sd ' '
}

faults=$(python3 -c "$faults_py" list "$list") || exit 1
for id in ${MUTANTS_ONLY:-}; do
    cut -f1 <<<"$faults" | grep -qxF -- "$id" || echo "MUTANTS_ONLY: no fault $id in $list" >&2
done

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$tree" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DVARIZEZ_BENCH=OFF \
        >"$logs/configure.log" 2>&1 || { cat "$logs/configure.log"; echo "configure failed"; exit 1; }
fi
echo "building and testing the unmutated tree"
build_tree "$logs/unmutated.build.log" ||
    { tail -30 "$logs/unmutated.build.log"; echo "the unmutated tree does not build; stopping"; exit 1; }
if ! run_suite "$logs/unmutated.test.log"; then
    tail -30 "$logs/unmutated.test.log"
    echo "the unmutated suite fails ($(failed_tests "$logs/unmutated.test.log")); stopping"
    exit 1
fi

caught=() missed=() not_built=() not_applied=()
# The list comes in on descriptor 3: the builds and tests must not read it.
while IFS=$'\t' read -r -u 3 id what; do
    if [ -n "${MUTANTS_ONLY:-}" ] && [[ " $MUTANTS_ONLY " != *" $id "* ]]; then
        continue
    fi
    if ! where=$(python3 -c "$faults_py" apply "$list" "$id" "$tree" "$backup"); then
        result="not applied"; detail=$where; not_applied+=("$id")
    elif ! build_tree "$logs/$id.build.log"; then
        result="not built"; detail=$where; not_built+=("$id")
    elif run_suite "$logs/$id.test.log"; then
        result="missed"; detail=$where; missed+=("$id")
    else
        result="caught"; detail="$where: $(failed_tests "$logs/$id.test.log")"; caught+=("$id")
    fi
    restore || { echo "cannot restore the original of $id" >&2; exit 1; }
    printf '%-12s %-24s %s (%s)\n' "$result" "$id" "$what" "$detail"
done 3<<<"$faults"

total=$((${#caught[@]} + ${#missed[@]} + ${#not_built[@]} + ${#not_applied[@]}))
echo "mutants: ${#caught[@]} caught, ${#missed[@]} missed, ${#not_built[@]} not built," \
    "${#not_applied[@]} not applied of $total"
echo "missed: ${missed[*]:-none}"
[ ${#not_built[@]} -gt 0 ] && echo "not built: ${not_built[*]}"
[ ${#not_applied[@]} -gt 0 ] && echo "not applied: ${not_applied[*]}"
echo "took $(((SECONDS - start) / 60)) min $(((SECONDS - start) % 60)) s"
exit 0
