// The Linux side of a test that runs under Wine: Unix paths and shell commands, for what the
// Windows side cannot make on its own (names that differ only in letter case in one folder), and
// Windows' own conversion between UTF-8 and UTF-16, which is not the program's.
#pragma once

#include <windows.h>

#include <string>

namespace tarnwick::testing {

inline bool underWine() {
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

// UTF-16 for a UTF-8 text.
inline std::wstring wideFromUtf8(const std::string& text) {
    if (text.empty())
        return {};
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &wide[0], n);
    return wide;
}

// UTF-8 for a UTF-16 text.
inline std::string utf8FromWide(const std::wstring& wide) {
    if (wide.empty())
        return {};
    const int n = static_cast<int>(wide.size());
    const int m = WideCharToMultiByte(CP_UTF8, 0, wide.data(), n, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(m), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), n, &text[0], m, nullptr, nullptr);
    return text;
}

// The Unix path (UTF-8) of a Windows path; empty when not under Wine.
inline std::string unixPath(const std::string& windowsPath) {
    using Convert = char*(CDECL*)(LPCWSTR);
    auto convert = reinterpret_cast<Convert>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (convert == nullptr)
        return {};
    char* path = convert(wideFromUtf8(windowsPath).c_str());
    if (path == nullptr)
        return {};
    std::string result = path;
    HeapFree(GetProcessHeap(), 0, path);
    return result;
}

// Single quotes for the shell.
inline std::string shellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs a POSIX shell script on the Linux side and waits until it has finished; true when it ran
// to its end. Wine does not follow a Linux program it starts, so the script leaves a mark when
// done. Script and mark live beside scratchFolder (a folder path with its closing backslash).
inline bool runShell(const std::string& script, const std::string& scratchFolder) {
    std::string base = scratchFolder;
    base.pop_back();
    const std::string file = base + "~script.sh";
    const std::string mark = base + "~script.done";
    DeleteFileA(mark.c_str());
    const std::string text = script + "\n: > " + shellQuote(unixPath(mark)) + "\n";
    HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(h);
    std::string command = "/bin/sh -e \"" + unixPath(file) + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    bool done = false;
    if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        for (int waited = 0; waited < 20000 && !done; waited += 5) {
            done = GetFileAttributesA(mark.c_str()) != INVALID_FILE_ATTRIBUTES;
            if (!done)
                Sleep(5);
        }
    }
    DeleteFileA(file.c_str());
    DeleteFileA(mark.c_str());
    return done;
}

} // namespace tarnwick::testing
