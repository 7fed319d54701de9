#!/bin/sh
# Packs the release: dist/tarnwick-<version>-win64.zip with the stripped program, README and LICENSE.
# Usage: dist.sh <windows-build-dir>
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
build=$1
version=$(sed -n 's/^project(tarnwick VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
name="tarnwick-$version-win64"
stage="$top/dist/$name"
rm -rf "$stage" "$top/dist/$name.zip"
mkdir -p "$stage"
x86_64-w64-mingw32-strip -o "$stage/tarnwick.exe" "$build/tarnwick.exe"
"$top/tools/check-imports.sh" "$stage/tarnwick.exe" >/dev/null
cp "$top/README.md" "$top/LICENSE" "$stage/"
(cd "$top/dist" && zip -q -r "$name.zip" "$name")
rm -rf "$stage"
echo "dist/$name.zip"
