// The Windows rename against real folders: never replaces, reports the runtime's error numbers,
// and makes a change of letter case stick.
#include "win32/win32_file_system.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace tarnwick {
namespace {

using testing::TempFolder;
using Names = std::vector<std::string>;

// Holds a file open the way another program does that allows reading and writing but not
// deleting or renaming.
class OpenFile {
public:
    explicit OpenFile(const std::string& path)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~OpenFile() {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

class PlatformRenameTest : public ::testing::Test {
protected:
    int rename(const std::string& from, const std::string& to) {
        return fs.rename(temp.path() + from, temp.path() + to);
    }
    TempFolder temp;
    Win32FileSystem fs;
};

TEST_F(PlatformRenameTest, RenamesAFileAndAFolder) {
    temp.file("a.txt", "content");
    temp.folder("sub");
    EXPECT_EQ(rename("a.txt", "b.txt"), 0);
    EXPECT_EQ(rename("sub", "other"), 0);
    EXPECT_EQ(temp.list(), (Names{"b.txt", "other"}));
    EXPECT_EQ(temp.read("b.txt"), "content");
}

TEST_F(PlatformRenameTest, ExistingTargetIsNeverReplaced) {
    struct Case {
        const char* from;
        const char* to;
    };
    // The same name, another spelling of it, a folder in the way, and a folder onto a file.
    for (const Case& c : {Case{"a.txt", "b.txt"}, Case{"a.txt", "B.TXT"}, Case{"a.txt", "dir"},
                          Case{"dir", "b.txt"}}) {
        SCOPED_TRACE(std::string(c.from) + " -> " + c.to);
        TempFolder folder;
        folder.file("a.txt", "old");
        folder.file("b.txt", "keep");
        folder.folder("dir");
        EXPECT_EQ(fs.rename(folder.path() + c.from, folder.path() + c.to), 17);
        EXPECT_EQ(folder.list(), (Names{"a.txt", "b.txt", "dir"}));
        EXPECT_EQ(folder.read("a.txt"), "old");
        EXPECT_EQ(folder.read("b.txt"), "keep");
    }
}

TEST_F(PlatformRenameTest, FailuresGiveTheRuntimesErrorNumbers) {
    temp.file("a.txt");
    EXPECT_EQ(rename("gone.txt", "x.txt"), 2);
    EXPECT_EQ(rename("a.txt", "no such folder\\x.txt"), 2);
    EXPECT_EQ(rename("a.txt", "a?b.txt"), 22);
    EXPECT_EQ(rename("a.txt", "a<b.txt"), 22);
    {
        OpenFile open(temp.path() + "a.txt");
        ASSERT_TRUE(open.valid());
        EXPECT_EQ(rename("a.txt", "x.txt"), 13);
    }
    EXPECT_EQ(temp.list(), (Names{"a.txt"}));
}

TEST_F(PlatformRenameTest, TheSameNameSucceedsAndTouchesNothing) {
    temp.file("a.txt", "content");
    EXPECT_EQ(rename("a.txt", "a.txt"), 0);
    EXPECT_EQ(temp.list(), (Names{"a.txt"}));
    EXPECT_EQ(temp.read("a.txt"), "content");
    EXPECT_EQ(rename("gone.txt", "gone.txt"), 2);
}

TEST_F(PlatformRenameTest, ChangeOfLetterCaseReachesTheDisk) {
    // ASCII letters, and the code page's own letters: ä/Ä (0xE4/0xC4) and š/Š (0x9A/0x8A).
    const Names before{"readme.txt", "\xe4rger.txt", "\x9a.txt", "folder"};
    const Names after{"ReadMe.TXT", "\xc4rger.txt", "\x8a.txt", "FOLDER"};
    for (std::size_t i = 0; i < before.size(); ++i) {
        SCOPED_TRACE(after[i]);
        TempFolder folder;
        if (before[i] == "folder")
            folder.folder("folder");
        else
            folder.file(before[i], "content");
        EXPECT_EQ(fs.rename(folder.path() + before[i], folder.path() + after[i]), 0);
        EXPECT_EQ(folder.list(), (Names{after[i]})); // and no temporary file left behind
        if (before[i] != "folder") {
            EXPECT_EQ(folder.read(after[i]), "content");
        }
    }
}

TEST_F(PlatformRenameTest, FailedChangeOfLetterCaseKeepsTheOldName) {
    temp.file("a.txt");
    OpenFile open(temp.path() + "a.txt");
    ASSERT_TRUE(open.valid());
    EXPECT_EQ(rename("a.txt", "A.txt"), 13);
    EXPECT_EQ(temp.list(), (Names{"a.txt"}));
}

} // namespace
} // namespace tarnwick
