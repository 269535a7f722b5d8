#!/usr/bin/env bash
# Drives the real brindlework.exe under Wine at the Japanese code page 932, in which the second byte of many
# everyday characters is that of a backslash, as a user of such a Windows would:
#   1. the item 表 opens without a message (a screenshot is kept), and Save writes its files back byte for byte;
#   2. the item 剣 of the class 戦士, stored in the code page, with its appearance file 戦士剣.FAP, opens with its
#      class and type, and Save writes them back byte for byte;
#   3. a new item picked from RESOURCES\予備.BMP is saved with its three files;
#   4. started the way the suite starts it, with the command line "...\brindlework.exe" "...\My Quest\" passed
#      exactly as written, it makes a new item in that folder;
#   5. brindlework-check and brindlework-table, started alike, read that folder, and the table names 表 and 剣.
# Usage: scripts/check-windows-code-page.sh BRINDLEWORK_EXE LAUNCHER_EXE WORK_FOLDER
# The caller has made the locale ja_JP.UTF-8 (wine_make_locales), started Wine, put Qt's DLLs on WINEPATH and
# opened a display.
set -euo pipefail
exe=$1
launcher=$2
work=$3
source "$(dirname "$0")/wine-session.sh"
export LC_ALL=ja_JP.UTF-8
sample="$(cd "$(dirname "$0")/.." && pwd)/examples/Quest"
rm -rf "$work" && mkdir -p "$work"
source "$(dirname "$0")/window-driving.sh"

code_page=$("$wine" "$launcher" --code-page | tr -d '\r')
[ "$code_page" = 932 ] || wine_fail "Wine runs at code page $code_page, not 932"

check() {
    echo "check-windows-code-page: $*"
}

# Opens the item file, then saves it unchanged: the sheet must show no message, or the click lands on none.
open_and_save() {
    local item=$1 status=$2 sheet
    start "$status" "$wine" "$exe" "$(wine_path "$item")"
    sheet=$(find_window '^Quorvane - Brindlework')
    [ -n "$sheet" ] || wine_fail "brindlework.exe showed no sheet for $item"
    sleep 1
    [ -z "$(xdotool search --onlyvisible --name '^brindlework$' 2>/dev/null)" ] ||
        wine_fail "opening $item showed a message"
    shoot "$sheet" "$status.png"
    point "$sheet" 534 361 && xdotool click 1
    ended "$status" || wine_fail "brindlework.exe did not end after saving $item"
}

# The files of a project as they were, to compare a save with.
keep() {
    rm -rf "$1.before" && cp -r "$1" "$1.before"
}
same() {
    cmp -s "$1.before/$2" "$1/$2" || wine_fail "$2 was saved changed: $(od -c "$1/$2" | head -n 5)"
}

# Picks the only picture of the picture dialog and saves the new item.
pick_and_save() {
    local status=$1 dialog sheet
    dialog=$(find_window '^Select a Picture as Item Icon$')
    [ -n "$dialog" ] || wine_fail "no picture dialog for a new item"
    sleep 1
    point "$dialog" 300 380 && xdotool click 1 sleep 0.5 key Down sleep 0.3 key End sleep 0.5 key Return
    sheet=$(find_window '^Quorvane - Brindlework')
    [ -n "$sheet" ] || wine_fail "the picked picture started no item"
    sleep 1
    point "$sheet" 534 361 && xdotool click 1
    ended "$status" || wine_fail "the new item's editor did not end after Save"
}

table=表
warrior=戦士
sword=剣
reserve=予備
quest="$work/quest"
mkdir -p "$quest"
cp -r "$sample/SERVER" "$sample/CLIENT" "$quest/"
printf 'Type=Ring\r\nBonus=Attack+25,ResHeat+10\r\nPrice=1500\r\nClass=ALL\r\nStack=1\r\n' >"$quest/SERVER/$table.ITM"
printf 'A ring of red stone.\r\n' >"$quest/CLIENT/$table.ITM"
cp "$sample/CLIENT/RubyRing.BMP" "$quest/CLIENT/$table.BMP"
: >"$quest/SERVER/$warrior.CLS"
: >"$quest/CLIENT/$warrior$sword.FAP"
# The class as a Japanese Windows stores it: 戦士 in code page 932.
printf 'Type=Head\r\nBonus=Defend+40\r\nPrice=800\r\nClass=\x90\xed\x8e\x6d\r\nStack=1\r\n' >"$quest/SERVER/$sword.ITM"
printf 'A helm.\r\n' >"$quest/CLIENT/$sword.ITM"
cp "$sample/CLIENT/BronzeHelm.BMP" "$quest/CLIENT/$sword.BMP"

