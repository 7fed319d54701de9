#!/bin/sh
# Runs the Windows tests under Wine: test-windows.sh <build-dir> [ctest args]
# Wine's services are started once, detached, before ctest, and stopped afterwards in any case.
dir=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
shift
WINEPREFIX="$build/wineprefix"
. "$dir/wine-env.sh"
wine_session
ctest --test-dir "$build" --output-on-failure "$@"
