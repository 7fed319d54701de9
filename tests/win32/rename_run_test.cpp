// Renaming a previewed list on real folders: the per-file reports, the count and the update of
// the list afterwards.
#include "engine/commands.h"
#include "win32/win32_file_system.h"

#include "support/commands_fixture.h"
#include "support/recording_window.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <iterator>
#include <sstream>

namespace tarnwick {
namespace {

using testing::RecordingWindow;
using testing::TempFolder;
using Names = std::vector<std::string>;

// The words of a text, split at blanks; a word "old>new" stands for a rename.
Names words(const std::string& text) {
    std::istringstream in(text);
    return Names(std::istream_iterator<std::string>(in), std::istream_iterator<std::string>());
}
std::string before(const std::string& rename) {
    return rename.substr(0, rename.find('>'));
}
std::string after(const std::string& rename) {
    return rename.substr(rename.find('>') + 1);
}

// Each file of the run, in a fresh folder whose files hold their own names: renamed, passed over
// without a word where its new name is taken, or reported, and the run goes on with the next. In
// list mode the list field names each file by the name it has now.
TEST(RenameRun, EachFileIsRenamedPassedOverOrReported) {
    const struct {
        const char* what;
        const char* files;
        const char* held;    // a file held open during the run
        const char* renames; // old>new ...
        const char* after;   // name=content ... on disk afterwards
        const char* failed;  // old>new ... of the files reported, with the reason
        std::string reason;
        std::size_t passedOver;          // the bar of the renames steps for every other file
        const char* listField = nullptr; // in list mode, the list field afterwards
    } cases[] = {
        // clang-format off
        {"a name still held by a later entry", "a.txt b.txt", "", "a.txt>b.txt b.txt>d.txt",
         "a.txt=a.txt d.txt=b.txt", "", "", 1},
        {"a taken name", "a.txt b.txt", "", "a.txt>b.txt", "a.txt=a.txt b.txt=b.txt", "", "", 1},
        {"a file the mask leaves out", "a.txt b.txt keep.doc", "", "a.txt>a.bak b.txt>c.txt",
         "a.bak=a.txt c.txt=b.txt keep.doc=keep.doc", "", "", 0},
        {"a file deleted since", "next.txt", "", "gone.txt>x.txt next.txt>y.txt", "y.txt=next.txt",
         "gone.txt>x.txt", testing::kNotFoundReason, 0},
        {"a file open elsewhere", "held.txt other.txt", "held.txt", "held.txt>h.txt other.txt>o.txt",
         "held.txt=held.txt o.txt=other.txt", "held.txt>h.txt", testing::kAccessReason, 0},
        {"list mode", "readme.txt setup.exe", "", "readme.txt>01.txt setup.exe>02.exe",
         "01.txt=readme.txt 02.exe=setup.exe", "", "", 0, "01.txt:02.exe"},
        // a.txt is passed over (b.txt still holds its new name), gone.txt fails: both keep their
        // old names, so that the next command does not take the file now called b.txt for a.txt.
        {"list mode, files not renamed", "a.txt b.txt", "", "a.txt>b.txt b.txt>c.txt gone.txt>g.txt",
         "a.txt=a.txt c.txt=b.txt", "gone.txt>g.txt", testing::kNotFoundReason, 1,
         "a.txt:c.txt:gone.txt"},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder temp;
        for (const std::string& name : words(c.files))
            temp.file(name, name);
        RecordingWindow window;
        Win32FileSystem fs;
        Commands commands(window, fs);
        window.options.targetMode = c.listField ? TargetMode::listMode : TargetMode::folderMode;
        commands.state() = RunState{temp.path(), "*.txt", false, true};
        for (const std::string& rename : words(c.renames))
            commands.fileList().push_back(FileEntry{temp.path(), before(rename), after(rename)});
        const testing::OpenFile held(temp.path() + c.held); // the folder itself opens not
        ASSERT_EQ(held.valid(), *c.held != 0);
        commands.runRename();
        Names onDisk, matching, reported, expected; // matching: the names the mask takes
        for (const std::string& name : temp.list()) {
            onDisk.push_back(name + "=" + temp.read(name));
            if (name.find(".txt") != std::string::npos)
                matching.push_back(name);
        }
        EXPECT_EQ(onDisk, words(c.after));
        for (const auto& message : window.messages)
            reported.push_back(message.caption + ": " + message.text);
        for (const std::string& failed : words(c.failed))
            expected.push_back("Tarnwick Error: " +
                               testing::renameFailure(temp.path() + before(failed),
                                                      temp.path() + after(failed), c.reason));
        EXPECT_EQ(reported, expected);
        const std::size_t count = words(c.renames).size(), steps = count - c.passedOver;
        const std::string bar = std::to_string(steps);
        EXPECT_EQ(window.bars().at(1), "0 to " + std::to_string(count) + " by 1: " + bar +
                                           " steps, up to " + bar + ", left at " + bar);
        EXPECT_EQ(window.statusText,
                  std::to_string(steps - expected.size()) + " file(s) successfully renamed.");
        if (c.listField == nullptr) { // the list collected again: the folder as it is now
            EXPECT_TRUE(window.fieldTexts.empty());
            Names listed;
            for (const FileEntry& e : commands.fileList())
                listed.push_back(e.oldName);
            std::sort(listed.begin(), listed.end());
            EXPECT_EQ(listed, matching);
            continue;
        }
        ASSERT_EQ(window.fieldTexts.size(), 1u);
        EXPECT_EQ(window.fieldTexts[0], std::make_pair(Field::fileList, std::string(c.listField)));
        for (const FileEntry& e : commands.fileList())
            EXPECT_EQ(e.oldName, e.newName);
    }
}

} // namespace
} // namespace tarnwick
