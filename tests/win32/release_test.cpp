// The finished program as Explorer sees it: its version resource carries the project's version.
#include "version.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

// tarnwick.exe is built beside the test programs.
std::string programPath() {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path = self;
    return path.substr(0, path.find_last_of("\\/") + 1) + "tarnwick.exe";
}

TEST(Release, VersionResourceCarriesTheProjectVersion) {
    const std::string path = programPath();
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
    ASSERT_GT(size, 0u) << path;
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, data.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(HIWORD(fixed->dwFileVersionMS), TARNWICK_VERSION_MAJOR);
    EXPECT_EQ(LOWORD(fixed->dwFileVersionMS), TARNWICK_VERSION_MINOR);
    EXPECT_EQ(HIWORD(fixed->dwFileVersionLS), TARNWICK_VERSION_PATCH);
    EXPECT_EQ(LOWORD(fixed->dwFileVersionLS), 0);

    char* product = nullptr;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\StringFileInfo\\040904E4\\ProductName",
                               reinterpret_cast<void**>(&product), &length));
    EXPECT_STREQ(product, "Tarnwick");
    char* version = nullptr;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\StringFileInfo\\040904E4\\FileVersion",
                               reinterpret_cast<void**>(&version), &length));
    EXPECT_STREQ(version, TARNWICK_VERSION_TEXT);
}

// The font of a dialog template (DIALOGEX, with DS_SETFONT) and its size in points; empty when
// the template names none.
std::pair<std::wstring, int> templateFont(const BYTE* data) {
    auto word = [&data]() {
        WORD w = 0;
        std::memcpy(&w, data, sizeof w);
        data += sizeof w;
        return w;
    };
    auto string = [&]() {
        std::wstring text;
        for (WORD c = word(); c != 0; c = word())
            text += static_cast<wchar_t>(c);
        return text;
    };
    auto stringOrOrdinal = [&]() {
        WORD first = 0;
        std::memcpy(&first, data, sizeof first);
        if (first == 0xFFFF)
            data += 2 * sizeof(WORD);
        else
            string();
    };
    DWORD style = 0;
    std::memcpy(&style, data + 12, sizeof style); // after version, signature, help id, ex-style
    data += 26;                                   // style, item count, x, y, cx, cy
    stringOrOrdinal();                            // menu
    stringOrOrdinal();                            // window class
    string();                                     // title
    if ((style & DS_SETFONT) == 0)
        return {};
    const int points = word();
    data += sizeof(WORD) + 2; // weight, italic, character set
    return {string(), points};
}

// Every dialog is drawn in the logical dialog font, which Windows maps to a TrueType face that
// links to fonts of every script ("MS Sans Serif", a bitmap font of one code page, would show
// most scripts as boxes).
TEST(Release, EveryDialogUsesTheLogicalDialogFont) {
    HMODULE program = LoadLibraryExA(programPath().c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(program, nullptr);
    std::vector<std::pair<std::wstring, int>> fonts;
    EnumResourceNamesW(
        program, MAKEINTRESOURCEW(5), // RT_DIALOG
        [](HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR found) -> BOOL {
            HRSRC resource = FindResourceW(module, name, type);
            const auto* data =
                static_cast<const BYTE*>(LockResource(LoadResource(module, resource)));
            reinterpret_cast<decltype(fonts)*>(found)->push_back(templateFont(data));
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&fonts));
    FreeLibrary(program);
    const std::pair<std::wstring, int> logical{L"MS Shell Dlg", 8};
    EXPECT_EQ(fonts, decltype(fonts)(4, logical));
}

} // namespace
