#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ (or $BUILD_DIR) and
# runs each for the given number of seconds (default 60). The corpus grows in
# build-fuzz/corpus/<target>; crashes land in build-fuzz/findings/<target>.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build_dir=${BUILD_DIR:-build-fuzz}
targets=(profile_fuzz numeric_fuzz)

CC=clang CXX=clang++ cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMARLQUIN_FUZZ=ON -DMARLQUIN_TESTS=OFF -DMARLQUIN_BENCH=OFF
cmake --build "$build_dir" --target "${targets[@]}" --parallel 3

status=0
for target in "${targets[@]}"; do
    corpus="$build_dir/corpus/$target"
    findings="$build_dir/findings/$target"
    mkdir -p "$corpus" "$findings"
    echo "== $target for ${seconds}s"
    # Qt keeps some allocations for the life of the process.
    ASAN_OPTIONS=detect_leaks=0 "$build_dir/fuzz/$target" -max_total_time="$seconds" \
        -artifact_prefix="$findings/" -print_final_stats=1 \
        "$corpus" "fuzz/seeds/$target" || status=1
done
exit $status
