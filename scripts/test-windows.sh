#!/usr/bin/env bash
# The Windows leg. Builds the whole editor and every test program for Windows with MinGW-w64 against Qt for
# Windows (scripts/qt-windows.sh), then, under Wine:
#   1. runs every test program, widget tests with the offscreen platform;
#   2. runs the whole-run tests of the sheet and the bonus dialog again with the real windows platform on a
#      private virtual display;
#   3. drives the real brindlework.exe as a user would (scripts/check-windows-exe.sh);
#   3a. runs the tests of the file layer, the command line, the item files and the two command-line programs again
#      at the code pages 932, 936, 950, 949 and 1251, and drives the real brindlework.exe at 932
#      (scripts/check-windows-code-page.sh);
#   4. packs the zip (scripts/package-windows.sh), unzips it into an empty folder and opens the sample item with
#      it in a fresh Wine prefix, with no Qt anywhere on the path;
#   5. reads back the icon, the version information and the manifest of the programs, as built and as zipped
#      (scripts/check-windows-resources.sh), and finds the licences in the zip.
# It fails, and says why, when a tool is missing or Wine cannot start: it never passes by leaving a part out.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-session.sh

build="$PWD/build-windows"
host="$PWD/build-windows-host"
trap 'wine_stop; display_stop' EXIT

scripts/install-deps.sh build windows || wine_fail "could not install the build and Windows tools"
command -v x86_64-w64-mingw32-g++-posix >/dev/null || wine_fail "the MinGW-w64 compiler is missing"
[ -f /usr/src/googletest/CMakeLists.txt ] || wine_fail "GoogleTest's source is missing at /usr/src/googletest"
qt=$(scripts/qt-windows.sh) || wine_fail "no Qt for Windows"
echo "test-windows: Qt for Windows in $qt"

# A cross build cannot run its own programs: the artwork baker comes from a build for this machine, and so does
# the Linux editor whose saves the Windows editor's must equal.
cmake --preset windows-host >/dev/null
cmake --build --preset windows-host --target sheet_artwork_baker brindlework

# The programs' icon is committed, packed from the baker's pictures: each of its pictures must be what the baker
# paints today, to one level of rounding: the painting's blends round a level differently on another processor
# (the committed icon and the pictures of a baker on another machine, an AMD EPYC, differed so in a few edge pixels).
packed=$(mktemp -d)
icotool -x -o "$packed" cmake/windows/brindlework.ico
pictures=0
for picture in "$packed"/*.png; do
    size=$(identify -format %w "$picture")
    painted="$host/ui/baked_artwork/ProgramIcon$size.png"
    differing=$(compare -metric AE -fuzz 1% "$picture" "$painted" null: 2>&1 || true)
    [ "$differing" = 0 ] ||
        { rm -rf "$packed"; wine_fail "cmake/windows/brindlework.ico is not what the baker paints at $size pixels: run scripts/program-icon.sh $host/ui/baked_artwork cmake/windows/brindlework.ico"; }
    pictures=$((pictures + 1))
done
rm -rf "$packed"
[ "$pictures" = "$(ls "$host"/ui/baked_artwork/ProgramIcon*.png | wc -l)" ] ||
    wine_fail "cmake/windows/brindlework.ico holds $pictures pictures, not one of each size the baker paints: run scripts/program-icon.sh $host/ui/baked_artwork cmake/windows/brindlework.ico"

scripts/windows-configure.sh "$qt" "$wine"
cmake --build --preset windows
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")

# The programs carry what Windows shows of them: the built ones here, the zipped ones below.
check_resources() {
    scripts/check-windows-resources.sh "$1/brindlework.exe" "$version" "Brindlework item editor"
    scripts/check-windows-resources.sh "$2/brindlework-check.exe" "$version" "Brindlework project checker"
    scripts/check-windows-resources.sh "$3/brindlework-table.exe" "$version" "Brindlework item table"
}
check_resources "$build/app" "$build/checker" "$build/table"

# Qt's offscreen platform reads fonts from one folder on Windows: the Linux build's fonts, so text is laid out as
# in the Linux tests. Qt's and MinGW's DLLs are found through WINEPATH.
fonts="$build/fonts"
mkdir -p "$fonts"
ln -sf /usr/share/fonts/truetype/dejavu/*.ttf /usr/share/fonts/truetype/liberation/*.ttf "$fonts/"
# The display comes first: Wine's programs all belong to the session of the first one, and a session started
# without a display draws no window that a later program could use.
display_start
echo "test-windows: starting Wine in $build/wineprefix, display $DISPLAY"
wine_start "$build/wineprefix" "QT_QPA_FONTDIR=$(wine_path "$fonts")"
export WINEPATH="$(wine_path "$qt/bin");$(wine_path /usr/lib/gcc/x86_64-w64-mingw32/12-posix);$(wine_path /usr/x86_64-w64-mingw32/lib)"

# Each test program also writes GoogleTest's XML report, to prove below what ran.
results="$build/gtest-results"
rm -rf "$results" && mkdir -p "$results"
export GTEST_OUTPUT="xml:$(wine_path "$results")\\"
status=0
ctest --preset windows || status=$?
unset GTEST_OUTPUT
[ "$status" -eq 0 ] || exit "$status"

for program in item_sheet_tests bonus_dialog_tests; do
    echo "test-windows: $program with the windows platform on display $DISPLAY"
    "$wine" "$build/tests/ui/$program.exe" -platform windows --gtest_brief=1 ||
        wine_fail "$program failed with the windows platform"
done

scripts/check-windows-exe.sh "$build/app/brindlework.exe" "$host/app/brindlework" "$build/exe-check"
wine_stop

# The users' Windows run at other code pages too: the double-byte Japanese, Chinese and Korean ones, in which the
# second byte of a character can be that of a backslash, and the Cyrillic one. The file layer, the command line,
# the item files and the two command-line programs are tested at each, and the real editor is driven at 932.
wine_make_locales
wine_keep_server
launcher="$build/tests/app/start_with_command_line.exe"
for entry in "${wine_code_pages[@]}"; do
    locale=${entry%%:*} page=${entry#*:}
    ran=$(LC_ALL=$locale "$wine" "$launcher" --code-page | tr -d '\r')
    [ "$ran" = "$page" ] || wine_fail "Wine at the locale $locale runs at code page $ran, not $page"
    for program in base/base_tests itemdata/itemdata_tests checker/checker_tests table/table_tests; do
        log="$build/code-page-$page-${program#*/}.log"
        (cd "$build/tests/${program%/*}" && LC_ALL=$locale "$wine" "./${program#*/}.exe" --gtest_brief=1 >"$log" 2>&1) ||
            { cat "$log" >&2; wine_fail "${program#*/} failed at code page $page"; }
    done
    echo "test-windows: the file layer, the command line, the item files, brindlework-check and brindlework-table pass at code page $page"
