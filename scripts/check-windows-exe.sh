#!/usr/bin/env bash
# Drives the real brindlework.exe under Wine as a user would, with the windows platform on a virtual display:
#   1. the sheet of the sample item shows (a screenshot is kept);
#   2. a caption lights under the pointer and goes out again;
#   3. a price typed, a bonus added through the dialog, a bonus removed and a description line written, then
#      Save: the item's files are byte for byte what the Linux editor writes for the very same edits;
#   4. a start without arguments shows its message, and ends when it is closed;
#   5. a second start ends with exit code 0, while the first stays and comes to the front;
#   6. a new item: the picture dialog opens on RESOURCES, and a picture named in the system's code page
#      (Œuf.bmp) becomes an item of that name.
# Usage: scripts/check-windows-exe.sh BRINDLEWORK_EXE LINUX_BRINDLEWORK WORK_FOLDER
# The caller has started Wine (scripts/wine-session.sh), put Qt's DLLs on WINEPATH and opened a display.
set -euo pipefail
exe=$1
linux=$2
work=$3
source "$(dirname "$0")/wine-session.sh"
sample="$(cd "$(dirname "$0")/.." && pwd)/examples/Quest"
rm -rf "$work" && mkdir -p "$work"
source "$(dirname "$0")/window-driving.sh"

check() {
    echo "check-windows-exe: $*"
}

# The same edits, in either editor's sheet, with the keyboard and the mouse.
edit_and_save() {
    local sheet=$1 dialog
    point "$sheet" 358 163 && xdotool click 1 key ctrl+a type --delay 40 1750
    point "$sheet" 535 226 && xdotool click 1
    dialog=$(find_window '^Item Bonus$')
    [ -n "$dialog" ] || wine_fail "Add Bonus opened no bonus dialog"
    sleep 0.3
    xdotool key Down Tab ctrl+a type --delay 40 250
    xdotool key Return
    sleep 0.5
    point "$sheet" 260 232 && xdotool click 1
    point "$sheet" 535 292 && xdotool click 1
    point "$sheet" 100 400 && xdotool click 1 key ctrl+End Return type --delay 40 "Forged anew."
    point "$sheet" 534 361 && xdotool click 1
}

# 1-3: the sample item, edited and saved by both editors.
for side in windows linux; do
    cp -r "$sample" "$work/$side"
done
start "$work/windows.status" "$wine" "$exe" "$(wine_path "$work/windows/RubyRing.ITM")"
sheet=$(find_window '^Quorvane - Brindlework')
[ -n "$sheet" ] || wine_fail "brindlework.exe showed no item sheet"
sleep 1
shoot "$sheet" "$work/windows-item-sheet.png"
check "the item sheet shows ($work/windows-item-sheet.png)"
point "$sheet" 535 226
shoot "$sheet" "$work/add-lit.png"
point "$sheet" 560 190
shoot "$sheet" "$work/add-out.png"
lit=$(compare -metric AE "$work/windows-item-sheet.png" "$work/add-lit.png" null: 2>&1 || true)
out=$(compare -metric AE "$work/windows-item-sheet.png" "$work/add-out.png" null: 2>&1 || true)
[ "$lit" -gt 500 ] && [ "$out" -eq 0 ] || wine_fail "the Add Bonus caption did not light up and go out ($lit, $out)"
check "the Add Bonus caption lights under the pointer ($lit pixels) and goes out again"
edit_and_save "$sheet"
ended "$work/windows.status" || wine_fail "brindlework.exe did not end after Save"

start "$work/linux.status" "$linux" "$work/linux/RubyRing.ITM"
sheet=$(find_window '^Quorvane - Brindlework')
[ -n "$sheet" ] || wine_fail "the Linux editor showed no item sheet"
sleep 1
edit_and_save "$sheet"
ended "$work/linux.status" || wine_fail "the Linux editor did not end after Save"
diff -r "$work/windows" "$work/linux" >&2 || wine_fail "the Windows and the Linux editor saved different files"
grep -q "Price=1750" "$work/windows/SERVER/RubyRing.ITM" || wine_fail "the edits were not saved"
check "Save wrote the same bytes as the Linux editor: $(tr -d '\r' <"$work/windows/SERVER/RubyRing.ITM" | paste -sd' ')"

# 4: no argument.
start "$work/no-argument.status" "$wine" "$exe"
message=$(find_window '^brindlework$')
[ -n "$message" ] || wine_fail "a start without arguments showed no message"
shoot "$message" "$work/no-argument-message.png"
xdotool key Return
ended "$work/no-argument.status" || wine_fail "the start without arguments did not end"
check "a start without arguments shows its message and ends with exit code $(cat "$work/no-argument.status")"

