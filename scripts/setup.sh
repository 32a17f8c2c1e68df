#!/usr/bin/env bash
# Installs what the build and the tests need, when it is missing.
# As root it installs through apt-get; otherwise it says what to install.
set -euo pipefail
. "$(dirname "$0")/lib.sh"

need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'ok installed'; }
want() { for p in "$@"; do have_pkg "$p" || need+=("$p"); done; }

want cmake make g++ python3 googletest xvfb x11-utils imagemagick fonts-wine \
     g++-mingw-w64-i686-win32 binutils-mingw-w64-i686 wine wine64
if can_run_x86_32; then
    want wine32:i386
else
    # 64-bit Wine runs the Wine-side tests on an x86_64 build of the same sources.
    want g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64
fi

[ ${#need[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
    {
        echo "Missing packages. As root, run:"
        printf '  dpkg --add-architecture i386 && apt-get update && apt-get install -y --no-install-recommends %s\n' "${need[*]}"
    } >&2
    exit 1
fi
say "installing: ${need[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then dpkg --add-architecture i386; fi
apt-get update -q
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${need[@]}"
