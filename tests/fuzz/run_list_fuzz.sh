#!/bin/bash
# Builds the list-file fuzz target with clang (libFuzzer, ASan, UBSan) and runs
# it for a while.
#
#   tests/fuzz/run_list_fuzz.sh [seconds]     (default 180)
#
# The build goes to build/fuzz, the corpus to build/fuzz-corpus; a crash
# leaves its input in build/fuzz-artifacts/.
set -euo pipefail

REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
SECONDS_TO_RUN=${1:-180}
BUILD=$REPO/build/fuzz
CORPUS=$REPO/build/fuzz-corpus
ARTIFACTS=$REPO/build/fuzz-artifacts

command -v clang++ >/dev/null || { echo "clang++ is needed (Debian: clang, libclang-rt-14-dev)" >&2; exit 2; }
cmake -S "$REPO" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link -DBUILD_FUZZERS=ON -DBUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$BUILD" -j3 --target list_file_fuzz

mkdir -p "$CORPUS" "$ARTIFACTS"
# A few seeds: line ends of every kind, blank entries, a saved list.
printf 'a.example\r\nb.example\r\n\r\n' >"$CORPUS/seed-saved"
printf 'unix.example\nmac.example\rblank\r\n \r\n  \r\n' >"$CORPUS/seed-ends"
printf 'http://x/\r\nwww.EXAMPLE.com:8080\r\n' >"$CORPUS/seed-hosts"

"$BUILD/tests/list_file_fuzz" -max_total_time="$SECONDS_TO_RUN" -max_len=4096 \
    -artifact_prefix="$ARTIFACTS/" "$CORPUS"
