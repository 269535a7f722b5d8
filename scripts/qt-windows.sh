#!/usr/bin/env bash
# Provides Qt for Windows, the very Qt 6.4.2 of the Linux build, cross-compiled with MinGW-w64 from Debian 12's own
# qt6-base source, and prints the folder of its installed prefix. It takes, in turn:
#   1. BRINDLE_QT_WINDOWS: a prefix folder, or a .tar.xz of one (with its .sha256 beside it, checked when there);
#   2. the prefix already in the cache folder, ${XDG_CACHE_HOME:-$HOME/.cache}/brindlework;
#   3. ../shared/qt-windows/qt-6.4.2-mingw-x64.tar.xz beside the project, when its checksum matches;
#   4. a build from Debian's source into the cache folder: 45 to 60 minutes on two cores, once.
# Nothing outside the cache folder is changed; the source comes through a private apt list.
set -euo pipefail
cd "$(dirname "$0")/.."

name=qt-6.4.2-mingw-x64
cache="${XDG_CACHE_HOME:-$HOME/.cache}/brindlework"
cached="$cache/$name"

is_prefix() { [ -f "$1/lib/cmake/Qt6/Qt6Config.cmake" ] && [ -f "$1/bin/Qt6Core.dll" ]; }

# Unpacks a tarball into the cache, after checking it against the .sha256 beside it when there is one.
unpack() {
    local tarball=$1
    if [ -f "$tarball.sha256" ]; then
        (cd "$(dirname "$tarball")" && sha256sum --quiet -c "$(basename "$tarball").sha256") >&2 ||
            { echo "qt-windows: $tarball does not match its checksum" >&2; return 1; }
    fi
    mkdir -p "$cache"
    rm -rf "$cached.partial" && mkdir "$cached.partial"
    tar -C "$cached.partial" -xJf "$tarball"
    is_prefix "$cached.partial/$name" || { echo "qt-windows: $tarball holds no Qt prefix $name" >&2; return 1; }
    rm -rf "$cached" && mv "$cached.partial/$name" "$cached" && rm -rf "$cached.partial"
}

if [ -n "${BRINDLE_QT_WINDOWS:-}" ]; then
    if is_prefix "$BRINDLE_QT_WINDOWS"; then
        echo "$BRINDLE_QT_WINDOWS"
        exit 0
    fi
    unpack "$BRINDLE_QT_WINDOWS" >&2
    echo "$cached"
    exit 0
fi
if is_prefix "$cached"; then
    echo "$cached"
    exit 0
fi
shared=../shared/qt-windows/$name.tar.xz
if [ -f "$shared" ] && unpack "$shared" >&2; then
    echo "$cached"
    exit 0
fi

echo "qt-windows: no prebuilt Qt for Windows; building it from Debian's source (45 to 60 minutes, once)" >&2
scripts/install-deps.sh windows qtsource >&2
work="$cache/qt-build"
rm -rf "$work" && mkdir -p "$work/apt/lists/partial" "$work/apt/archives/partial" "$work/src"
# The source list points at the mirror the machine's own apt setup uses, without changing that setup.
mirror=$(sed -n 's/^URIs:[[:space:]]*//p' /etc/apt/sources.list.d/*.sources 2>/dev/null | grep -m1 -v security || true)
[ -n "$mirror" ] || mirror=$(awk '$1 == "deb" && $3 == "bookworm" {print $2; exit}' /etc/apt/sources.list 2>/dev/null)
[ -n "$mirror" ] || { echo "qt-windows: no Debian mirror found in the apt setup" >&2; exit 1; }
echo "deb-src $mirror bookworm main" >"$work/apt/sources.list"
apt_options=(-o Dir::Etc::SourceList="$work/apt/sources.list" -o Dir::Etc::SourceParts=-
             -o Dir::State::Lists="$work/apt/lists" -o Dir::Cache::Archives="$work/apt/archives")
apt-get "${apt_options[@]}" update -qq >&2
(cd "$work/src" && apt-get "${apt_options[@]}" source --download-only qt6-base=6.4.2+dfsg-10 >&2 &&
    dpkg-source -x qt6-base_6.4.2+dfsg-10.dsc qtbase >&2)
# Debian's source leaves out the Wintab headers (tablet events off); Qt 6.4's Windows plugin builds only with
# dynamic OpenGL off when OpenGL is off.
cmake -S "$work/src/qtbase" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
    -DQT_QMAKE_TARGET_MKSPEC=win32-g++ -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$cached.partial" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_sql=OFF -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF \
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF -DFEATURE_system_zlib=OFF -DFEATURE_openssl=OFF \
    -DFEATURE_icu=OFF -DFEATURE_zstd=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_brotli=OFF \
    -DFEATURE_glib=OFF -DFEATURE_tabletevent=OFF >&2
cmake --build "$work/build" -j"$(nproc)" >&2
rm -rf "$cached.partial"
cmake --install "$work/build" >&2
find "$cached.partial" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
rm -rf "$cached" && mv "$cached.partial" "$cached" && rm -rf "$work"
echo "$cached"
