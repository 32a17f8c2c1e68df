#!/usr/bin/env bash
# Ends every process of the project's Wine prefix.
. "$(dirname "$0")/lib.sh"
wine_env
"$WINESERVER" -k 2>/dev/null
exit 0
