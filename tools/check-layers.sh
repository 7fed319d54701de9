#!/bin/sh
# Fails when an #include runs against the layers: each folder of src may include only itself and
# the folders below it, and the platform-free folders include no Windows header.
#   app -> ui -> engine -> format, validate -> core;  ui -> win32 -> core;  res stands alone.
cd "$(dirname "$0")/../src" || exit 1
allowed() {
    case $1 in
    core) echo "core" ;;
    format) echo "format core" ;;
    validate) echo "validate core" ;;
    engine) echo "engine format validate core" ;;
    win32) echo "win32 core" ;;
    ui) echo "ui engine format validate core win32 res" ;;
    app) echo "app ui engine format validate core win32 res" ;;
    *) echo "" ;;
    esac
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
            done || status=1
        case $folder in
        core | format | validate | engine)
            if grep -Eiq '^[[:space:]]*#[[:space:]]*include[[:space:]]*<(windows|winbase|winuser|windef|commctrl|shellapi|shlobj|commdlg|io)\.h>' "$file"; then
                echo "$file: includes a Windows header in platform-free code"
                status=1
            fi ;;
        esac
    done
done
exit $status
