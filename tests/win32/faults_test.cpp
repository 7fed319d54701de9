// Faults during a run on real folders: each is reported (or passed over as the rules say), the
// run goes on with the next file, and no file is lost.
#include "engine/commands.h"
#include "win32/win32_file_system.h"

#include "support/forwarding_file_system.h"
#include "support/commands_fixture.h"
#include "support/recording_window.h"
#include "support/temp_folder.h"
#include "support/option_changes.h"
#include "wine_host.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace tarnwick {
namespace {

using namespace testing::changes;
using testing::PreviewKeepingWindow;
using testing::TempFolder;
using testing::wideFromUtf8;

using testing::kInvalidReason;

using FaultFileSystem = testing::ForwardingFileSystem;

class Faults : public testing::CommandsFixture<FaultFileSystem, PreviewKeepingWindow> {
protected:
    Faults() {
        window.options.pathSpec = temp.path();
        window.options.maskOrList = "*.*";
        window.options.numerate = true; // a.txt, b.txt, c.txt become 1.txt, 2.txt, 3.txt
        window.options.startNumber = 1;
        window.options.digitCount = 1;
        window.previewAnswer = true; // Preview, then "Rename"
    }
    // Runs a shell script on the Linux side in the temporary folder.
    bool runInFolder(const std::string& script) const {
        return testing::runShell("cd " + testing::shellQuote(testing::unixPath(temp.path())) +
                                     "\n" + script,
                                 temp.path());
    }
    void makeFiles(const std::vector<std::string>& names) {
        for (const std::string& name : names)
            temp.file(name, "content of " + name);
    }
    std::string failure(const std::string& oldName, const std::string& newName,
                        const std::string& reason) const {
        return testing::renameFailure(temp.path() + oldName, temp.path() + newName, reason);
    }
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const auto& m : window.messages)
            texts.push_back(m.text);
        return texts;
    }
    // Names (as Windows knows them, in UTF-16) and contents of the files below the folder.
    std::map<std::wstring, std::string> tree() const { return temp.snapshot().files; }
    // Every content that was there is there still, once.
    static std::multiset<std::string> contents(const std::map<std::wstring, std::string>& t) {
        std::multiset<std::string> all;
        for (const auto& entry : t)
            all.insert(entry.second);
        return all;
    }

    TempFolder temp;
};

// Windows lets the files of a folder with the read-only attribute be renamed, and read-only files
// too; so does Wine, which as root is not stopped even by a folder without write permission on
// the Linux side. Whatever the platform decides, each file is renamed or reported.
TEST_F(Faults, ReadOnlyFolderAndFileLoseNothing) {
    makeFiles({"a.txt", "b.txt", "c.txt"});
    SetFileAttributesA((temp.path() + "b.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    std::string folder = temp.path();
    folder.pop_back();
    ASSERT_TRUE(SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_READONLY));
    if (testing::underWine())
        testing::runShell("chmod a-w " + testing::shellQuote(testing::unixPath(temp.path())),
                          temp.path());
    const auto before = tree();
    commands.runPreview();
    if (testing::underWine())
        testing::runShell("chmod u+w " + testing::shellQuote(testing::unixPath(temp.path())),
                          temp.path());
    SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    const auto after = tree();
    EXPECT_EQ(contents(after), contents(before));
    std::size_t renamed = 0;
    for (const char* name : {"1.txt", "2.txt", "3.txt"})
        renamed += after.count(wideFromUtf8(name));
    EXPECT_EQ(renamed + window.messages.size(), 3u);
    EXPECT_EQ(window.statusText, std::to_string(renamed) + " file(s) successfully renamed.");
}

TEST_F(Faults, FolderThatVanishesDuringCollectionContributesNothing) {
    temp.file("top.txt", "top");
    temp.file("gone\\x.txt", "x");
    temp.file("kept\\y.txt", "y");
    window.options.includeSubdirs = true;
    fs.beforeSearch = [&](const std::string& pattern) {
        if (pattern.rfind(temp.path() + "gone\\", 0) == 0) {
            DeleteFileA((temp.path() + "gone\\x.txt").c_str());
            RemoveDirectoryA((temp.path() + "gone").c_str());
        }
    };
    commands.runPreview();
    EXPECT_EQ(window.previewedEntries, 2u);
    EXPECT_TRUE(window.showed("2 files found."));
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(temp.list(), (std::vector<std::string>{"1.txt", "kept"}));
    EXPECT_EQ(temp.list("kept\\"), std::vector<std::string>{"1.txt"});
    EXPECT_EQ(window.statusText, "2 file(s) successfully renamed.");
}

// A tree deeper than the platform's 260 characters (paths of up to about 420): every file is
// found, renamed (through a temporary name where only the letter case changes) and given back.
TEST_F(Faults, FilesDeeperThan260CharactersAreFoundRenamedAndGivenBack) {
    const std::wstring root = temp.longPath();
    const std::wstring level(60, L'd');
    std::wstring folder;
    for (int depth = 0; depth < 6; ++depth) {
        folder += level + std::wstring(1, static_cast<wchar_t>(L'0' + depth)) + L"\\";
        ASSERT_TRUE(CreateDirectoryW((root + folder).c_str(), nullptr));
        const std::wstring file = root + folder + L"f.txt";
        HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        const std::string content = "depth " + std::to_string(depth);
        DWORD written = 0;
        WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        CloseHandle(h);
    }
    window.options.includeSubdirs = true;
    window.options.numerate = false;
    letterCase(capitalLetters)(window.options); // f.txt becomes F.TXT where it can
    const auto before = tree();
    commands.runPreview();
    const auto after = tree();

    EXPECT_EQ(contents(after), contents(before));
    EXPECT_EQ(window.previewedEntries, 6u);
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(window.statusText, "6 file(s) successfully renamed.");
    EXPECT_EQ(after.rbegin()->first.substr(after.rbegin()->first.size() - 5), L"F.TXT");
    commands.runUndo();
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(window.statusText, "6 file(s) renamed back.");
    EXPECT_EQ(tree(), before);
}

// "." and ".." in a list name the folder and its parent, no file of it: each is refused with the
// reason of an invalid name (no link is involved), and the listed file is renamed.
TEST_F(Faults, DotAndDotDotInAListAreInvalidNames) {
    makeFiles({"x.txt"});
    window.options.targetMode = TargetMode::listMode;
    window.options.maskOrList = "..:.:x.txt:";
    commands.runPreview();
    ASSERT_EQ(window.previewed.size(), 3u);
    std::vector<std::string> expected;
    for (const FileEntry& e : window.previewed)
        if (e.oldName != "x.txt")
            expected.push_back(failure(e.oldName, e.newName, kInvalidReason));
    EXPECT_EQ(messages(), expected);
    EXPECT_EQ(temp.list(), (std::vector<std::string>{"3.txt"}));
    EXPECT_EQ(window.statusText, "1 file(s) successfully renamed.");
}

} // namespace
} // namespace tarnwick
