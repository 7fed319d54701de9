// Target collection and the order of the file list.
#include "engine/collect.h"
#include "engine/commands.h"

#include "support/memory_file_system.h"
#include "support/commands_fixture.h"
#include "support/recording_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace tarnwick {
namespace {

using testing::MemoryFileSystem;

TEST(CompareEntries, OrdersByFolderThenNameByteWise) {
    const struct {
        FileEntry first;
        FileEntry second;
    } cases[] = {
        {{"C:\\", "B.txt", ""}, {"C:\\", "a.txt", ""}},            // capitals sort before small
        {{"C:\\", "a", ""}, {"C:\\", "a.txt", ""}},                // a prefix sorts first
        {{"C:\\A\\", "z.txt", ""}, {"C:\\A\\sub\\", "a.txt", ""}}, // a folder before its subfolders
        {{"C:\\A b\\", "x", ""}, {"C:\\A\\", "x", ""}},     // blank 0x20 before backslash 0x5C
        {{"C:\\DATA\\", "x", ""}, {"C:\\Data\\", "x", ""}}, // case-sensitive
        {{"C:\\", "z", ""}, {"C:\\", "\xE4", ""}},          // bytes compared unsigned
        {{"C:\\", "a", ""}, {"C:\\", "b", ""}},             // names of one byte
        {{"C:\\", "x", ""}, {"C:\\", "xy", ""}},
        // Long paths, the shorter one held in just its own length: only the bytes both have are
        // compared.
        {{"C:\\ffffffffffffffffffffffffffffffffffffffff\\", "x", ""},
         {"C:\\ffffffffffffffffffffffffffffffffffffffff\\sub\\", "a", ""}},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(compareEntries(c.first, c.second)) << c.first.folder << c.first.oldName;
        EXPECT_FALSE(compareEntries(c.second, c.first)) << c.second.folder << c.second.oldName;
    }
    const FileEntry same{"C:\\", "a.txt", "x"};
    EXPECT_FALSE(compareEntries(same, FileEntry{"C:\\", "a.txt", "y"}));
}

// The sort of the file list gives the order of a stable sort by compareEntries: random lists
// from few folders (one of them in two separate groups) and names that agree in their first
// eight bytes or more, with bytes above 0x7F, prefixes and duplicates.
TEST(SortEntries, GivesTheOrderOfAStableSortByCompareEntries) {
    const std::vector<std::string> folders = {"C:\\A\\", "C:\\A b\\", "C:\\A\\sub\\", "C:\\"};
    const std::string letters = "aB.\xE4\x01";
    std::mt19937 random(7);
    auto pick = [&](std::size_t count) {
        return static_cast<std::size_t>(
            std::uniform_int_distribution<std::size_t>(0, count - 1)(random));
    };
    for (int round = 0; round < 500; ++round) {
        FileList files;
        const std::size_t count = pick(40);
        std::size_t folder = pick(folders.size());
        for (std::size_t i = 0; i < count; ++i) {
            if (pick(8) == 0)
                folder = pick(folders.size());
            std::string name = pick(2) == 0 ? "abcdefgh" : "";
            for (std::size_t length = pick(4); length > 0; --length)
                name += letters[pick(letters.size())];
            files.push_back(FileEntry{folders[folder], name, std::to_string(i)});
        }
        FileList expected = files;
        std::stable_sort(expected.begin(), expected.end(), compareEntries);
        sortEntries(files);
        ASSERT_EQ(files.size(), expected.size());
        for (std::size_t i = 0; i < files.size(); ++i) {
            ASSERT_EQ(files[i].folder + files[i].oldName + "|" + files[i].newName,
                      expected[i].folder + expected[i].oldName + "|" + expected[i].newName)
                << "round " << round << ", entry " << i;
        }
    }
}

class CollectTest : public testing::CommandsFixture<MemoryFileSystem> {
protected:
    // Runs a Preview over the given target and returns the collected list in collection order
    // (before sorting) as folder + name.
    std::vector<std::string> collect(const std::string& folder, const std::string& pattern) {
        commands.clearFileList();
        collectTargets(window.options.targetMode, window.options.includeSubdirs, folder, pattern,
                       fs, window, commands.fileList());
        std::vector<std::string> paths;
        for (const FileEntry& e : commands.fileList()) {
            EXPECT_EQ(e.oldName, e.newName);
            paths.push_back(e.folder + e.oldName);
        }
        return paths;
    }
    std::vector<std::string> sorted() {
        sortEntries(commands.fileList());
        std::vector<std::string> paths;
        for (const FileEntry& e : commands.fileList())
            paths.push_back(e.folder + e.oldName);
        return paths;
    }
    // Options are read when a command starts; these tests call collection directly.
    void setOptions(TargetMode mode, bool subdirs) {
        window.options.targetMode = mode;
        window.options.includeSubdirs = subdirs;
        window.options.pathSpec = "C:\\Missing";
        commands.runPreview(); // reads the options; fails harmlessly or previews nothing
    }
};

TEST_F(CollectTest, ListModeTakesTheNamesAsWritten) {
    setOptions(TargetMode::listMode, false);
    EXPECT_EQ(
        collect("C:\\D\\", "readme.txt:install.bat:setup.exe:"),
        (std::vector<std::string>{"C:\\D\\readme.txt", "C:\\D\\install.bat", "C:\\D\\setup.exe"}));
    EXPECT_EQ(window.statusText, "3 files found.");
    EXPECT_EQ(sorted(), (std::vector<std::string>{"C:\\D\\install.bat", "C:\\D\\readme.txt",
                                                  "C:\\D\\setup.exe"}));

    // Text after the last colon is ignored; blanks belong to the name; a name may come twice.
    EXPECT_EQ(collect("C:\\D\\", " a.txt:b.txt:a.txt:tail"),
              (std::vector<std::string>{"C:\\D\\ a.txt", "C:\\D\\b.txt", "C:\\D\\a.txt"}));
    EXPECT_EQ(collect("C:\\D\\", "one.txt:"), (std::vector<std::string>{"C:\\D\\one.txt"}));
    EXPECT_EQ(window.statusText, "1 file found.");
    EXPECT_EQ(collect("C:\\D\\", "no colon"), (std::vector<std::string>{}));
    EXPECT_EQ(window.statusText, "0 files found.");
}

TEST_F(CollectTest, ANameListedTwiceKeepsItsCollectionOrderAfterSorting) {
    setOptions(TargetMode::listMode, false);
    collect("C:\\D\\", "b:a:b:");
    commands.fileList()[0].newName = "first";
    commands.fileList()[2].newName = "second";
    sortEntries(commands.fileList());
    EXPECT_EQ(commands.fileList()[1].newName, "first");
    EXPECT_EQ(commands.fileList()[2].newName, "second");
}

TEST_F(CollectTest, SubfoldersComeFirstDepthFirstThenTheFolderItself) {
    // A folder matching the mask (old.txt) is never an entry.
    fs.add("C:\\T\\", {"top.txt", "one\\", "one\\x.txt", "one\\deep\\", "one\\deep\\y.TXT",
                       "old.txt\\", "old.txt\\z.txt", "skip.doc"});

    setOptions(TargetMode::folderMode, true);
    EXPECT_EQ(collect("C:\\T\\", "*.txt"),
              (std::vector<std::string>{"C:\\T\\one\\deep\\y.TXT", "C:\\T\\one\\x.txt",
                                        "C:\\T\\old.txt\\z.txt", "C:\\T\\top.txt"}));
    EXPECT_EQ(window.statusText, "4 files found.");

    setOptions(TargetMode::folderMode, false);
    EXPECT_EQ(collect("C:\\T\\", "*.txt"), (std::vector<std::string>{"C:\\T\\top.txt"}));
    EXPECT_EQ(window.statusText, "1 file found.");
}

// A mask that takes every name reads each folder once, and gives what the two searches give:
// never a search in "." or "..", never a folder as a file, the same order.
TEST_F(CollectTest, EveryNameMaskWithSubfoldersSearchesEachFolderOnce) {
    fs.add("C:\\T\\", {"top.txt", "one\\", "one\\x.txt", "one\\deep\\", "one\\deep\\y", "README",
                       "z.dir\\", "z.dir\\f", "empty\\"});
    const std::vector<std::string> expected = {"C:\\T\\one\\deep\\y", "C:\\T\\one\\x.txt",
                                               "C:\\T\\z.dir\\f", "C:\\T\\top.txt",
                                               "C:\\T\\README"};
    setOptions(TargetMode::folderMode, true);
    for (const std::string mask : {"*.*", "*", "**"}) {
        SCOPED_TRACE(mask);
        fs.searches.clear();
        EXPECT_EQ(collect("C:\\T\\", mask), expected);
        EXPECT_EQ(window.statusText, "5 files found.");
        std::vector<std::string> folders;
        for (const std::string& search : fs.searches)
            folders.push_back(search.substr(0, search.rfind('\\') + 1));
        const std::vector<std::string> once = {"C:\\T\\", "C:\\T\\one\\", "C:\\T\\one\\deep\\",
                                               "C:\\T\\z.dir\\", "C:\\T\\empty\\"};
        // "**" takes every name too, but the plain way: each folder is searched twice.
        if (mask != "**") {
            EXPECT_EQ(folders, once);
        }
        for (const std::string& folder : folders) {
            EXPECT_EQ(folder.find("\\.\\"), std::string::npos) << folder;
            EXPECT_EQ(folder.find("\\..\\"), std::string::npos) << folder;
        }
    }
}

// The walk never enters a folder link, on either way of walking (one search or two), and a link
// is no entry even when its name matches the mask; the chosen folder is walked even when it is a
// link itself, its own subfolders with it.
TEST_F(CollectTest, FolderLinksAreNotWalkedButAChosenLinkIs) {
    fs.add("C:\\T\\", {"a.txt", "sub\\", "sub\\b.txt"});
    fs.addFolderLink("C:\\T\\sub\\loop"); // stands for C:\T
    fs.addFile("C:\\T\\sub\\loop\\a.txt");
    fs.addFolderLink("C:\\T\\sub\\out.txt"); // stands for a folder elsewhere
    fs.addFile("C:\\T\\sub\\out.txt\\c.txt");
    fs.addFolder("C:\\T\\sub\\out.txt\\deep");
    fs.addFile("C:\\T\\sub\\out.txt\\deep\\d.txt");
    setOptions(TargetMode::folderMode, true);
    for (const std::string mask : {"*.*", "*.txt"}) {
        SCOPED_TRACE(mask);
        EXPECT_EQ(collect("C:\\T\\", mask),
                  (std::vector<std::string>{"C:\\T\\sub\\b.txt", "C:\\T\\a.txt"}));
        EXPECT_EQ(window.statusText, "2 files found.");
        EXPECT_EQ(collect("C:\\T\\sub\\out.txt\\", mask),
                  (std::vector<std::string>{"C:\\T\\sub\\out.txt\\deep\\d.txt",
                                            "C:\\T\\sub\\out.txt\\c.txt"}));
    }
}

TEST_F(CollectTest, AFolderThatCannotBeSearchedContributesNothing) {
    setOptions(TargetMode::folderMode, true);
    EXPECT_EQ(collect("C:\\Gone\\", "*.*"), (std::vector<std::string>{}));
    EXPECT_EQ(window.statusText, "0 files found.");
}

} // namespace
} // namespace tarnwick
