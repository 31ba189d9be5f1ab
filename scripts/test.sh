#!/bin/bash

# SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, then builds and tests Varizez in three
# configurations: Qt 6, Qt 5.15, and Qt 6 with AddressSanitizer and
# UndefinedBehaviorSanitizer (built with clang, which also builds and runs
# the fuzzers of the phrase file and of the device files), then checks that
# every file states its licence (reuse lint). Ends with one summary line;
# exits non-zero on any failure.
#
#   scripts/test.sh                 all three configurations
#   scripts/test.sh qt6 [qt5 asan]  only those
#   FUZZ_SECONDS=60                 how long each fuzzer runs
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" || exit 1

configs=("$@")
[ ${#configs[@]} -eq 0 ] && configs=(qt6 qt5 asan)
fuzz_seconds=${FUZZ_SECONDS:-60}
passed=0 failed=0 skipped=0
failures=()

count_results() {
    # Reads ctest's JUnit report: one <testcase> per test. A skipped test is
    # printed with its reason; under CI it fails the run, since a skipped
    # test proves nothing.
    local report=$1 name=$2 total fail skip
    total=$(grep -o '<testcase [^>]*>' "$report" | grep -c . || true)
    fail=$(grep -o '<testcase [^>]*>' "$report" | grep -c 'status="fail"' || true)
    skip=$(grep -o '<testcase [^>]*>' "$report" | grep -c 'status="notrun"\|status="disabled"' || true)
    python3 - "$report" <<'PY'
import sys, xml.etree.ElementTree as tree
for case in tree.parse(sys.argv[1]).iter('testcase'):
    if case.get('status') in ('notrun', 'disabled'):
        out = case.findtext('system-out') or ''
        why = next((l for l in out.splitlines() if l.startswith('SKIP')), 'no reason given')
        print(f"SKIPPED: {case.get('name')}: {why}")
PY
    if [ "${CI:-}" = true ] && [ "$skip" -gt 0 ]; then
        fail=$((fail + skip)) skip=0
        failures+=("$name: skipped tests under CI")
    fi
    passed=$((passed + total - fail - skip))
    failed=$((failed + fail))
    skipped=$((skipped + skip))
    [ "$fail" -gt 0 ] && failures+=("$name: $fail failed")
    return 0
}

run_config() {
    local name=$1
    local build="$root/build-ci-$name"
    local args=(-DVARIZEZ_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo)
    case $name in
    qt6) args+=(-DVARIZEZ_QT_MAJOR=6) ;;
    qt5) args+=(-DVARIZEZ_QT_MAJOR=5) ;;
    asan) args+=(-DVARIZEZ_QT_MAJOR=6 -DVARIZEZ_SANITIZE=ON -DVARIZEZ_FUZZ=ON
                 -DCMAKE_CXX_COMPILER=clang++ -DVARIZEZ_BENCH=OFF) ;;
    *) echo "unknown configuration $name"; failed=$((failed + 1)); return ;;
    esac
    echo "=== $name: configure and build"
    if ! cmake -S "$root" -B "$build" "${args[@]}" >"$build.configure.log" 2>&1; then
        cat "$build.configure.log"
        failed=$((failed + 1)); failures+=("$name: configure failed"); return
    fi
    if ! cmake --build "$build" -j2 >"$build.build.log" 2>&1; then
        grep -E 'error|warning' -A3 "$build.build.log" | head -80
        failed=$((failed + 1)); failures+=("$name: build failed"); return
    fi
    echo "=== $name: tests"
    # A private session bus for the D-Bus tests; the X tests start their own
    # X server.
    (cd "$build" && dbus-run-session --config-file="$root/tests/support/session-bus.conf" -- ctest --output-on-failure -j2 --timeout 300 \
        --output-junit "$build/ctest.xml")
    count_results "$build/ctest.xml" "$name"

    if [ "$name" = asan ]; then
        # Each fuzzer from its seeds, copied: what it adds stays out of the
        # tree. A crash, a leak, a sanitizer's report or a broken check fails.
        local fuzzer seeds corpus
        for fuzzer in phrasefile:corpus devicefile:devicefile/corpus; do
            seeds=${fuzzer#*:} fuzzer=${fuzzer%%:*}
            echo "=== $name: fuzzing the $fuzzer reader for ${fuzz_seconds}s"
            corpus="$build/fuzz-$fuzzer"
            mkdir -p "$corpus"
            cp "$root/tests/fuzz/$seeds"/* "$corpus/"
            if (cd "$build" && ASAN_OPTIONS=detect_leaks=1 \
                ./tests/fuzz/${fuzzer}_fuzzer -max_total_time="$fuzz_seconds" -timeout=10 \
                    -rss_limit_mb=2048 -malloc_limit_mb=512 -print_final_stats=1 \
                    -artifact_prefix="$build/fuzz-$fuzzer-" "$corpus" \
                    >"$build/fuzz-$fuzzer.log" 2>&1); then
                echo "$fuzzer: $(grep 'DONE' "$build/fuzz-$fuzzer.log" | tail -1)"
                passed=$((passed + 1))
            else
                tail -40 "$build/fuzz-$fuzzer.log"
                failed=$((failed + 1)); failures+=("$name: the $fuzzer fuzzer found a problem")
            fi
        done
    fi
}

for config in "${configs[@]}"; do
    run_config "$config"
done

echo "=== licence and copyright of every file (reuse lint)"
if lint=$(cd "$root" && reuse lint 2>&1); then
    passed=$((passed + 1))
else
    echo "$lint"
    failed=$((failed + 1)); failures+=("reuse lint: a file without licence or copyright")
fi

echo
for failure in "${failures[@]}"; do
    echo "FAILED: $failure"
done
echo "summary: $passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
