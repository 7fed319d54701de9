#!/bin/sh
# Builds the Windows Installer package dist/tarnwick-<version>-x64.msi from installer/tarnwick.wxs
# with wixl: the stripped program, README and LICENSE, per machine and 64-bit.
# Usage: msi.sh <windows-build-dir> [<output.msi> [<version>]]
# The version is the project's unless given. The same sources give the same bytes: the product
# code is derived from the version, the package code from what the package holds, and every time
# in it (the program's header, the summary's and the cabinet's) is SOURCE_DATE_EPOCH, by default
# the last commit's.
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
build=$1
version=${3:-$(sed -n 's/^project(tarnwick VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")}
out=${2:-$top/dist/tarnwick-$version-x64.msi}
wxs="$top/installer/tarnwick.wxs"
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$top" log -1 --format=%ct 2>/dev/null || true)}
epoch=${epoch:-1767225600}
# strip, too, writes it into the program's header.
export SOURCE_DATE_EPOCH="$epoch"
upgrade_code=$(sed -n 's/.*UpgradeCode="\([0-9A-F-]*\)".*/\1/p' "$wxs")
defined() { sed -n "s/.*<?define $1 = \"\(.*\)\" ?>.*/\1/p" "$wxs"; }

# A name-based UUID (RFC 4122, version 5): the SHA-1 of the namespace's 16 bytes and the name.
uuid5() {
    bytes=$(printf '%s\n' "$1" | tr -d '-' | sed 's/../& /g')
    # shellcheck disable=SC2046,SC2059
    sum=$({ printf "$(for h in $bytes; do printf '\\%03o' "0x$h"; done)"; printf '%s' "$2"; } |
        sha1sum | cut -c1-32)
    variant=$(printf '%x' $(((0x$(echo "$sum" | cut -c17) & 3) | 8)))
    echo "$sum" | sed "s/^\(.\{8\}\)\(.\{4\}\).\(.\{3\}\).\(.\{3\}\)\(.\{12\}\)$/\1-\2-5\3-$variant\4-\5/" |
        tr a-f A-F
}

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
x86_64-w64-mingw32-strip -o "$stage/tarnwick.exe" "$build/tarnwick.exe"
cp "$top/README.md" "$top/LICENSE" "$top/src/res/tarnwick.ico" "$stage/"
touch -d "@$epoch" "$stage"/*
product_code=$(uuid5 "$upgrade_code" "product $version")
package_code=$(uuid5 "$upgrade_code" "package $version $(cat "$wxs" "$stage"/* | sha256sum)")

# wixl takes the summary's times from the clock and makes up a package code of its own: the clock
# is held at SOURCE_DATE_EPOCH and the code written afterwards. wixl checks nothing (no ICE
# validation), so any word from it is taken as an error.
clock=$(date -u -d "@$epoch" '+%Y-%m-%d %H:%M:%S')
mkdir -p "$(dirname "$out")"
rm -f "$out"
case $out in /*) ;; *) out="$PWD/$out" ;; esac
# wixl finds the files by a path relative to where it runs.
if ! said=$(cd "$stage" && TZ=UTC faketime -f "$clock" wixl -a x64 -D Version="$version" \
    -D ProductCode="$product_code" -D SourceDir=. -o "$out" "$wxs" 2>&1) || [ -n "$said" ]; then
    printf '%s\n' "$said" >&2
    rm -f "$out"
    exit 1
fi
TZ=UTC faketime -f "$clock" msibuild "$out" -s "$(defined Description)" "$(defined Publisher)" \
    "x64;1033" "{$package_code}"
echo "${out#"$top"/}"
