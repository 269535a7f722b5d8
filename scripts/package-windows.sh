#!/usr/bin/env bash
# Packs the Windows build into brindlework-<version>-windows-x64.zip: the programs, the Qt DLLs and the MinGW
# runtime DLLs they load (found from their imports), the windows platform and style plugins, a README.txt, and
# the licences: LICENSE.txt, THIRD-PARTY-NOTICES.txt and the licence texts it names, in licenses/.
# Everything is stripped of debug symbols. Nothing else goes in.
# Usage: scripts/package-windows.sh WINDOWS_BUILD QT_PREFIX   -> WINDOWS_BUILD/brindlework-<version>-windows-x64.zip
set -euo pipefail
build=$(realpath "$1")
qt=$(realpath "$2")
cd "$(dirname "$0")/.."

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name="brindlework-$version-windows-x64"
stage="$build/package/$name"
rm -rf "$build/package" && mkdir -p "$stage/platforms" "$stage/styles"
runtime=(/usr/lib/gcc/x86_64-w64-mingw32/12-posix /usr/x86_64-w64-mingw32/lib)

# Copies a program or DLL stripped, then every DLL it imports that Qt or MinGW provide (the system's own stay).
add() {
    local file=$1 to=$2 dll folder
    [ -f "$to/$(basename "$file")" ] && return 0
    x86_64-w64-mingw32-strip --strip-unneeded -o "$to/$(basename "$file")" "$file"
    for dll in $(x86_64-w64-mingw32-objdump -p "$file" | awk '/DLL Name:/ {print $3}'); do
        for folder in "$qt/bin" "${runtime[@]}"; do
            if [ -f "$folder/$dll" ]; then
                add "$folder/$dll" "$stage"
                break
            fi
        done
    done
}

add "$build/app/brindlework.exe" "$stage"
[ ! -f "$build/checker/brindlework-check.exe" ] || add "$build/checker/brindlework-check.exe" "$stage"
[ ! -f "$build/table/brindlework-table.exe" ] || add "$build/table/brindlework-table.exe" "$stage"
add "$qt/plugins/platforms/qwindows.dll" "$stage/platforms"
add "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles"

# Text files get Windows line ends, so that every Windows editor shows their lines.
windows_text() {
    sed 's/$/\r/' "$1" >"$2"
}
windows_text LICENSE "$stage/LICENSE.txt"
windows_text THIRD-PARTY-NOTICES.txt "$stage/THIRD-PARTY-NOTICES.txt"
mkdir -p "$stage/licenses"
for text in licenses/*.txt; do
    windows_text "$text" "$stage/$text"
done
cat >"$stage/README.txt" <<TEXT
Brindlework $version, the item editor of the Quorvane game-making suite, for 64-bit Windows.

Unzip this folder anywhere and keep its files together. Quorvane starts brindlework.exe with a project
folder (to make a new item) or an item's .ITM file (to edit it); a start without either only says so.
brindlework-check.exe, where present, checks every item of a project from the command line:
    brindlework-check PROJECT_FOLDER
brindlework-table.exe, where present, writes every item of a project as one spreadsheet table (CSV,
UTF-8) and writes an edited table back into the items, checked with the editor's rules first:
    brindlework-table export PROJECT_FOLDER -o items.csv
    brindlework-table import PROJECT_FOLDER items.csv --dry-run
The programs write nothing but the item files you save or import and the tables you export, and keep no
settings.

Licence: MIT (LICENSE.txt); third-party components are under their own licences (THIRD-PARTY-NOTICES.txt).
TEXT
sed -i 's/$/\r/' "$stage/README.txt"
(cd "$build/package" && zip -q -9 -r "../$name.zip" "$name")
echo "$build/$name.zip"
