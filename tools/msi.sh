#!/bin/sh
# Builds the Windows Installer package dist/tarnwick-<version>-x64.msi from installer/tarnwick.wxs
# with wixl: the stripped program, README and LICENSE, per machine and 64-bit.
# Usage: msi.sh <windows-build-dir> [<output.msi> [<version>]]
# The version is the project's unless given. The same sources give the same bytes: the product
# code is derived from the version, the package code from what the package holds, and every time
# in it (the program's header, the summary's and the cabinet's) is SOURCE_DATE_EPOCH, by default
# the last commit's.
set -e
. "$(dirname "$0")/release-files.sh"
build=$1
version=${3:-$version}
out=${2:-$top/dist/tarnwick-$version-x64.msi}
wxs="$top/installer/tarnwick.wxs"
upgrade_code=$(sed -n 's/.*UpgradeCode="\([0-9A-F-]*\)".*/\1/p' "$wxs")
defined() { sed -n "s/.*<?define $1 = \"\(.*\)\" ?>.*/\1/p" "$wxs"; }

# The version of a program, as its version resource gives it (2.0.0.0), and the language of the
# resource's first translation (1033); empty for a file without a version resource.
fixed_info() { LC_ALL=C grep -obUaP '\xbd\x04\xef\xfe' "$1" | head -1 | cut -d: -f1; }
file_version() {
    at=$(fixed_info "$1")
    [ -n "$at" ] || return 0
    od -An -tu2 -j $((at + 8)) -N8 "$1" | awk '{print $2 "." $1 "." $4 "." $3}'
}
file_language() {
    at=$(LC_ALL=C grep -obUaP 'T\x00r\x00a\x00n\x00s\x00l\x00a\x00t\x00i\x00o\x00n\x00\x00\x00' "$1" |
        head -1 | cut -d: -f1)
    # The value follows the key and the padding to the next four bytes of its block.
    [ -z "$(fixed_info "$1")" ] || [ -z "$at" ] || od -An -tu2 -j $((at + 26)) -N2 "$1" | tr -d ' '
}

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
stage_release "$build" "$stage"
cp "$top/src/res/tarnwick.ico" "$stage/"
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
# wixl writes no Version or Language into the File table, so Windows Installer would take the
# program for an unversioned file: by the file versioning rules "a versioned file gets installed
# over a nonversioned file", so an older tarnwick.exe found in the folder (the portable copy) could
# be kept. Every versioned file gets its version and language, and no MsiFileHash row: "The
# MsiFileHash table can only be used with unversioned files" (ICE60 refuses a hashed versioned
# file), and wixl hashes every file.
msiinfo export "$out" File | tr -d '\r' | awk -F '\t' 'NR > 3 {print $1 "\t" $3}' >"$stage/files"
while IFS="$(printf '\t')" read -r key name; do
    long=${name#*|}
    [ -f "$stage/$long" ] || continue
    file_version=$(file_version "$stage/$long")
    [ -n "$file_version" ] || continue
    TZ=UTC faketime -f "$clock" msibuild "$out" \
        -q "UPDATE File SET Version = '$file_version', Language = '$(file_language "$stage/$long")' WHERE File = '$key'" \
        -q "DELETE FROM MsiFileHash WHERE File_ = '$key'"
done <"$stage/files"
TZ=UTC faketime -f "$clock" msibuild "$out" -s "$(defined Description)" "$(defined Publisher)" \
    "x64;1033" "{$package_code}"
echo "${out#"$top"/}"
