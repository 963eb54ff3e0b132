#!/bin/bash
# Builds the libFuzzer targets with clang (libFuzzer, ASan, UBSan) and runs
# each for a while, one after the other.
#
#   tests/fuzz/run_fuzz.sh [seconds-each] [target...]     (default 180, every target)
#
# The targets are those tests/CMakeLists.txt lists. The build goes to
# build/fuzz, each target's corpus to build/fuzz-corpus/<target> (seeded
# from tests/fuzz/seeds.sh), a crash leaves its input in
# build/fuzz-artifacts/<target>-*. Ends with one line per target and fails
# if any target found a fault.
set -uo pipefail

REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
SECONDS_EACH=${1:-180}
shift $(($# > 0 ? 1 : 0))
BUILD=$REPO/build/fuzz
CORPORA=$REPO/build/fuzz-corpus
ARTIFACTS=$REPO/build/fuzz-artifacts
LOGS=$REPO/build/fuzz-logs

command -v clang++ >/dev/null || { echo "clang++ is needed (Debian: clang, libclang-rt-14-dev)" >&2; exit 2; }
cmake -S "$REPO" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link -DBUILD_FUZZERS=ON -DBUILD_BENCHMARKS=OFF >/dev/null || exit 1

targets=("$@")
[[ ${#targets[@]} -gt 0 ]] || mapfile -t targets <"$BUILD/fuzz-targets.txt"
cmake --build "$BUILD" -j4 --target "${targets[@]}" || exit 1

source "$REPO/tests/fuzz/seeds.sh"
mkdir -p "$ARTIFACTS" "$LOGS"
failed=0
summary=()
for target in "${targets[@]}"; do
    corpus=$CORPORA/$target
    mkdir -p "$corpus"
    seed_corpus "$target" "$corpus"
    log=$LOGS/$target.log
    echo "== $target, ${SECONDS_EACH} s"
    "$BUILD/tests/$target" -max_total_time="$SECONDS_EACH" -max_len=4096 -print_final_stats=1 \
        -artifact_prefix="$ARTIFACTS/$target-" "$corpus" >"$log" 2>&1
    status=$?
    runs=$(awk '/stat::number_of_executed_units/ { print $2 }' "$log")
    if ((status == 0)); then
        summary+=("$target: ${runs:-?} runs, no finding")
    else
        failed=1
        summary+=("$target: FAILED after ${runs:-?} runs (see $log and $ARTIFACTS)")
        grep -E 'ERROR|SUMMARY|runtime error|deadly signal' "$log" | head -n 5 | sed 's/^/    /'
    fi
done
printf '%s\n' "${summary[@]}"
exit "$failed"
