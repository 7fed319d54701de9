#include "dll_search.h"

#include <windows.h>

#include <string>

namespace tarnwick {

namespace {

// The DLLs that the system's own DLLs load by name while this program runs on Windows 7 (the
// visual styles, the window frame, the file chooser and folder browser, the shell's links and the
// annotation service), none of them a KnownDLL there.
constexpr const wchar_t* loadedByName[] = {
    L"uxtheme.dll",  L"dwmapi.dll",   L"version.dll", L"propsys.dll",       L"cryptbase.dll",
    L"oleacc.dll",   L"userenv.dll",  L"profapi.dll", L"apphelp.dll",       L"ntmarta.dll",
    L"sspicli.dll",  L"linkinfo.dll", L"ntshrui.dll", L"cscapi.dll",        L"srvcli.dll",
    L"netutils.dll", L"duser.dll",    L"dui70.dll",   L"explorerframe.dll", L"windowscodecs.dll",
};

} // namespace

// "Dynamic-Link Library Search Order"
// (https://learn.microsoft.com/windows/win32/dlls/dynamic-link-library-search-order): a DLL
// loaded by name is looked for first in "The directory from which the application loaded", and
// so are the DLLs that a DLL loads, "even if the first DLL was loaded by specifying a full path";
// only KnownDLLs are always the system's copy. SetDefaultDllDirectories with
// LOAD_LIBRARY_SEARCH_SYSTEM32 leaves the system folder alone in that search
// (https://learn.microsoft.com/windows/win32/api/libloaderapi/nf-libloaderapi-setdefaultdlldirectories).
// On Windows 7 the page asks to "use the GetProcAddress function to retrieve its address from
// Kernel32.dll", which has it only with update KB2533623; kernel32 is in every process, and
// GetModuleHandle takes no reference to it. The common controls, loaded late by their name, still
// come from the side-by-side store the manifest names: "Side-by-side (SxS) manifest redirection"
// comes before every folder of the search.
// Without the call, SetDllDirectory with an empty text "removes the current directory from the
// default DLL search order"
// (https://learn.microsoft.com/windows/win32/api/winbase/nf-winbase-setdlldirectoryw), and the
// DLLs the system loads by name are loaded first from the system folder by their full path, each
// with its own imports looked for there (LOAD_WITH_ALTERED_SEARCH_PATH): a DLL already loaded is
// the one a later load by its name finds ("Loaded-module list").
void loadDllsFromTheSystemOnly() {
    using SetDefaultDllDirectories = BOOL(WINAPI*)(DWORD);
    const FARPROC found =
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    const auto setDefault =
        reinterpret_cast<SetDefaultDllDirectories>(reinterpret_cast<void (*)()>(found));
    if (setDefault != nullptr && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32))
        return;
    SetDllDirectoryW(L"");
    // GetSystemDirectory gives the length without the closing null, or, when the buffer is too
    // small, the size it needs with it; the path "does not end with a backslash unless the system
    // directory is the root directory"
    // (https://learn.microsoft.com/windows/win32/api/sysinfoapi/nf-sysinfoapi-getsystemdirectoryw).
    wchar_t buffer[MAX_PATH];
    const UINT length = GetSystemDirectoryW(buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    std::wstring folder(buffer, length);
    if (folder.back() != L'\\')
        folder += L'\\';
    for (const wchar_t* name : loadedByName)
        LoadLibraryExW((folder + name).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

} // namespace tarnwick
