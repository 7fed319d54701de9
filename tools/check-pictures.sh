#!/bin/sh
# Makes the pictures of docs/ again into a folder of its own and compares them with the committed
# ones byte for byte, so that a changed dialog brings its pictures along (make screenshot).
# Usage: check-pictures.sh <windows-build-dir>
dir=$(cd "$(dirname "$0")" && pwd)
docs=$(cd "$dir/../docs" && pwd)
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
"$dir/screenshot.sh" "$1" "$shots/main-dialog.png" >/dev/null || exit 1
status=0
for picture in "$shots"/*.png; do
    name=${picture##*/}
    if ! cmp -s "$picture" "$docs/$name"; then
        echo "FAILED: docs/$name is not what make screenshot makes now" \
            "($(identify -format '%wx%h' "$picture") here); make it again and commit it"
        status=1
    fi
done
exit $status
