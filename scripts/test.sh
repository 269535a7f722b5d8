#!/usr/bin/env bash
# Builds and runs every test: the Linux suite, the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the Windows leg under Wine. Any failure or sanitizer report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh build test
jobs=2

leg_started=$SECONDS
leg_done() {
    echo "== $1 took $(((SECONDS - leg_started) / 60)) min $(((SECONDS - leg_started) % 60)) s"
    leg_started=$SECONDS
}

echo "== Linux suite"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRINDLE_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"
leg_done "Linux suite"

echo "== Linux suite under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRINDLE_SANITIZE=ON -DBRINDLE_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS="abort_on_error=1:detect_leaks=1:strict_string_checks=1" \
    LSAN_OPTIONS="suppressions=$(pwd)/tests/sanitizer-suppressions.txt:print_suppressions=0" \
    UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1" \
    ctest --test-dir build-asan --output-on-failure -j"$jobs"
leg_done "Sanitizer suite"

echo "== Windows leg (the whole editor built with MinGW-w64, tested under Wine, packed as a zip)"
scripts/test-windows.sh
leg_done "Windows leg"
