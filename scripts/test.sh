#!/usr/bin/env bash
# Builds and runs every test: the format check, the Linux suite, the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the Windows leg under Wine. Any failure, sanitizer report or unformatted file
# fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh build test

leg_started=$SECONDS
leg_done() {
    echo "== $1 took $(((SECONDS - leg_started) / 60)) min $(((SECONDS - leg_started) % 60)) s"
    leg_started=$SECONDS
}

echo "== Format: every source file as .clang-format lays it out"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
leg_done "Format check"

echo "== Linux suite"
cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev
echo "== The sheet as a screen reader finds it (the accessibility bus under a virtual display)"
scripts/check-accessibility.sh build/app/brindlework
leg_done "Linux suite"

echo "== Linux suite under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan
leg_done "Sanitizer suite"

echo "== Windows leg (the whole editor built with MinGW-w64, tested under Wine, packed as a zip)"
scripts/test-windows.sh
leg_done "Windows leg"
