#!/usr/bin/env bash
# Configures build-windows, the Windows programs built with MinGW-w64 against Qt for Windows, for the Windows leg
# and the benchmark command. The artwork baker must be built first (cmake --preset windows-host).
# Usage: scripts/windows-configure.sh QT_PREFIX WINE [CMAKE_OPTION...]
set -euo pipefail
cd "$(dirname "$0")/.."
qt=$1
wine=$2
shift 2
build=build-windows
# A build folder of the earlier leg without Qt is made anew: its cache would keep that choice and toolchain.
[ ! -f "$build/CMakeCache.txt" ] || grep -q '^QT_CHAINLOAD_TOOLCHAIN_FILE' "$build/CMakeCache.txt" ||
    rm -rf "$build/CMakeCache.txt" "$build/CMakeFiles"
BRINDLE_QT_WINDOWS_PREFIX="$qt" cmake --preset windows -DBRINDLE_WITH_QT=ON -DBRINDLE_WINE="$wine" "$@" >/dev/null
