#!/usr/bin/env bash
# Builds the fuzz programs with clang into build-fuzz/ and runs each for the given number of
# seconds, one after another, starting from the committed corpus. Prints per target the
# executions, the coverage and the crashes; crash inputs are kept in build-fuzz/crashes/<target>.
# Usage: fuzz/run.sh <seconds> [target...]   (targets: comment_scan wildcard mount_info
#        preview_text mask_file; all when none are named). Exits non-zero when any crashed.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:?usage: fuzz/run.sh <seconds> [target...]}"
shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(comment_scan wildcard mount_info preview_text mask_file)
build="$here/build-fuzz"

# Only fuzzing needs clang; the normal build and CI replay the corpus with g++.
if ! command -v clang++ >/dev/null || ! clang++ -print-file-name=libclang_rt.fuzzer-x86_64.a \
        | grep -q /; then
    echo "fuzzing needs clang and libFuzzer: apt-get install clang libclang-rt-14-dev" >&2
    exit 2
fi

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_CXX_COMPILER=clang++ -DQUILLFEN_FUZZ=ON \
      -DQUILLFEN_BUILD_TESTS=OFF -DQUILLFEN_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"

failed=0
for t in "${targets[@]}"; do
    work="$build/corpus/$t"   # grows while fuzzing; the committed seeds stay as they are
    crashes="$build/crashes/$t"
    log="$build/logs/$t.log"
    rm -rf "$crashes"   # only this run's crashes count
    mkdir -p "$work" "$crashes" "$(dirname "$log")"
    status=0
    ASAN_OPTIONS=abort_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$crashes/" "$work" "$here/fuzz/corpus/$t" >"$log" 2>&1 || status=$?
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1 || true)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2 || true)
    ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | cut -d' ' -f2 || true)
    corpus=$(grep -o 'corp: [0-9]*/[0-9]*[A-Za-z]*' "$log" | tail -1 | cut -d' ' -f2 || true)
    found=$(find "$crashes" -type f | wc -l)
    echo "$t: seconds=$seconds executions=${execs:-?} cov: ${cov:-?} ft: ${ft:-?} corpus=${corpus:-?} crashes=$found exit=$status"
    if [ "$status" -ne 0 ] || [ "$found" -ne 0 ]; then
        failed=1
        grep -m5 -E 'ERROR|check failed|runtime error' "$log" || true
    fi
done
exit "$failed"