# 1 and 2.
keep "$quest"
open_and_save "$quest/$table.ITM" "$work/table.status"
cp "$work/table.status.png" "$work/windows-item-sheet-932.png"
same "$quest" "SERVER/$table.ITM"
same "$quest" "CLIENT/$table.ITM"
check "the item $table opens without a message ($work/windows-item-sheet-932.png) and saves back byte for byte"
open_and_save "$quest/$sword.ITM" "$work/sword.status"
same "$quest" "SERVER/$sword.ITM"
same "$quest" "CLIENT/$sword.ITM"
check "the item $sword of the class $warrior keeps its type and class: $(tr -d '\r' <"$quest/SERVER/$sword.ITM" | iconv -f CP932 -t UTF-8 | paste -sd' ')"

# 3.
new="$work/new"
mkdir -p "$new/RESOURCES"
cp -r "$sample/SERVER" "$sample/CLIENT" "$new/"
cp "$sample/RESOURCES/Staff.bmp" "$new/RESOURCES/$reserve.BMP"
start "$work/new.status" "$wine" "$exe" "$(wine_path "$new")"
pick_and_save "$work/new.status"
for file in "SERVER/$reserve.ITM" "CLIENT/$reserve.ITM" "CLIENT/$reserve.BMP"; do
    [ -f "$new/$file" ] || wine_fail "the new item's $file is missing"
done
cmp -s "$new/RESOURCES/$reserve.BMP" "$new/CLIENT/$reserve.BMP" || wine_fail "the icon was copied changed"
check "$reserve.BMP became the item $reserve: $(tr -d '\r' <"$new/SERVER/$reserve.ITM" | paste -sd' ')"

# 4.
folder="$work/My Quest"
mkdir -p "$folder/RESOURCES"
cp -r "$sample/SERVER" "$sample/CLIENT" "$folder/"
cp "$sample/RESOURCES/Staff.bmp" "$folder/RESOURCES/"
printf '"%s" "%s\\"' "$(wine_path "$exe")" "$(wine_path "$folder")" >"$work/command-line.txt"
start "$work/quoted.status" "$wine" "$launcher" "$(wine_path "$work/command-line.txt")"
pick_and_save "$work/quoted.status"
[ -f "$folder/SERVER/Staff.ITM" ] || wine_fail "the command line $(cat "$work/command-line.txt") made no item in $folder"
check "the command line $(cat "$work/command-line.txt") makes a new item in $folder"

# 5. The two command-line programs read the suite's command line alike, and name the items as they are named.
programs=$(dirname "$(dirname "$exe")")
printf '"%s" "%s\\"' "$(wine_path "$programs/checker/brindlework-check.exe")" "$(wine_path "$folder")" >"$work/check-line.txt"
"$wine" "$launcher" "$(wine_path "$work/check-line.txt")" >"$work/check.log" 2>&1 ||
    { cat "$work/check.log" >&2; wine_fail "brindlework-check found fault with, or could not read, $folder"; }
check "brindlework-check reads $(cat "$work/check-line.txt"): $(tr -d '\r' <"$work/check.log" | tail -n 1)"
printf '"%s" export "%s\\" -o "%s"' "$(wine_path "$programs/table/brindlework-table.exe")" "$(wine_path "$quest")" \
    "$(wine_path "$work/items.csv")" >"$work/table-line.txt"
"$wine" "$launcher" "$(wine_path "$work/table-line.txt")" >"$work/table.log" 2>&1 ||
    { cat "$work/table.log" >&2; wine_fail "brindlework-table could not export $quest"; }
grep -q "^$table,Ring,ALL,1500,1," "$work/items.csv" && grep -q "^$sword,Head,$warrior,800,1," "$work/items.csv" ||
    { cat "$work/items.csv" >&2; wine_fail "the table does not name $table and $sword of the class $warrior"; }
check "brindlework-table exports $table and $sword of the class $warrior by their names"
