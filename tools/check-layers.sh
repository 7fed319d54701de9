#!/bin/sh
# Fails when an #include runs against the layers: each folder of src may include only itself and
# the folders below it, and the platform-free code includes no Windows header: the folders core,
# format, validate and engine, and the files of win32 and ui that the host builds (as CMakeLists
# names them).
#   app -> ui, engine, win32;  ui -> core, win32, res;  engine -> format, validate -> core;
#   win32 -> core;  res stands alone.
cd "$(dirname "$0")/../src" || exit 1
allowed() {
    case $1 in
    core) echo "core" ;;
    format) echo "format core" ;;
    validate) echo "validate core" ;;
    engine) echo "engine format validate core" ;;
    win32) echo "win32 core" ;;
    ui) echo "ui core win32 res" ;;
    app) echo "app ui engine format validate core win32 res" ;;
    *) echo "" ;;
    esac
}
# The platform-free files of win32 and ui, as CMakeLists.txt names them for the host build.
platform_free_files=$(sed -n 's/^set(PLATFORM_FREE_FILES \(.*\))$/\1/p' ../CMakeLists.txt)
[ -n "$platform_free_files" ] || { echo "CMakeLists.txt names no PLATFORM_FREE_FILES"; exit 1; }
# True when a file of src (without its ending) needs no Windows header.
is_platform_free() {
    case $1 in
    core/* | format/* | validate/* | engine/*) return 0 ;;
    esac
    case " $platform_free_files " in
    *" $1 "*) return 0 ;;
    esac
    return 1
}
status=0
for folder in core format validate engine win32 ui app; do
    for file in "$folder"/*.h "$folder"/*.cpp; do
        [ -f "$file" ] || continue
        # Includes of our own files: "folder/name.h", or "name.h" beside the file.
        sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file" |
            while read -r included; do
                case $included in
                */*) target=${included%%/*} ;;
                *) target=$folder ;;
                esac
                case " $(allowed "$folder") " in
                *" $target "*) ;;
                *) echo "$file: includes $included, against the layers"; exit 1 ;;
                esac
                case $included in
                */*) own=${included%.*} ;;
                *) own=$folder/${included%.*} ;;
                esac
                if is_platform_free "${file%.*}" && ! is_platform_free "$own"; then
                    echo "$file: includes $included, which the host does not build"
                    exit 1
                fi
            done || status=1
        if is_platform_free "${file%.*}"; then
            if grep -Eiq '^[[:space:]]*#[[:space:]]*include[[:space:]]*<(windows|winbase|winuser|windef|commctrl|shellapi|shlobj|commdlg|io)\.h>' "$file"; then
                echo "$file: includes a Windows header in platform-free code"
                status=1
            fi
        fi
    done
done
exit $status
