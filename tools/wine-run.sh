#!/bin/sh
# Runs a Windows program under Wine in the given prefix: wine-run.sh <prefix-dir> <program> [args]
dir=$(dirname "$0")
prefix=$1
shift
. "$dir/wine-env.sh" "$prefix"
exec "$WINE" "$@"
