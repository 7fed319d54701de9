// Application start: the Main dialog, run modally; the process ends when it closes.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    MessageBoxA(nullptr, "The Main dialog is not built yet.", "Tarnwick v2.0", MB_OK);
    return 0;
}
