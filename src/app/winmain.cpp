// Application start: the Main dialog, run modally with no parent; the process ends when it
// closes. Nothing is saved.
#include "app/main_dialog.h"
#include "win32/dll_search.h"
#include "win32/win32_file_system.h"
#include "ui/shell_dialogs.h"

#include <windows.h>
#include <commctrl.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    tarnwick::loadDllsFromTheSystemOnly();
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                  ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);

    tarnwick::Win32FileSystem fileSystem;
    tarnwick::SystemShellDialogs shellDialogs;
    tarnwick::MainDialog dialog(fileSystem, shellDialogs);
    // OK from Exit or Enter, Cancel from Escape or the close box: both end the program.
    dialog.run();
    return 0;
}
