#!/usr/bin/env bash
# Builds and runs every test: the Linux suite, the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the Windows leg under Wine. Any failure or sanitizer report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh build test
jobs=2

echo "== Linux suite"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRINDLE_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== Linux suite under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRINDLE_SANITIZE=ON -DBRINDLE_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS="abort_on_error=1:detect_leaks=1:strict_string_checks=1" \
    LSAN_OPTIONS="suppressions=$(pwd)/tests/sanitizer-suppressions.txt:print_suppressions=0" \
    UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1" \
    ctest --test-dir build-asan --output-on-failure -j"$jobs"

echo "== Windows leg (MinGW-w64 build, tests under Wine)"
scripts/test-windows.sh
