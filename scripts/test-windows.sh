#!/usr/bin/env bash
# The Windows leg: cross-compiles everything that links no Qt (the file layer, the file utilities, the command
# line, the item data) and its GoogleTest tests with MinGW-w64, and runs them under Wine, on the Windows file
# system's own rules. It fails, and says why, when MinGW or Wine is missing or Wine cannot start: it never passes
# by skipping.
set -euo pipefail
cd "$(dirname "$0")/.."

build="build-windows"
jobs=2

fail() {
    echo "test-windows: FAILED: $*" >&2
    exit 1
}

scripts/install-deps.sh windows || fail "could not install the Windows tools (g++-mingw-w64-x86-64-posix wine64 googletest); the Windows leg did not run"

command -v x86_64-w64-mingw32-g++-posix >/dev/null || fail "the MinGW-w64 compiler x86_64-w64-mingw32-g++-posix is missing"
[ -f /usr/src/googletest/CMakeLists.txt ] || fail "GoogleTest's source is missing at /usr/src/googletest"
wine=$(command -v wine64 || true)
[ -n "$wine" ] || wine=/usr/lib/wine/wine64
[ -x "$wine" ] || fail "Wine (wine64) is missing"
wineserver=$(dirname "$wine")/wineserver
[ -x "$wineserver" ] || wineserver=$(command -v wineserver || true)

# Wine keeps its whole Windows installation in a private folder of the build, nothing in the user's home; the
# locale is fixed so that the system's code page (1252) is the same on every machine.
mkdir -p "$build"
export WINEPREFIX="$PWD/$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=C.UTF-8
echo "test-windows: starting Wine in $WINEPREFIX (the first start takes a few seconds)"
# wineboot's own status is not used: a 64-bit-only Wine reports its missing 32-bit half and still works.
timeout 300 "$wine" wineboot --init >"$build/wineboot.log" 2>&1 || true
if ! timeout 120 "$wine" cmd /c echo wine-started 2>>"$build/wineboot.log" | grep -q wine-started; then
    cat "$build/wineboot.log" >&2
    fail "Wine cannot start: $wine could not run cmd.exe in $WINEPREFIX; the Windows leg did not run"
fi

cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Debug -DBRINDLE_WITH_QT=OFF -DBRINDLE_WINE="$wine" >/dev/null
cmake --build "$build" -j"$jobs"

# Each test program also writes GoogleTest's XML report, to prove below that nothing was skipped.
results="$PWD/$build/gtest-results"
rm -rf "$results"
mkdir -p "$results"
# GoogleTest on Windows takes only a Windows path as absolute; Wine names the Linux folder through its Z: drive.
results_windows=$("$wine" winepath -w "$results" 2>/dev/null | tr -d '\r')
[ -n "$results_windows" ] || fail "Wine could not name the folder $results"
export GTEST_OUTPUT="xml:$results_windows\\"

status=0
ctest --test-dir "$build" --output-on-failure --no-tests=error || status=$?
if [ -n "$wineserver" ]; then
    "$wineserver" -w || true
fi
[ "$status" -eq 0 ] || exit "$status"

# Under Wine every test runs but those of behaviour that cannot exist on Windows, which say so: their reason starts
# with "not on Windows:". Any other skip would hide a Windows fault.
reports=("$results"/*.xml)
[ -f "${reports[0]}" ] || fail "the test programs wrote no reports to $results"
skips=$(awk '
    /<testcase / { match($0, /name="[^"]*"/); name = substr($0, RSTART + 6, RLENGTH - 7)
                   match($0, /classname="[^"]*"/); suite = substr($0, RSTART + 11, RLENGTH - 12) }
    /<skipped message=/ { match($0, /message="[^"]*"/); reason = substr($0, RSTART + 9, RLENGTH - 10)
                          sub(/.*&#x0A;/, "", reason); print suite "." name ": " reason }' "${reports[@]}")
if [ -n "$skips" ]; then
    echo "test-windows: skipped, as they cannot exist on Windows:"
    echo "$skips" | sed 's/^/  /'
    if echo "$skips" | grep -v ': not on Windows:' >&2; then
        fail "tests above were skipped under Wine without being impossible on Windows"
    fi
fi
cases=$(awk '/<testcase /{n++} END{print n+0}' "${reports[@]}")
skipped=$(printf '%s' "$skips" | grep -c . || true)
echo "test-windows: $cases test cases of ${#reports[@]} programs ran under Wine: $((cases - skipped)) passed, $skipped skipped as they cannot exist on Windows"
