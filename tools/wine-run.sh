#!/bin/sh
# Runs a Windows program under Wine: wine-run.sh <program> [args]
# The prefix is $WINEPREFIX when set, otherwise "wineprefix" beside the program (the build tree).
dir=$(cd "$(dirname "$0")" && pwd)
if [ -z "${WINEPREFIX:-}" ]; then
    WINEPREFIX=$(cd "$(dirname "$1")" && pwd)/wineprefix
fi
. "$dir/wine-env.sh"
# The program's output goes through a file: a Wine service that the program happens to start
# inherits that file instead of the caller's pipe, which the caller would wait on until the
# service ends.
out=$(mktemp)
"$WINE" "$@" >"$out" 2>&1 </dev/null
status=$?
cat "$out"
rm -f "$out"
exit $status
