#!/usr/bin/env bash
# Builds Pelmora.exe (build/win) and, with --tests, the Win32 tests and the
# end-to-end driver there too, plus the native unit tests (build/host).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
tests=OFF
[ "${1:-}" = --tests ] && tests=ON

bash "$root/scripts/deps.sh"
jobs=$(nproc)

cmake -S "$root" -B "$root/build/win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
      -DCMAKE_BUILD_TYPE=Release -DPELMORA_TESTS=$tests >/dev/null
cmake --build "$root/build/win" -j"$jobs"

if [ $tests = ON ]; then
    cmake -S "$root" -B "$root/build/host" -DCMAKE_BUILD_TYPE=Debug >/dev/null
    cmake --build "$root/build/host" -j"$jobs"
fi
