#!/bin/sh
# Starts a Windows program under Wine on the current display: run-windows.sh <build-dir> <exe>
dir=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
shift
WINEPREFIX="$build/wineprefix"
. "$dir/wine-env.sh"
wine_session
"$WINE" "$@"
