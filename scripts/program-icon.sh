#!/usr/bin/env bash
# Packs the program's icon for Windows, cmake/windows/brindlework.ico, from the pictures the artwork baker paints
# (ProgramIcon<size>.png in a build's ui/baked_artwork folder), with icotool of icoutils: each size as a 32-bit
# bitmap with its transparency, the 256-pixel one as PNG, which is how Windows stores its largest size.
# Usage: scripts/program-icon.sh BAKED_ARTWORK_FOLDER ICO_FILE
# The Windows leg packs it anew and fails when the committed icon differs: run this after changing the icon's
# painting, with ICO_FILE cmake/windows/brindlework.ico.
set -euo pipefail
folder=$1
ico=$2
pictures=()
for size in 16 20 24 32 40 48 64; do
    pictures+=("$folder/ProgramIcon$size.png")
done
icotool -c -o "$ico" "${pictures[@]}" --raw="$folder/ProgramIcon256.png"
