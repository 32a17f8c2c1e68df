#!/usr/bin/env bash
# Start-time benchmarks under the project's Wine: Tarvex from start to its
# tray icon (splash off) and an Ostrel counting start, each as a ratio to an
# empty program started the same way. Usage: bench.sh [RUNS]
set -euo pipefail
. "$(dirname "$0")/lib.sh"
runs=${1:-9}
"$ROOT/scripts/build.sh"
wine_env
"$ROOT/scripts/prefix.sh"
ensure_display
exe() { echo "Z:${1//\//\\}"; }
tool=$(exe "$WINTREE/bench/start_time.exe")
base=$(exe "$WINTREE/bench/empty_program.exe")
say "Tarvex, start to tray icon (splash off)"
"$WINE" reg add 'HKCU\Software\Tarvex\Options' /v Logo /d 0 /f >/dev/null 2>&1
"$WINE" "$WINTREE/bench/start_time.exe" "$runs" "$base" tray "$(exe "$WINTREE/tarvex/Tarvex.exe")"
if [ -f "$WINTREE/ostrel/Ostrel.exe" ]; then
    say "Ostrel, a counting start"
    # A large interval keeps every start a counting one.
    "$WINE" reg add 'HKCU\Software\Kelmora\Ostrel' /v IsSetup /t REG_DWORD /d 1 /f >/dev/null 2>&1
    "$WINE" reg add 'HKCU\Software\Kelmora\Ostrel' /v BackEveryNumTimes /t REG_DWORD /d 50 /f >/dev/null 2>&1
    "$WINE" reg add 'HKCU\Software\Kelmora\Ostrel' /v NumTimesBacked /t REG_DWORD /d 1 /f >/dev/null 2>&1
    "$WINE" "$WINTREE/bench/start_time.exe" "$runs" "$base" exit "$(exe "$WINTREE/ostrel/Ostrel.exe")"
    "$WINE" reg delete 'HKCU\Software\Kelmora\Ostrel' /f >/dev/null 2>&1
fi
"$WINESERVER" -k
