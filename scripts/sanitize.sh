#!/usr/bin/env bash
# Builds with the address and undefined-behaviour sanitizers into build-asan/
# and runs every test there.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
BUILD_DIR=build-asan BUILD_TYPE=Debug ./scripts/build.sh -DMARLQUIN_SANITIZE=ON -DMARLQUIN_BENCH=OFF
export QT_QPA_PLATFORM=offscreen
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
# The browser engine inside Qt WebEngine frees some of its own objects with a
# size that differs from the allocated one; that is not our code.
export ASAN_OPTIONS=new_delete_type_mismatch=0
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
ctest --test-dir build-asan --output-on-failure --no-tests=error -j "$(nproc)" -E '^e2e'
# On a real X display the system libraries keep allocations to the end of the
# process that the leak check cannot attribute; the other checks stay on.
ASAN_OPTIONS=$ASAN_OPTIONS:detect_leaks=0 \
    ctest --test-dir build-asan --output-on-failure --no-tests=error -R '^e2e'
