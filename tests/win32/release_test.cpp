// The finished program as Explorer shows it under Properties, Details: its name, and the version
// its title bar shows.
#include "version.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

TEST(Release, ExplorerShowsTheNameAndTheVersionOfTheTitleBar) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path = self;
    path = path.substr(0, path.find_last_of("\\/") + 1) + "tarnwick.exe"; // built beside the tests
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

} // namespace
