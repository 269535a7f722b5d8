#!/usr/bin/env bash
# Builds a Release editor and opens it on an item of a scratch copy of the sample project.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh build run
cmake --preset release >/dev/null
cmake --build --preset release --target brindlework

scratch=build-release/scratch
rm -rf "$scratch"
mkdir -p "$scratch"
cp -r examples/Quest "$scratch/Quest"
item="$(pwd)/$scratch/Quest/RubyRing.ITM"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display is available; run the editor under a virtual one instead:"
    echo "  xvfb-run -s \"-screen 0 1024x768x24\" $(pwd)/build-release/app/brindlework \"$item\""
    exit 1
fi
exec build-release/app/brindlework "$item"
