// A second process that listens as a screen reader does: it hooks the live-region event of one
// process out of context and writes a line "listening", then the name of each object that
// announces a change, read through Active Accessibility. Usage: <process id> <file>
#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <cstdlib>

static FILE* heard = nullptr;

static void CALLBACK onEvent(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD,
                             DWORD) {
    IAccessible* accessible = nullptr;
    VARIANT which;
    BSTR name = nullptr;
    if (SUCCEEDED(AccessibleObjectFromEvent(window, object, child, &accessible, &which)))
        accessible->get_accName(which, &name);
    std::fprintf(heard, "%ls\n", name != nullptr ? name : L"");
    std::fflush(heard);
}

int main(int, char** argv) {
    heard = std::fopen(argv[2], "w");
    CoInitialize(nullptr);
    const DWORD process = std::strtoul(argv[1], nullptr, 10);
    SetWinEventHook(0x8019, 0x8019, nullptr, onEvent, process, 0, WINEVENT_OUTOFCONTEXT);
    std::fprintf(heard, "listening\n");
    std::fflush(heard);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) // the events come as messages
        DispatchMessageW(&message);
}
