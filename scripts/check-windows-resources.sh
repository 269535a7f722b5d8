#!/usr/bin/env bash
# Reads back what a Windows program of Brindlework carries for Windows itself: its icon at every size, its version
# information, which must be the project's version, and its application manifest with the settings the programs
# rely on. Needs icoutils (the "windows" group of scripts/install-deps.sh).
# Usage: scripts/check-windows-resources.sh PROGRAM.exe VERSION "FILE DESCRIPTION"
set -euo pipefail
exe=$1 version=$2 description=$3
name=$(basename "$exe")
fail() {
    echo "check-windows-resources: FAILED: $name: $*" >&2
    exit 1
}

resources=$(wrestool -l "$exe")
for type in 14 16 24; do
    grep -q -- "--type=$type " <<<"$resources" || fail "no resource of type $type in: $resources"
done

icon=$(mktemp)
trap 'rm -f "$icon"' EXIT
wrestool -x -t14 "$exe" >"$icon"
sizes=$(icotool -l "$icon" | sed -n 's/.*--width=\([0-9]*\).*/\1/p' | sort -n | tr '\n' ' ')
[ "$sizes" = "16 20 24 32 40 48 64 256 " ] || fail "icon sizes are '$sizes'"

# The version block's texts are UTF-16: each key is followed by its value.
texts=$(wrestool -x --raw -t16 "$exe" | strings -el -n 2)
value() { grep -A1 -x "$1" <<<"$texts" | sed -n 2p; }
[ "$(value FileVersion)" = "$version" ] || fail "FileVersion is '$(value FileVersion)', not $version"
[ "$(value ProductVersion)" = "$version" ] || fail "ProductVersion is '$(value ProductVersion)', not $version"
[ "$(value FileDescription)" = "$description" ] || fail "FileDescription is '$(value FileDescription)'"
[ "$(value OriginalFilename)" = "$name" ] || fail "OriginalFilename is '$(value OriginalFilename)'"
[ "$(value ProductName)" = "Brindlework" ] || fail "ProductName is '$(value ProductName)'"
value LegalCopyright | grep -q "The Brindlework authors. MIT License" || fail "the copyright line is missing"

manifest=$(wrestool -x --raw -t24 "$exe")
for setting in '<supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"/>' '>PerMonitorV2, PerMonitor<' \
    '>true/pm<' '<longPathAware xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">true<'; do
    grep -qF "$setting" <<<"$manifest" || fail "the manifest lacks $setting"
done
! grep -q '<activeCodePage' <<<"$manifest" || fail "the manifest sets a code page of its own"
echo "check-windows-resources: $name: icon of $(wc -w <<<"$sizes") sizes, version $version, manifest for Windows 10 and 11, per-monitor DPI, long paths"
