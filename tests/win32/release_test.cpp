// The finished program as Explorer shows it under Properties, Details: its name, and the version
// its title bar shows; and where its DLLs come from.
#include "version.h"
#include "win32/dll_search.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

// The folder of the test program, where the program is built too.
std::string ownFolder() {
    char self[MAX_PATH] = {};
    const std::string path(self, GetModuleFileNameA(nullptr, self, MAX_PATH));
    return path.substr(0, path.find_last_of("\\/") + 1);
}

TEST(Release, ExplorerShowsTheNameAndTheVersionOfTheTitleBar) {
    const std::string path = ownFolder() + "tarnwick.exe";
    std::vector<char> data(GetFileVersionInfoSizeA(path.c_str(), nullptr));
    ASSERT_FALSE(data.empty()) << path;
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(data.size()), data.data()));
    auto value = [&data](const std::string& name) {
        char* text = nullptr;
        UINT length = 0;
        VerQueryValueA(data.data(), ("\\StringFileInfo\\040904E4\\" + name).c_str(),
                       reinterpret_cast<void**>(&text), &length);
        return std::string(text != nullptr ? text : "(none)");
    };
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    const std::string title = "Tarnwick v" + std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." +
                              std::to_string(LOWORD(fixed->dwFileVersionMS));
    const std::string version = title.substr(10) + "." +
                                std::to_string(HIWORD(fixed->dwFileVersionLS)) + "." +
                                std::to_string(LOWORD(fixed->dwFileVersionLS));
    EXPECT_EQ(title, TARNWICK_TITLE);
    EXPECT_EQ(value("ProductName"), "Tarnwick");
    EXPECT_EQ(value("FileVersion"), version);
    EXPECT_EQ(value("ProductVersion"), version);
}

// A DLL beside the program is passed over for the system's copy once the program has said where
// DLLs come from. Run with Windows' order of search for that DLL's name (the program's own folder
// first, see CMakeLists.txt), not Wine's own, which takes its built-in copy first.
TEST(DllSearch, ADllBesideTheProgramIsPassedOverForTheSystemsCopy) {
    const struct Planted {
        std::string path;
        ~Planted() { DeleteFileA(path.c_str()); }
    } planted{ownFolder() + "dwmapi.dll"};
    ASSERT_TRUE(CopyFileA((ownFolder() + "planted_dll.dll").c_str(), planted.path.c_str(), FALSE));
    const auto loadsPlanted = [] {
        const HMODULE module = LoadLibraryW(L"dwmapi.dll");
        const bool planted = GetProcAddress(module, "plantedBesideTheProgram") != nullptr;
        return FreeLibrary(module), planted;
    };
    ASSERT_TRUE(loadsPlanted()) << "without the rule, the DLL beside the program is found first";
    tarnwick::loadDllsFromTheSystemOnly();
    EXPECT_FALSE(loadsPlanted());
}

} // namespace
