#!/bin/sh
# Configures (once) and builds a preset; prints nothing when there is nothing to do.
# Usage: build.sh <preset> <build-dir>
preset=$1
dir=$2
if [ ! -f "$dir/build.ninja" ]; then
    cmake --preset "$preset" >/dev/null || exit 1
fi
out=$(cmake --build "$dir" -- --quiet 2>&1)
status=$?
printf '%s\n' "$out" | grep -v -e '^ninja: no work to do\.$' -e '^$' \
    -e '^\[0/[0-9]*\] Re-checking globbed directories\.\.\.$' || true
exit $status
