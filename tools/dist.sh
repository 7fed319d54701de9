#!/bin/sh
# Packs the release: dist/tarnwick-<version>-win64.zip with the stripped program, README and LICENSE.
# Usage: dist.sh <windows-build-dir> [<output.zip>]
# The same sources give the same bytes: the program is stripped as the Windows Installer
# package's is, every entry carries the time SOURCE_DATE_EPOCH (by default the last commit's) and
# the entries come in a fixed order, with no owner or time of the machine that packed them.
set -e
. "$(dirname "$0")/release-files.sh"
build=$1
name="tarnwick-$version-win64"
out=${2:-$top/dist/$name.zip}
case $out in /*) ;; *) out="$PWD/$out" ;; esac
mkdir -p "$(dirname "$out")"
rm -f "$out"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/$name"
stage_release "$build" "$stage/$name"
# zip writes local times: in UTC they are the epoch's everywhere. -X leaves out the extra fields
# (the Unix times, owner and group).
(cd "$stage" && TZ=UTC zip -q -X -D "$out" "$name/tarnwick.exe" "$name/README.md" "$name/LICENSE")
echo "${out#"$top"/}"
