#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the run need, where they are missing.
# Usage: scripts/install-deps.sh [build|test|run|bench|fuzz|windows|qtsource]...
set -euo pipefail

build=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev fonts-dejavu-core fonts-liberation
    nlohmann-json3-dev)
test=(libgtest-dev googletest clang-format xvfb xauth dbus at-spi2-core python3-pyatspi)
run=(xvfb xauth)
bench=(libbenchmark-dev libx11-dev xvfb xauth x11-utils valgrind)
fuzz=(clang libclang-rt-14-dev)
windows=(g++-mingw-w64-x86-64-posix wine64 googletest xvfb xauth xdotool imagemagick zip unzip icoutils locales
    fonts-ipafont-gothic)
qtsource=(dpkg-dev xz-utils)

wanted=("${build[@]}")
for group in "$@"; do
    case "$group" in
    build) ;;
    test) wanted+=("${test[@]}") ;;
    run) wanted+=("${run[@]}") ;;
    bench) wanted+=("${bench[@]}") ;;
    fuzz) wanted+=("${fuzz[@]}") ;;
    windows) wanted+=("${windows[@]}") ;;
    qtsource) wanted+=("${qtsource[@]}") ;;
    *) echo "install-deps: unknown group '$group'" >&2; exit 2 ;;
    esac
done

missing=()
for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
