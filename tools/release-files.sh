# The files of a release as both packages hold them, sourced by dist.sh and msi.sh so that the
# zip's program and the Windows Installer package's are the same bytes.
# Sets top, version (the project's) and SOURCE_DATE_EPOCH (by default the last commit's time),
# and gives stage_release.
top=$(cd "$(dirname "$0")/.." && pwd)
version=$(sed -n 's/^project(tarnwick VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$top" log -1 --format=%ct 2>/dev/null || true)}
epoch=${epoch:-1767225600}
# strip, too, writes it into the program's header; without it, the time of the build.
export SOURCE_DATE_EPOCH="$epoch"

# stage_release <windows-build-dir> <folder>: the stripped program, README and LICENSE in folder,
# each with the time SOURCE_DATE_EPOCH and the same permissions wherever it is built.
stage_release() {
    x86_64-w64-mingw32-strip -o "$2/tarnwick.exe" "$1/tarnwick.exe"
    "$top/tools/check-imports.sh" "$2/tarnwick.exe" >/dev/null
    cp "$top/README.md" "$top/LICENSE" "$2/"
    chmod 0644 "$2/tarnwick.exe" "$2/README.md" "$2/LICENSE"
    chmod 0755 "$2"
    touch -d "@$epoch" "$2"/* "$2"
}
