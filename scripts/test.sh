#!/usr/bin/env bash
# Installs what is missing, builds and runs every test; fails on any failing
# or missing test.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh
export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu
# WebEngine refuses to run its sandbox as root; only the tests switch it off.
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure --no-tests=error -j "$(nproc)"
