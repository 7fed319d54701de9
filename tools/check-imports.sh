#!/bin/sh
# Fails when a program imports a DLL that is not part of Windows itself.
# Usage: check-imports.sh <program.exe>
allowed="kernel32.dll user32.dll gdi32.dll comctl32.dll comdlg32.dll shell32.dll ole32.dll
  oleacc.dll advapi32.dll msvcrt.dll version.dll"
status=0
for dll in $(x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p' |
             tr 'A-Z' 'a-z'); do
    case " $(echo $allowed) " in
        *" $dll "*) echo "ok: $dll" ;;
        *) echo "not part of Windows: $dll"; status=1 ;;
    esac
done
exit $status
