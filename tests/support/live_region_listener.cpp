// A second process that listens as a screen reader does: it hooks the live-region event of one
// process out of context, reads the name of each object that announces a change through Active
// Accessibility, and writes it to a file as a line of UTF-8.
// Usage: live_region_listener <process id> <ready event> <stop event> <output file>
#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr DWORD liveRegionChanged = 0x8019; // EVENT_OBJECT_LIVEREGIONCHANGED
FILE* heard = nullptr;

void CALLBACK onEvent(HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
    IAccessible* accessible = nullptr;
    VARIANT which;
    VariantInit(&which);
    BSTR name = nullptr;
    if (SUCCEEDED(AccessibleObjectFromEvent(hwnd, object, child, &accessible, &which)) &&
        accessible != nullptr)
        accessible->get_accName(which, &name);
    const std::wstring text = name != nullptr ? name : L"";
    char line[1024] = {};
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, line, sizeof line - 1, nullptr, nullptr);
    std::fprintf(heard, "%s\n", line);
    std::fflush(heard);
    SysFreeString(name);
    VariantClear(&which);
    if (accessible != nullptr)
        accessible->Release();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5)
        return 2;
    heard = std::fopen(argv[4], "wb");
    const HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]);
    const HANDLE stop = OpenEventA(SYNCHRONIZE, FALSE, argv[3]);
    if (heard == nullptr || ready == nullptr || stop == nullptr)
        return 3;
    CoInitialize(nullptr);
    const HWINEVENTHOOK hook = SetWinEventHook(
        liveRegionChanged, liveRegionChanged, nullptr, onEvent,
        static_cast<DWORD>(std::strtoul(argv[1], nullptr, 10)), 0, WINEVENT_OUTOFCONTEXT);
    if (hook == nullptr)
        return 4;
    SetEvent(ready);
    // Out-of-context events come as messages to this thread.
    while (MsgWaitForMultipleObjects(1, &stop, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
    }
    UnhookWinEvent(hook);
    CoUninitialize();
    std::fclose(heard);
    return 0;
}
