#!/bin/sh
# Starts a Windows program under Wine on the current display: run-windows.sh <build-dir> <exe>
dir=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
shift
. "$dir/wine-env.sh" "$build/wineprefix"
wine_start
"$WINE" "$@"
