#!/usr/bin/env bash
# Runs every test: the portable core natively, again with ASan and UBSan, the
# cross build's unit tests and Win32 tests under Wine (with the end-to-end
# tests), a check that both platforms ran the same unit cases, the seeded fuzz
# run, and the benchmarks (which only report). Ends with one summary line.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=${K47_JOBS:-2}
passed=0
failed=0
log=$(mktemp -d)

step() { printf '\n=== %s\n' "$*"; }

# Adds the counts of a ctest run's closing line to the totals.
count_ctest() {
    local line total bad
    line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -n 1)
    if [ -z "$line" ]; then
        failed=$((failed + 1))
        return
    fi
    bad=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
    total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$line")
    passed=$((passed + total - bad))
    failed=$((failed + bad))
}

check() { # name, command...
    local name=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
    else
        echo "FAILED: $name"
        failed=$((failed + 1))
    fi
}

suite() { # preset, extra ctest args...
    local preset=$1
    shift
    step "$preset: configure and build"
    if ! cmake --preset "$preset" >"$log/$preset.cfg" 2>&1; then
        cat "$log/$preset.cfg"
        failed=$((failed + 1))
        return 1
    fi
    if ! cmake --build --preset "$preset" -j "$jobs"; then
        failed=$((failed + 1))
        return 1
    fi
    step "$preset: tests"
    ctest --preset "$preset" -j "$jobs" "$@" 2>&1 | tee "$log/$preset.test"
    count_ctest "$log/$preset.test"
}

suite native
suite native-asan
suite mingw --timeout 900

step "the same unit cases natively and under Wine"
# Full case names, sorted: the linkers register the files in different orders.
case_names() {
    tr -d '\r' | awk '/^[^ ]/ { suite = $1 } /^  / { print suite $1 }' | sort
}
same_cases() {
    local native wine
    native=$(build/native/tests/k47_unit_tests --gtest_list_tests | case_names) || return 1
    wine=$(tools/wine/run.sh build/mingw/tests/k47_unit_tests.exe --gtest_list_tests | case_names) ||
        return 1
    if [ "$native" != "$wine" ]; then
        diff <(echo "$native") <(echo "$wine")
        return 1
    fi
    echo "$(wc -l <<<"$native") cases on both"
}
check "same unit cases" same_cases

if [ -x tools/fuzz/run_fuzz.sh ]; then
    step "fuzzing (seeded, short)"
    check "fuzz" tools/fuzz/run_fuzz.sh
fi

step "benchmarks (figures only)"
for bench in build/native/tools/bench/*_bench; do
    [ -x "$bench" ] || continue
    echo "--- $(basename "$bench")"
    "$bench" || echo "(benchmark $(basename "$bench") did not finish)"
done

rm -rf "$log"
echo
echo "total: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
