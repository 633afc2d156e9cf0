#!/usr/bin/env bash
# Installs what building and testing Pelmora needs on Debian 12, skipping what
# is already there, and cross-builds libjpeg-turbo for the Windows target into
# .deps/ (cached by version). Sourced or run; safe to run again.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
deps="$root/.deps"
jpeg_version=2.1.5

as_root() {
    if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

need_packages=()
want() { dpkg -s "$1" >/dev/null 2>&1 || need_packages+=("$1"); }

install_packages() {
    local arch_added=0
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        as_root dpkg --add-architecture i386
        arch_added=1
    fi
    for p in wine wine32:i386 wine64 xvfb g++-mingw-w64-i686-posix nasm cmake make \
             g++ libjpeg-dev libjpeg-turbo-progs googletest libgtest-dev imagemagick x11-apps \
             fonts-wine fonts-dejavu-core xdotool; do
        want "$p"
    done
    if [ ${#need_packages[@]} -gt 0 ] || [ $arch_added = 1 ]; then
        echo "Installing: ${need_packages[*]}"
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
            --no-install-recommends "${need_packages[@]}"
    fi
}

# Debian ships no MinGW build of libjpeg-turbo; its source package cross-builds
# cleanly. The source list is copied into a private folder with its type
# switched to source packages, so the system's apt configuration stays as it is.
build_libjpeg() {
    local prefix="$deps/libjpeg-turbo-$jpeg_version-i686"
    if [ -f "$prefix/lib/libjpeg.a" ]; then return; fi
    local work; work=$(mktemp -d)
    trap 'rm -rf "$work"' RETURN
    mkdir -p "$work/lists/partial" "$work/parts"
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources > "$work/parts/src.sources"
    else
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list > "$work/parts/src.list"
    fi
    local o=(-o "Dir::Etc::SourceParts=$work/parts" -o Dir::Etc::SourceList=/dev/null
             -o "Dir::State::Lists=$work/lists")
    apt-get "${o[@]}" update -qq
    (cd "$work" && apt-get "${o[@]}" source --download-only "libjpeg-turbo=1:$jpeg_version*" 2>/dev/null \
        || apt-get "${o[@]}" source --download-only libjpeg-turbo)
    mkdir -p "$work/src"
    tar -xzf "$work"/libjpeg-turbo_*.orig.tar.gz -C "$work/src" --strip-components=1
    cmake -S "$work/src" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
        -DENABLE_SHARED=OFF -DWITH_TURBOJPEG=OFF -DWITH_SIMD=ON -DREQUIRE_SIMD=ON \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" >/dev/null
    cmake --build "$work/build" -j"$(nproc)" >/dev/null
    cmake --install "$work/build" >/dev/null
    echo "libjpeg-turbo $jpeg_version built for i686 Windows in .deps/"
}

install_packages
build_libjpeg
