#!/bin/sh
# Runs a Windows program under Wine: wine-run.sh <program> [args]
# The prefix is $WINEPREFIX when set, otherwise "wineprefix" beside the program (the build tree).
dir=$(cd "$(dirname "$0")" && pwd)
if [ -z "${WINEPREFIX:-}" ]; then
    WINEPREFIX=$(cd "$(dirname "$1")" && pwd)/wineprefix
fi
. "$dir/wine-env.sh"
exec "$WINE" "$@"