# 5: a second start while the first runs and another program has the focus.
cp -r "$sample" "$work/second"
start "$work/first.status" "$wine" "$exe" "$(wine_path "$work/second/RubyRing.ITM")"
[ -n "$(find_window '^Quorvane - Brindlework')" ] || wine_fail "the first editor showed no sheet"
start "$work/notepad.status" "$wine" notepad
[ -n "$(find_window 'Notepad')" ] || wine_fail "Notepad did not start"
sleep 1
"$wine" "$exe" "$(wine_path "$work/second/BronzeHelm.ITM")" || wine_fail "the second start ended with exit code $?"
sleep 1
[ ! -s "$work/first.status" ] || wine_fail "the first editor ended"
focused=$(xdotool getwindowfocus getwindowname)
[[ "$focused" == "Quorvane - Brindlework"* ]] || wine_fail "the first editor did not come to the front ($focused has the focus)"
check "a second start ends with exit code 0; the first stays and comes to the front"
wine_stop

# 6: a new item, named in the code page.
cp -r "$sample" "$work/new"
cp "$sample/RESOURCES/Staff.bmp" "$work/new/RESOURCES/Œuf.bmp"
start "$work/new.status" "$wine" "$exe" "$(wine_path "$work/new")"
dialog=$(find_window '^Select a Picture as Item Icon$')
[ -n "$dialog" ] || wine_fail "no picture dialog for a new item"
sleep 1
# Its title bar shows the program's icon.
shoot "$dialog" "$work/picture-dialog.png"
# The picture is chosen in the list, the last by name: typing an Œ through the virtual keyboard is not reliable.
point "$dialog" 300 380 && xdotool click 1 sleep 0.5 key Down sleep 0.3 key End sleep 0.5 key Return
gone '^Select a Picture as Item Icon$' || wine_fail "the picture dialog took no Œuf.bmp"
sheet=$(find_window '^Quorvane - Brindlework')
[ -n "$sheet" ] || wine_fail "the picked picture started no item"
sleep 1
point "$sheet" 534 361 && xdotool click 1
ended "$work/new.status" || wine_fail "the new item's editor did not end after Save"
for file in SERVER/Œuf.ITM CLIENT/Œuf.ITM CLIENT/Œuf.BMP; do
    [ -f "$work/new/$file" ] || wine_fail "the new item's $file is missing"
done
check "the picture dialog opens on RESOURCES; Œuf.bmp became the item Œuf with its three files"

# 7. A white-on-black high-contrast scheme in the prefix's registry: the fields on the sheet's painted white boxes
#    keep its black on white, where white text on the white boxes and black fields inside them could not be read.
colours=(Window "0 0 0" WindowText "255 255 255" ButtonFace "0 0 0" ButtonText "255 255 255" Hilight "0 255 255"
    HilightText "0 0 0" GrayText "63 242 63" Menu "0 0 0" MenuText "255 255 255" InfoWindow "0 0 0"
    InfoText "255 255 255" Background "0 0 0" WindowFrame "255 255 255" ButtonShadow "128 128 128")
for ((i = 0; i < ${#colours[@]}; i += 2)); do
    "$wine" reg add 'HKCU\Control Panel\Colors' /v "${colours[i]}" /t REG_SZ /d "${colours[i + 1]}" /f >/dev/null 2>&1
done
cp -r "$sample" "$work/contrast"
start "$work/contrast.status" "$wine" "$exe" "$(wine_path "$work/contrast/RubyRing.ITM")"
sheet=$(find_window '^Quorvane - Brindlework')
[ -n "$sheet" ] || wine_fail "brindlework.exe showed no sheet under the high-contrast scheme"
sleep 1
shoot "$sheet" "$work/windows-high-contrast.png"
# Inside the price, description and bonus boxes, away from their text: the box's white.
for spot in 390,165 150,380 420,390; do
    colour=$(convert "$work/windows-high-contrast.png" -format "%[pixel:p{$spot}]" info:)
    [ "$colour" = "white" ] || [ "$colour" = "srgb(255,255,255)" ] ||
        wine_fail "under white on black, the sheet shows $colour at $spot, inside a white box"
done
point "$sheet" 534 398 && xdotool click 1
ended "$work/contrast.status" || wine_fail "Exit did not end the editor under the high-contrast scheme"
"$wine" reg delete 'HKCU\Control Panel\Colors' /f >/dev/null 2>&1 || true
check "under a white-on-black scheme the fields keep the sheet's black on white ($work/windows-high-contrast.png)"