done
scripts/check-windows-code-page.sh "$build/app/brindlework.exe" "$launcher" "$build/code-page-check"
wine_stop

zip=$(scripts/package-windows.sh "$build" "$qt")
try="$build/package-try"
rm -rf "$try" "$build/wineprefix-fresh" && mkdir -p "$try/unzipped"
(cd "$try/unzipped" && unzip -q "$zip")
cp -r examples/Quest "$try/Quest"
unset WINEPATH
wine_start "$build/wineprefix-fresh"
exe=$(find "$try/unzipped" -name brindlework.exe)
("$wine" "$exe" "$(wine_path "$try/Quest/RubyRing.ITM")" >"$try/run.log" 2>&1 &)
sheet=
for _ in $(seq 100); do
    sheet=$(xdotool search --onlyvisible --name '^Quorvane - Brindlework' 2>/dev/null | head -n 1 || true)
    [ -z "$sheet" ] || break
    sleep 0.1
done
[ -n "$sheet" ] || wine_fail "the unzipped brindlework.exe did not open the sample item in a fresh Wine"
checker_version=$("$wine" "$(dirname "$exe")/brindlework-check.exe" --version | tr -d '\r')
[ "$checker_version" = "brindlework-check $version" ] ||
    wine_fail "brindlework-check --version says '$checker_version', its resources $version"
table_version=$("$wine" "$(dirname "$exe")/brindlework-table.exe" --version | tr -d '\r')
[ "$table_version" = "brindlework-table $version" ] ||
    wine_fail "brindlework-table --version says '$table_version', its resources $version"
wine_stop
check_resources "$(dirname "$exe")" "$(dirname "$exe")" "$(dirname "$exe")"
zipped=$(unzip -Z1 "$zip")
for file in LICENSE.txt THIRD-PARTY-NOTICES.txt; do
    grep -qx "[^/]*/$file" <<<"$zipped" || wine_fail "the zip holds no $file"
done
echo "test-windows: $(basename "$zip") ($(du -k "$zip" | cut -f1) KiB, $(unzip -Z1 "$zip" | grep -vc '/$') files) opens the sample item unzipped into an empty folder, in a fresh Wine"

# Every test ran, but those of behaviour that cannot exist on Windows, which say so: their reason starts with
# "not on Windows:". Any other skip would hide a Windows fault.
reports=("$results"/*.xml)
[ -f "${reports[0]}" ] || wine_fail "the test programs wrote no reports to $results"
skips=$(awk '
    /<testcase / { match($0, /name="[^"]*"/); name = substr($0, RSTART + 6, RLENGTH - 7)
                   match($0, /classname="[^"]*"/); suite = substr($0, RSTART + 11, RLENGTH - 12) }
    /<skipped message=/ { match($0, /message="[^"]*"/); reason = substr($0, RSTART + 9, RLENGTH - 10)
                          sub(/.*&#x0A;/, "", reason); print suite "." name ": " reason }' "${reports[@]}")
if [ -n "$skips" ]; then
    echo "test-windows: skipped, as they cannot exist on Windows:"
    echo "$skips" | sed 's/^/  /'
    if echo "$skips" | grep -v ': not on Windows:' >&2; then
        wine_fail "tests above were skipped under Wine without being impossible on Windows"
    fi
fi
cases=$(awk '/<testcase /{n++} END{print n+0}' "${reports[@]}")
skipped=$(printf '%s' "$skips" | grep -c . || true)
echo "test-windows: $cases test cases of ${#reports[@]} programs ran under Wine: $((cases - skipped)) passed, $skipped skipped as they cannot exist on Windows"
