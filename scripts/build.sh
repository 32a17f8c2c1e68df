#!/usr/bin/env bash
# Configures and builds every tree: host, i686 (the shipped programs) and,
# where the kernel cannot run 32-bit code, x86_64 for the Wine-side tests.
set -euo pipefail
. "$(dirname "$0")/lib.sh"
"$ROOT/scripts/setup.sh"
flavour=$(wine_flavour)

configure() { # dir args...
    local dir=$1; shift
    [ -f "$dir/CMakeCache.txt" ] || cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    cmake --build "$dir" -j "$JOBS"
}
say "host tree"
configure "$BUILD/host" -DCMAKE_BUILD_TYPE=Debug
say "i686 tree"
configure "$BUILD/win32" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-mingw.cmake" -DMINGW_ARCH=i686 \
    -DTARVEX_WINE_TESTS=$([ "$flavour" = win32 ] && echo ON || echo OFF)
if [ "$flavour" = win64 ]; then
    say "x86_64 tree (this kernel runs no 32-bit code: Wine-side tests use it)"
    configure "$BUILD/win64" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-mingw.cmake" -DMINGW_ARCH=x86_64 \
        -DTARVEX_WINE_TESTS=ON
fi
