# Shared settings of the project's scripts; sourced, never run.
# Everything lives under build/: the build trees, the Wine prefix and the X display.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${TARVEX_BUILD:-$ROOT/build}
JOBS=${JOBS:-$(nproc)}

say() { printf '== %s\n' "$*" >&2; }
die() { printf 'error: %s\n' "$*" >&2; exit 1; }

# Can this machine execute 32-bit x86 code? Some kernels boot with the
# 32-bit compatibility mode switched off; then only 64-bit Wine runs and
# the Wine-side tests use an x86_64 build of the same sources.
can_run_x86_32() {
    [ -e /lib/ld-linux.so.2 ] && /lib/ld-linux.so.2 --version >/dev/null 2>&1
}

# The Wine flavour the tests use: win32 (the shipped i686 build, WINEARCH=win32)
# where the machine allows, win64 otherwise.
wine_flavour() {
    if [ -n "${TARVEX_WINE_ARCH:-}" ]; then echo "$TARVEX_WINE_ARCH"
    elif can_run_x86_32; then echo win32
    else echo win64; fi
}

wine_env() {
    local flavour=$(wine_flavour)
    export WINEPREFIX=$BUILD/wineprefix-$flavour
    export WINEARCH=$flavour
    export WINEDEBUG=${WINEDEBUG:--all}
    # Never stop to offer the Mono or Gecko installers: nobody is there to answer.
    export WINEDLLOVERRIDES="mscoree,mshtml="
    if [ "$flavour" = win32 ]; then
        WINE=wine; WINESERVER=wineserver
    else
        WINE=/usr/lib/wine/wine64; WINESERVER=/usr/lib/wine/wineserver64
    fi
    export WINE WINESERVER
    # The Windows build tree whose programs run in this prefix.
    WINTREE=$BUILD/$flavour
}

# A private X server unless one is given.
ensure_display() {
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return; fi
    local n=${TARVEX_DISPLAY:-77}
    export DISPLAY=:$n
    if ! xdpyinfo >/dev/null 2>&1; then
        rm -f /tmp/.X$n-lock
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$BUILD/xvfb.log" 2>&1 &
        for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return; sleep 0.1; done
        die "Xvfb did not start (see $BUILD/xvfb.log)"
    fi
}
