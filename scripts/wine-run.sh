#!/usr/bin/env bash
# Runs a Windows program of the build in the project's Wine prefix, on the
# project's X display. The exit code is the program's.
set -euo pipefail
. "$(dirname "$0")/lib.sh"
wine_env
ensure_display
[ -f "$WINEPREFIX/.tarvex-ready" ] || die "no Wine prefix yet: run scripts/prefix.sh"
exec "$WINE" "$@"
