#!/usr/bin/env bash
# Builds everything and starts Tarvex in the project's Wine prefix.
# Usage: run-tarvex.sh [--screenshot FILE [--after SECONDS]] [--logo 0|1]
#   --screenshot  writes a picture of the screen after SECONDS (default 4),
#                 then ends the program; without it Tarvex runs until it quits.
#   --logo        sets the splash option before the start.
set -euo pipefail
. "$(dirname "$0")/lib.sh"
shot=; after=4; logo=
while [ $# -gt 0 ]; do
    case $1 in
        --screenshot) shot=$2; shift 2 ;;
        --after) after=$2; shift 2 ;;
        --logo) logo=$2; shift 2 ;;
        *) die "unknown argument $1" ;;
    esac
done
"$ROOT/scripts/build.sh"
wine_env
"$ROOT/scripts/prefix.sh"
ensure_display
say "display $DISPLAY, prefix $WINEPREFIX"
if [ -n "$logo" ]; then
    "$WINE" reg add 'HKCU\Software\Tarvex\Options' /v Logo /d "$logo" /f >/dev/null 2>&1
fi
if [ -z "$shot" ]; then
    exec "$WINE" "$WINTREE/tarvex/Tarvex.exe"
fi
"$WINE" "$WINTREE/tarvex/Tarvex.exe" &
sleep "$after"
import -window root "$shot"
say "screenshot written to $shot"
"$WINESERVER" -k
