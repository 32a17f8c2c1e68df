#!/usr/bin/env bash
# Makes the project's private Wine prefix look like a Windows 98 machine:
# version win98, one virtual desktop with a taskbar and tray, WIN.INI and
# SYSTEM.INI in the Windows directory, and component files with version
# resources in the system directory. Usage: prefix.sh [COMPONENT_DIR]
# A prefix that exists is reused; TARVEX_FRESH_PREFIX=1 makes a new one.
set -euo pipefail
. "$(dirname "$0")/lib.sh"
wine_env
components=${1:-$WINTREE/tests/fixtures/components}

if [ "${TARVEX_FRESH_PREFIX:-0}" = 1 ] || [ ! -f "$WINEPREFIX/.tarvex-ready" ] \
   || [ "$ROOT/scripts/prefix.sh" -nt "$WINEPREFIX/.tarvex-ready" ]; then
    say "creating Wine prefix $WINEPREFIX"
    "$WINESERVER" -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    mkdir -p "$BUILD"
    "$WINE" wineboot -i >"$BUILD/wineboot.log" 2>&1 || die "wineboot failed (see $BUILD/wineboot.log)"
    "$WINESERVER" -w
    reg() { "$WINE" reg add "$@" /f >/dev/null 2>&1 || die "reg add $*"; }
    reg 'HKCU\Software\Wine' /v Version /d win98
    # One desktop for every program of the prefix, with a taskbar and a tray,
    # so that the programs and the test driver see each other's windows.
    reg 'HKCU\Software\Wine\Explorer' /v Desktop /d Default
    reg 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 800x600
    reg 'HKCU\Software\Wine\Explorer\Desktops\Default' /v EnableShell /t REG_DWORD /d 1
    "$WINESERVER" -w
    touch "$WINEPREFIX/.tarvex-ready"
fi

windir=$WINEPREFIX/drive_c/windows
sysdir=$windir/system32
# Wine's own MS Sans Serif and system fonts, so that dialogs are set in the
# face they were laid out for. Not its Tahoma: its bold face has outlines only
# for the smallest size, so the panel's large bold titles would come out
# regular; without it, the system's sans-serif stands in, bold included.
for f in /usr/share/wine/fonts/*; do
    case ${f##*/} in tahoma*) continue ;; esac
    cp -n "$f" "$windir/Fonts/" 2>/dev/null || true
done
rm -f "$windir/Fonts"/tahoma*.ttf
# WIN.INI and SYSTEM.INI as Windows 98 ships them, in their essentials.
[ -f "$windir/win.ini" ] || printf '[windows]\r\nload=\r\nrun=\r\n\r\n[Desktop]\r\nWallpaper=(None)\r\n' >"$windir/win.ini"
[ -f "$windir/system.ini" ] || printf '[boot]\r\nshell=Explorer.exe\r\n\r\n[386Enh]\r\n\r\n[vcache]\r\n' >"$windir/system.ini"

# Component files that Wine does not ship (Aureal and Sound Blaster drivers,
# the DirectX control panel, a DSP image), each with a real version resource.
if [ -d "$components" ]; then
    cp -f "$components"/* "$sysdir"/
fi
