// Undoing the Renames on the in-memory file system: what goes back, in which order, what is
// reported, and when there is nothing to undo.
#include "engine/commands.h"
#include "engine/undo_history.h"

#include "support/memory_file_system.h"
#include "support/commands_fixture.h"
#include "support/recording_window.h"
#include "support/option_changes.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace tarnwick {
namespace {

using namespace testing::changes;
using testing::MemoryFileSystem;
using testing::RecordingWindow;
using Paths = std::vector<std::string>;

class UndoTest : public testing::CommandsFixture<MemoryFileSystem> {
protected:
    UndoTest() {
        fs.addFolder("C:\\f");
        commands.state().targetFolder = "C:\\f\\";
        commands.state().targetPattern = "*.*";
    }

    // Renames the list as previewed, then forgets what the window saw.
    void rename(const std::vector<std::pair<const char*, const char*>>& renames) {
        previewed("C:\\f\\", renames);
        window.options.targetMode = mode;
        commands.runRename();
        window = RecordingWindow();
        window.options.targetMode = mode;
    }
    Paths sorted() const {
        Paths all = fs.files();
        std::sort(all.begin(), all.end());
        return all;
    }

    TargetMode mode = TargetMode::folderMode;
};

// 2.txt took the name 1.txt after 1.txt had become 0.txt: the last renamed goes back first.
TEST_F(UndoTest, AChainUnwindsInReverseOrder) {
    fs.add("C:\\f\\", {"1.txt", "2.txt"});
    rename({{"1.txt", "0.txt"}, {"2.txt", "1.txt"}});
    ASSERT_EQ(sorted(), (Paths{"C:\\f\\0.txt", "C:\\f\\1.txt"}));
    ASSERT_TRUE(commands.canUndo());
    commands.state().previewReady = true; // as a Preview cancelled since leaves it

    // "No" gives nothing back and keeps the undo for later.
    window.yesNoAnswer = false;
    commands.runUndo();
    EXPECT_EQ(sorted(), (Paths{"C:\\f\\0.txt", "C:\\f\\1.txt"}));
    EXPECT_EQ(window.bar(), "untouched");
    EXPECT_EQ(window.statusTexts.size() + window.outcomes.size(), 0u);
    ASSERT_TRUE(commands.canUndo() && commands.state().previewReady);
    window = RecordingWindow();

    commands.runUndo();

    ASSERT_EQ(window.questions.size(), 1u);
    EXPECT_EQ(window.questions[0].text,
              "Give the 2 file(s) renamed by the last Rename their old names back?");
    EXPECT_EQ(window.questions[0].caption, "Tarnwick");
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(sorted(), (Paths{"C:\\f\\1.txt", "C:\\f\\2.txt"}));
    // Asked first; the bar steps once per file going back.
    EXPECT_EQ(window.calls.front(), "askYesNo");
    EXPECT_EQ(window.bars().front(), "0 to 2 by 1: 2 steps, up to 2, left at 2");
    EXPECT_EQ(window.stepLabels, (Paths{"Step 1 of 2", "Step 2 of 2", ""}));
    EXPECT_EQ(window.statusTexts,
              (Paths{"Renaming ...", "Updating filename list ...", "2 files found."}));
    EXPECT_EQ(window.outcomes, Paths{"2 file(s) renamed back."});
    EXPECT_EQ(window.progressPos, 0);
    EXPECT_FALSE(commands.state().previewReady);
    EXPECT_EQ(commands.fileList().size(), 2u); // collected again
}

// Only the files the Rename renamed go back: not one whose new name was taken, nor one that kept
// its name, nor one whose rename failed.
TEST_F(UndoTest, OnlyTheFilesThatGotANewNameGoBack) {
    fs.add("C:\\f\\", {"a.txt", "b.txt", "c.txt", "d.txt", "f.txt"});
    fs.failRename("C:\\f\\d.txt", 13);
    rename({{"a.txt", "b.txt"}, {"c.txt", "c.txt"}, {"d.txt", "e.txt"}, {"f.txt", "g.txt"}});

    commands.runUndo();

    ASSERT_EQ(window.questions.size(), 1u);
    EXPECT_EQ(window.questions[0].text,
              "Give the 1 file(s) renamed by the last Rename their old names back?");
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(window.outcomes, Paths{"1 file(s) renamed back."});
    EXPECT_EQ(sorted(), (Paths{"C:\\f\\a.txt", "C:\\f\\b.txt", "C:\\f\\c.txt", "C:\\f\\d.txt",
                               "C:\\f\\f.txt"}));
}

// A file that cannot go back is reported with both paths the other way round, keeps its new name,
// and the undo goes on with the next file. A taken old name is such a failure.
TEST_F(UndoTest, AFileThatCannotGoBackIsReportedAndTheUndoGoesOn) {
    const struct {
        const char* what;
        std::function<void(MemoryFileSystem&)> meanwhile;
        std::string reason;
    } cases[] = {
        {"old name taken", [](MemoryFileSystem& f) { f.addFile("C:\\f\\b.txt"); },
         testing::kAccessReason},
        {"file gone", [](MemoryFileSystem& f) { f.removeEntry("C:\\f\\y.txt"); },
         testing::kNotFoundReason},
        {"access refused", [](MemoryFileSystem& f) { f.failRename("C:\\f\\y.txt", 13); },
         testing::kAccessReason},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs = MemoryFileSystem{};
        fs.add("C:\\f\\", {"a.txt", "b.txt"});
        rename({{"a.txt", "x.txt"}, {"b.txt", "y.txt"}});
        c.meanwhile(fs);

        commands.runUndo();

        ASSERT_EQ(window.messages.size(), 1u);
        EXPECT_EQ(window.messages[0].text,
                  testing::renameFailure("C:\\f\\y.txt", "C:\\f\\b.txt", c.reason));
        EXPECT_EQ(window.messages[0].caption, "Tarnwick Error");
        EXPECT_EQ(window.outcomes, Paths{"1 file(s) renamed back."});
        EXPECT_TRUE(fs.exists("C:\\f\\a.txt"));
        EXPECT_FALSE(fs.exists("C:\\f\\x.txt"));
    }
}

// Renames undone newest first, back to the start; one that renamed none changes nothing. Both files
// of the newer stay (c.txt comes anew): the older undo takes b.txt from z.txt, no other file.
TEST_F(UndoTest, EveryRenameIsUndoneInTurnAndAFileLeftBehindStillGoesBack) {
    commands.runUndo();
    EXPECT_TRUE(window.calls.empty());
    fs.add("C:\\f\\", {"a.txt", "b.txt", "c.txt"});
    rename({{"a.txt", "x.txt"}, {"b.txt", "y.txt"}});
    rename({{"c.txt", "x.txt"}}); // taken: renames nothing
    rename({{"y.txt", "z.txt"}, {"c.txt", "y.txt"}});
    fs.addFile("C:\\f\\c.txt");
    for (const char* back : {"0 file(s) renamed back.", "2 file(s) renamed back."}) {
        commands.runUndo();
        EXPECT_EQ(window.statusText, back);
    }
    EXPECT_EQ(window.messages.size(), 2u);
    EXPECT_EQ(sorted(), (Paths{"C:\\f\\a.txt", "C:\\f\\b.txt", "C:\\f\\c.txt", "C:\\f\\y.txt"}));
    EXPECT_FALSE(commands.canUndo());
}

// Runs undone newest first, an empty one passed over; beyond a limit of 3 entries the oldest go
// first, the newest kept whole. Each run as many entries as letters, named by them.
TEST(UndoHistoryTest, NewestFirstWithinTheLimit) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"a", "bc"}, "bc a "}, {{"a", "", "b"}, "b a "}, {{"a", "b", "cd"}, "cd b "},
        {{"ab", "cd"}, "cd "},  {{"a", "bcde"}, "bcde "},
    };
    for (const auto& [runs, undone] : cases) {
        UndoHistory history(3);
        for (const std::string& run : runs)
            history.push(FileList(run.size(), FileEntry{"C:\\f\\", run, "n"}));
        std::string names;
        while (!history.empty()) {
            const std::size_t asked = history.newestSize();
            const FileList run = history.pop();
            names += run.size() != asked || run.empty() ? "?" : run[0].oldName + " ";
        }
        EXPECT_EQ(names, undone);
    }
}

