// Collection against real folders: the wildcard rules and the order of the Windows folder search.
#include "engine/commands.h"
#include "win32/win32_file_system.h"

#include "support/commands_fixture.h"
#include "support/recording_window.h"
#include "support/temp_folder.h"
#include "support/option_changes.h"
#include "wine_host.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

namespace tarnwick {
namespace {

using namespace testing::changes;
using testing::TempFolder;

class RealCollectTest : public testing::CommandsFixture<Win32FileSystem> {
protected:
    RealCollectTest() { window.options.pathSpec = temp.path(); }

    // Runs a Preview (cancelled) and returns the previewed list relative to the folder.
    std::vector<std::string> preview(const std::string& mask, bool subdirs = false) {
        window.options.maskOrList = mask;
        window.options.includeSubdirs = subdirs;
        commands.runPreview();
        std::vector<std::string> names;
        for (const FileEntry& e : commands.fileList())
            names.push_back(e.folder.substr(temp.path().size()) + e.oldName);
        return names;
    }

    TempFolder temp;
};

// The platform's search with the program's wildcard rules: a mask matches names in any letter
// case but no folder, "*.*" names without a dot, "?" one character; hidden, system and read-only
// files count; subfolders are searched whether or not they match, and sort after the folder; a
// list is taken in its order, then sorted.
TEST(RealCollect, MasksListsAndSubfoldersOnRealFolders) {
    const struct {
        std::vector<std::string> files;
        const char* maskOrList;
        bool subdirs;
        std::vector<std::string> found;
        TargetMode mode = TargetMode::folderMode;
    } cases[] = {
        {{"a.txt", "B.TXT", "c.doc", "old.txt\\inner.txt"}, "*.txt", false, {"B.TXT", "a.txt"}},
        {{"README", "x.y"}, "*.*", false, {"README", "x.y"}},
        {{"a1.txt", "a22.txt"}, "a?.txt", false, {"a1.txt"}},
        {{"hidden.txt", "system.txt", "readonly.txt"},
         "*.txt",
         false,
         {"hidden.txt", "readonly.txt", "system.txt"}},
        {{"top.txt", "A\\a.txt", "A b\\b.txt", "A\\deeper\\d.txt", "photos\\skip.jpg", "B.txt"},
         "*.txt",
         true,
         {"B.txt", "top.txt", "A b\\b.txt", "A\\a.txt", "A\\deeper\\d.txt"}},
        {{"top.txt", "A\\a.txt", "B.txt"}, "*.txt", false, {"B.txt", "top.txt"}},
        {{}, "*.*", true, {}},
        {{"readme.txt", "install.bat", "setup.exe"},
         "readme.txt:install.bat:setup.exe",
         false,
         {"install.bat", "readme.txt", "setup.exe"},
         TargetMode::listMode},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.maskOrList);
        TempFolder temp;
        for (const std::string& file : c.files)
            temp.file(file);
        for (const char* name : {"hidden.txt", "system.txt", "readonly.txt"})
            SetFileAttributesA((temp.path() + name).c_str(), name[0] == 'h' ? FILE_ATTRIBUTE_HIDDEN
                                                             : name[0] == 's'
                                                                 ? FILE_ATTRIBUTE_SYSTEM
                                                                 : FILE_ATTRIBUTE_READONLY);
        testing::RecordingWindow window;
        window.options.pathSpec = temp.path();
        window.options.maskOrList = c.maskOrList;
        window.options.includeSubdirs = c.subdirs;
        window.options.targetMode = c.mode;
        Win32FileSystem fs;
        Commands commands(window, fs);
        commands.runPreview();
        std::vector<std::string> names;
        for (const FileEntry& e : commands.fileList())
            names.push_back(e.folder.substr(temp.path().size()) + e.oldName);
        EXPECT_EQ(names, c.found);
    }
}

// The platform's search matches "*.doc" against the short name REPORT~1.DOC of Report2.docx too;
// only the names themselves count, and a Rename touches no other file.
TEST_F(RealCollectTest, MaskMatchesTheNameNotItsShortForm) {
    temp.files({"report.doc", "Report2.docx", "a long name.doc"});
    insert("x_")(window.options);
    window.options.maskOrList = "*.doc";
    commands.runRename();
    EXPECT_TRUE(window.showed("2 file(s) successfully renamed."));
    EXPECT_EQ(temp.list(),
              (std::vector<std::string>{"Report2.docx", "x_a long name.doc", "x_report.doc"}));
}

// Linux symbolic links to folders, which Wine shows as folders with the reparse attribute: a
// loop back to the chosen folder and a link to a folder outside it. The walk enters neither, on
// either way of walking, and a Rename touches nothing outside the chosen folder.
TEST_F(RealCollectTest, FolderLinksAreNotWalkedAndRenameStaysInTheChosenFolder) {
    if (!testing::underWine())
        GTEST_SKIP() << "needs the Linux side of Wine to make the links";
    TempFolder outside;
    outside.file("x.txt", "outside");
    temp.file("a.txt", "a");
    temp.file("sub\\b.txt", "b");
    std::string target = outside.path();
    target.pop_back();
    const std::string inSub = "cd " + testing::shellQuote(testing::unixPath(temp.path() + "sub"));
    // The links themselves are removed however the test ends, never what they lead to.
    struct Links {
        std::string inSub;
        std::string scratch;
        ~Links() { testing::runShell(inSub + "\nrm -f loop out", scratch); }
    } links{inSub, temp.path()};
    ASSERT_TRUE(testing::runShell(inSub + "\nln -s .. loop\nln -s " +
                                      testing::shellQuote(testing::unixPath(target)) + " out",
                                  temp.path()));
    const DWORD linkAttributes = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
    ASSERT_EQ(GetFileAttributesA((temp.path() + "sub\\loop").c_str()) & linkAttributes,
              linkAttributes);
    ASSERT_EQ(outside.list(), (std::vector<std::string>{"x.txt"}));

    numbersFrom(1)(window.options);
    for (const char* mask : {"*.*", "*.txt"}) {
        SCOPED_TRACE(mask);
        window.statusTexts.clear();
        EXPECT_EQ(preview(mask, true), (std::vector<std::string>{"a.txt", "sub\\b.txt"}));
        EXPECT_TRUE(window.showed("2 files found."));
    }

    // Without numbering, a walk through the links would rename the first copy of each file,
    // outside ones too, and report every later copy.
    window.options.numerate = false;
    letterCase(capitalLetters)(window.options);
    window.options.maskOrList = "*.*";
    commands.state().previewReady = false; // a Rename of its own, not of the previewed list
    commands.runRename();
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(window.statusText, "2 file(s) successfully renamed.");
    EXPECT_EQ(temp.list(), (std::vector<std::string>{"A.TXT", "sub"}));
    EXPECT_EQ(temp.list("sub\\"), (std::vector<std::string>{"B.TXT", "loop", "out"}));
    EXPECT_EQ(outside.list(), (std::vector<std::string>{"x.txt"}));
    EXPECT_EQ(outside.read("x.txt"), "outside");
}

} // namespace
} // namespace tarnwick
