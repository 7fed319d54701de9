#!/bin/sh
# Configures (once) and builds a preset; prints nothing when there is nothing to do.
# Usage: build.sh <preset> <build-dir> [target]
# With a target, only that target and what it needs are built, and each step shows as it starts.
preset=$1
dir=$2
target=${3:-}
if [ ! -f "$dir/build.ninja" ]; then
    [ -z "$target" ] || echo "Configuring $dir (CMake preset $preset) ..."
    cmake --preset "$preset" >/dev/null || exit 1
fi
if [ -z "$target" ]; then
    out=$(cmake --build "$dir" -- --quiet 2>&1)
    status=$?
    printf '%s\n' "$out" | grep -v -e '^ninja: no work to do\.$' -e '^$' \
        -e '^\[0/[0-9]*\] Re-checking globbed directories\.\.\.$' || true
    exit $status
fi
# Ninja's own status lines ("[3/42] Building CXX object ..."), one per step.
result=$(mktemp)
{ cmake --build "$dir" --target "$target" 2>&1; echo $? >"$result"; } |
    grep --line-buffered -v -e '^ninja: no work to do\.$' \
        -e '^\[0/[0-9]*\] Re-checking globbed directories\.\.\.$'
status=$(cat "$result")
rm -f "$result"
exit "$status"
