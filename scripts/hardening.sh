#!/bin/bash
# Sanitizers, fuzzing and a leak check over the behaviour:
#   1. builds the behaviour and the headless tests with AddressSanitizer and
#      UndefinedBehaviorSanitizer (clang, no Qt program) and runs the tests: any sanitizer
#      report ends the run with an error;
#   2. builds the libFuzzer targets of fuzz/ and runs each for TIKANDA_FUZZ_SECONDS (30)
#      on a copy of its seed corpus fuzz/corpus/<target>/, one per core at a time;
#   3. runs the uninstrumented headless tests under valgrind: no memory errors, no
#      definite leaks.
# Exits non-zero when any step fails. Takes three to five minutes on two cores, half of it
# the build.
#
# Folders: build-asan/ (sanitizers and fuzzers; TIKANDA_HARDENING_DIR), and for valgrind
# the normal build (TIKANDA_BUILD_DIR, default build/) when it is configured, else
# build-valgrind/ (TIKANDA_VALGRIND_DIR). Crashing fuzz inputs are kept in
# build-asan/fuzz-runs/<target>/ as crash-*, leak-*, timeout-* files.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
san_build=${TIKANDA_HARDENING_DIR:-$root/build-asan}
main_build=${TIKANDA_BUILD_DIR:-$root/build}
vg_build=${TIKANDA_VALGRIND_DIR:-$root/build-valgrind}
fuzz_seconds=${TIKANDA_FUZZ_SECONDS:-30}
jobs=$(nproc)

say() { printf '\n== hardening: %s\n' "$*"; }
failures=()
fail() {
    printf 'hardening: FAILED: %s\n' "$*" >&2
    failures+=("$*")
}

for tool in clang++ valgrind; do
    command -v "$tool" >/dev/null || { echo "hardening: $tool is not installed" >&2; exit 1; }
done

# Any sanitizer report stops the process with an error exit code.
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=0:detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1:check_initialization_order=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# The tests never touch the user's settings or run state.
XDG_CONFIG_HOME=$(mktemp -d)
XDG_STATE_HOME=$(mktemp -d)
export XDG_CONFIG_HOME XDG_STATE_HOME
trap 'rm -rf "$XDG_CONFIG_HOME" "$XDG_STATE_HOME"' EXIT

# ---- 1. Sanitizers ----
say "sanitizer build in $san_build"
start=$SECONDS
cmake -S "$root" -B "$san_build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
    -DTIKANDA_BUILD_UI=OFF -DTIKANDA_SANITIZE=ON -DTIKANDA_FUZZ=ON >/dev/null
cmake --build "$san_build" --target tikanda_tests fuzzers -j"$jobs"
echo "hardening: built in $((SECONDS - start)) s"

say "headless tests under ASan and UBSan"
start=$SECONDS
if "$san_build/tests/tikanda_tests" --gtest_brief=1 >"$san_build/sanitized-tests.log" 2>&1; then
    tail -n 3 "$san_build/sanitized-tests.log"
else
    cat "$san_build/sanitized-tests.log" >&2
    fail "headless tests under the sanitizers"
fi
echo "hardening: sanitized tests took $((SECONDS - start)) s"

# ---- 2. Fuzzing ----
say "fuzzing, ${fuzz_seconds} s per target"
runs=$san_build/fuzz-runs
rm -rf "$runs"
mkdir -p "$runs"
fuzz_one() {
    local name=$1 dir=$runs/$1
    mkdir -p "$dir/corpus"
    cp -r "$root/fuzz/corpus/$name/." "$dir/corpus/"
    "$san_build/fuzz/fuzz_$name" -max_total_time="$fuzz_seconds" -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$dir/" "$dir/corpus" >"$dir/log" 2>&1
}
targets=()
for src in "$root"/fuzz/*.cpp; do
    targets+=("$(basename "$src" .cpp)")
done
declare -A fuzz_pid
running=()
for name in "${targets[@]}"; do
    [ -d "$root/fuzz/corpus/$name" ] || fail "fuzz target $name has no seed corpus"
    # At most $jobs fuzzers at once.
    while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do
        sleep 1
    done
    fuzz_one "$name" &
    fuzz_pid[$name]=$!
done
printf '%-18s %12s %8s %10s  %s\n' target executions seconds corpus result
for name in "${targets[@]}"; do
    result=ok
    wait "${fuzz_pid[$name]}" || result=FAILED
    log=$runs/$name/log
    execs=$(awk '/^stat::number_of_executed_units:/ {print $2}' "$log")
    secs=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log")
    corpus=$(find "$runs/$name/corpus" -type f | wc -l)
    printf '%-18s %12s %8s %10s  %s\n' "$name" "${execs:-?}" "${secs:-?}" "$corpus" "$result"
    if [ "$result" != ok ]; then
        grep -E 'ERROR|check failed|runtime error|SUMMARY|Test unit written' "$log" >&2 || tail -n 30 "$log" >&2
        fail "fuzz target $name (log: $log)"
    fi
done

# ---- 3. Valgrind ----
if [ -f "$main_build/CMakeCache.txt" ]; then
    vg_build=$main_build
else
    cmake -S "$root" -B "$vg_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DTIKANDA_BUILD_UI=OFF >/dev/null
fi
say "headless tests under valgrind ($vg_build)"
start=$SECONDS
cmake --build "$vg_build" --target tikanda_tests -j"$jobs"
if valgrind --quiet --suppressions="$root/scripts/lib/valgrind.supp" --leak-check=full --show-leak-kinds=definite --errors-for-leak-kinds=definite \
    --error-exitcode=1 "$vg_build/tests/tikanda_tests" --gtest_brief=1 \
    >"$san_build/valgrind-tests.log" 2>&1; then
    tail -n 3 "$san_build/valgrind-tests.log"
else
    cat "$san_build/valgrind-tests.log" >&2
    fail "headless tests under valgrind"
fi
echo "hardening: valgrind took $((SECONDS - start)) s"

if [ ${#failures[@]} -ne 0 ]; then
    printf '\nhardening: %d failure(s):\n' "${#failures[@]}" >&2
    printf '  %s\n' "${failures[@]}" >&2
    exit 1
fi
printf '\nhardening: all passed\n'