// In list mode the field names every file by the name it has after the undo: its old name where
// it went back, its new one where it could not, also when a Preview (cancelled) came between.
TEST_F(UndoTest, ListModeNamesEachFileByTheNameItNowHas) {
    const struct {
        const char* what;
        std::vector<const char*> files;
        std::vector<std::pair<const char*, const char*>> renames;
        const char* failing; // its rename back fails, or nothing
        bool previewBetween;
        const char* field;
        const char* status;
    } cases[] = {
        // clang-format off
        {"the middle of three fails", {"a.txt", "b.txt", "c.txt", "d.txt"},
         {{"a.txt", "x.txt"}, {"b.txt", "y.txt"}, {"c.txt", "c.txt"}, {"d.txt", "z.txt"}},
         "C:\\f\\y.txt", false, "a.txt:y.txt:c.txt:d.txt", "2 file(s) renamed back."},
        {"the first of two fails", {"a.txt", "b.txt"}, {{"a.txt", "x.txt"}, {"b.txt", "y.txt"}},
         "C:\\f\\x.txt", false, "x.txt:b.txt", "1 file(s) renamed back."},
        {"after a cancelled Preview", {"a.txt", "b.txt"}, {{"a.txt", "x.txt"}, {"b.txt", "y.txt"}},
         nullptr, true, "a.txt:b.txt", "2 file(s) renamed back."},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs = MemoryFileSystem{};
        fs.addFolder("C:\\f");
        for (const char* name : c.files)
            fs.addFile(std::string("C:\\f\\") + name);
        mode = TargetMode::listMode;
        previewed("C:\\f\\", c.renames);
        window.options.targetMode = mode;
        commands.runRename();
        if (c.previewBetween) {
            // The Preview would name x.txt and y.txt q.txt and y.txt; it is cancelled.
            window.options.pathSpec = "C:\\f";
            window.options.maskOrList = window.fieldTexts.back().second;
            replace("x", "q")(window.options);
            commands.runPreview();
            ASSERT_EQ(window.previewDialogs, 1);
        }
        window.fieldTexts.clear();
        if (c.failing != nullptr)
            fs.failRename(c.failing, 13);

        commands.runUndo();

        ASSERT_EQ(window.fieldTexts.size(), 1u);
        EXPECT_EQ(window.fieldTexts[0], std::make_pair(Field::fileList, std::string(c.field)));
        for (const FileEntry& entry : commands.fileList())
            EXPECT_EQ(entry.oldName, entry.newName);
        EXPECT_EQ(window.outcomes.back(), c.status);
        EXPECT_EQ(window.progressPos, 0);
        window = RecordingWindow{};
    }
}

} // namespace
} // namespace tarnwick
