#!/bin/sh
# Fails when a program imports a DLL that is no KnownDLL of Windows 7 and later: such a DLL is
# taken from the system folder whatever the program's own folder holds. The common controls,
# which are none, are imported late (see CMakeLists.txt) and do not count here.
# Usage: check-imports.sh <program.exe>
known="kernel32.dll user32.dll gdi32.dll comdlg32.dll shell32.dll ole32.dll oleaut32.dll
  advapi32.dll msvcrt.dll shlwapi.dll imm32.dll"
status=0
for dll in $(x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p' |
             tr 'A-Z' 'a-z'); do
    case " $(echo $known) " in
        *" $dll "*) echo "ok: $dll" ;;
        *) echo "no KnownDLL: $dll"; status=1 ;;
    esac
done
exit $status
