// Names in every script, in UTF-8 whatever the system's language (a run of these tests under a
// Japanese locale shows it). Files are made and listed in UTF-16, so that what reaches the disk is
// seen as the platform stores it.
#include "engine/commands.h"
#include "win32/win32_file_system.h"

#include "support/option_changes.h"
#include "support/commands_fixture.h"
#include "support/recording_window.h"
#include "support/temp_folder.h"
#include "wine_host.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

namespace tarnwick {
namespace {

using namespace testing::changes;
using Names = std::vector<std::wstring>;

// The names in a folder as the platform stores them, sorted.
Names onDisk(const std::wstring& folder) {
    testing::FolderSnapshot taken;
    testing::takeSnapshot(folder, L"", taken);
    Names names;
    for (const auto& file : taken.files)
        names.push_back(file.first);
    return names;
}

struct Row {
    const char* title;
    const wchar_t* folder; // the subfolder typed as the path, without its backslash; "": none
    testing::changes::Change options;
    Names files;
    Names expected;
};

void PrintTo(const Row& run, std::ostream* out) {
    *out << run.title;
}

class ScriptRuns : public testing::CommandsFixture<Win32FileSystem>,
                   public ::testing::WithParamInterface<Row> {};

// Renamed without a message, and given back by the undo.
TEST_P(ScriptRuns, RenameAndUndo) {
    const Row& run = GetParam();
    testing::TempFolder temp;
    std::wstring folder = testing::wideFromUtf8(temp.path());
    if (*run.folder != L'\0') {
        folder += std::wstring(run.folder) + L"\\";
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    }
    for (const std::wstring& name : run.files)
        CloseHandle(CreateFileW((folder + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    const Names before = onDisk(folder);
    ASSERT_EQ(before.size(), run.files.size());

    window.options.pathSpec = temp.path() + testing::utf8FromWide(run.folder);
    window.options.maskOrList = "*.*";
    run.options(window.options);
    window.previewAnswer = true;
    commands.runPreview();
    EXPECT_TRUE(window.messages.empty()) << window.messages[0].text;
    EXPECT_EQ(window.previewedEntries, run.files.size());
    Names expected = run.expected;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(onDisk(folder), expected);

    commands.runUndo();
    EXPECT_TRUE(window.messages.empty()) << window.messages[0].text;
    EXPECT_EQ(onDisk(folder), before);
}

const std::wstring kLongFolder(80, L'\u65E5');

// A table: one row a line or two.
// clang-format off
const Change numbered = numbersFrom(1), capitals = letterCase(capitalLetters),
             small = letterCase(smallLetters), initials = letterCase(capitalInitials);

const Row runs[] = {
    {"every script numbered", L"", numbered,
     {L"\u65E5\u672C.txt", L"\uFF41.txt", L"\u0104b.txt", L"\uD55C\uAD6D\uC5B4.txt",
      L"emoji \U0001F600.txt", L"Wei\u00DF.txt"},
     {L"1.txt", L"2.txt", L"3.txt", L"4.txt", L"5.txt", L"6.txt"}},
    {"capitals keep a Chinese character whole", L"", capitals, {L"\u4E2D.txt"},
     {L"\u4E2D.TXT"}},
    {"small letters in UTF-8", L"", small,
     {L"\u00C4RGER.txt", L"\u0104b.txt", L"\u0414\u041E\u041C.txt"},
     {L"\u0104b.txt", L"\u0414\u041E\u041C.txt", L"\u00E4rger.txt"}},
    // Bengali, Tamil, Ethiopic, Khmer, Devanagari, Chinese (also beyond the Basic Multilingual
    // Plane) letters start a word; an emoji is no letter.
    {"capital initials after a letter of any script", L"", initials,
     {L"\u0995a.txt", L"\u0BA4a.txt", L"\u1200a.txt", L"\u1780a.txt", L"\u0915a.txt", L"\u4E2Da.txt",
      L"\U00020BB7a.txt", L"\U0001F600a.txt"},
     {L"\u0995a.Txt", L"\u0BA4a.Txt", L"\u1200a.Txt", L"\u1780a.Txt", L"\u0915a.Txt", L"\u4E2Da.Txt",
      L"\U00020BB7a.Txt", L"\U0001F600A.Txt"}},
    // 240 bytes of UTF-8 but 80 units of UTF-16, well within what the platform reaches.
    {"a folder beyond MAX_PATH bytes", kLongFolder.c_str(), numbered, {L"a.txt"},
     {L"1.txt"}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Names, ScriptRuns, ::testing::ValuesIn(runs));

} // namespace
} // namespace tarnwick
