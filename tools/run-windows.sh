#!/bin/sh
# Starts a Windows program under Wine on the current display: run-windows.sh <build-dir> <exe> [args]
# Its prefix, run-prefix in the build tree, is set up as the pictures' prefix is
# (wine_prepare_prefix of tools/wine-env.sh).
dir=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
shift
WINEPREFIX="$build/run-prefix"
. "$dir/wine-env.sh"
wine_session
wine_prepare_prefix
"$WINE" "$@"
