#!/usr/bin/env bash
# The one test command: installs what is missing, builds every tree, and runs
# all three layers of tests through CTest (host, Wine, end-to-end).
set -euo pipefail
. "$(dirname "$0")/lib.sh"
"$ROOT/scripts/build.sh"
flavour=$(wine_flavour)
[ "$flavour" = win64 ] && say "NOTE: this kernel cannot execute 32-bit x86 code; the Wine-side tests run on the x86_64 build in a 64-bit prefix"
status=0
for tree in host win32 $([ "$flavour" = win64 ] && echo win64); do
    say "tests: $tree"
    ctest --test-dir "$BUILD/$tree" --output-on-failure -j "$JOBS" "$@" || status=1
done
exit $status
