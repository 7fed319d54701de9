// Undoing the last Rename on the in-memory file system: what goes back, in which order, what is
// reported, and when there is nothing to undo.
#include "engine/run_pipeline.h"

#include "support/memory_file_system.h"
#include "support/recording_window.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace tarnwick {
namespace {

using testing::MemoryFileSystem;
using testing::RecordingWindow;
using Paths = std::vector<std::string>;

class UndoTest : public ::testing::Test {
protected:
    UndoTest() : pipeline(window, fs) {
        fs.addFolder("C:\\f");
        pipeline.state().targetFolder = "C:\\f\\";
        pipeline.state().targetPattern = "*.*";
    }

    // Renames the list as previewed, then forgets what the window saw.
    void rename(std::initializer_list<std::pair<const char*, const char*>> renames) {
        pipeline.fileList().clear();
        for (const auto& r : renames)
            pipeline.fileList().push_back(FileEntry{"C:\\f\\", r.first, r.second});
        pipeline.state().previewReady = true;
        window.options.targetMode = mode;
        pipeline.runRename();
        window = RecordingWindow();
        window.options.targetMode = mode;
    }
    void files(std::initializer_list<const char*> names) {
        for (const char* name : names)
            fs.addFile(std::string("C:\\f\\") + name);
    }
    Paths sorted() const {
        Paths all = fs.files();
        std::sort(all.begin(), all.end());
        return all;
    }

    TargetMode mode = TargetMode::folderMode;
    RecordingWindow window;
    MemoryFileSystem fs;
    RunPipeline pipeline;
};

// 2.txt took the name 1.txt after 1.txt had become 0.txt: the last renamed goes back first.
TEST_F(UndoTest, AChainUnwindsInReverseOrder) {
    files({"1.txt", "2.txt"});
    rename({{"1.txt", "0.txt"}, {"2.txt", "1.txt"}});
    ASSERT_EQ(sorted(), (Paths{"C:\\f\\0.txt", "C:\\f\\1.txt"}));
    ASSERT_TRUE(pipeline.canUndo());
    pipeline.state().previewReady = true; // as a Preview cancelled since leaves it

    pipeline.runUndo();

    ASSERT_EQ(window.questions.size(), 1u);
    EXPECT_EQ(window.questions[0].text,
              "Give the 2 file(s) renamed by the last Rename their old names back?");
    EXPECT_EQ(window.questions[0].caption, "Tarnwick");
    EXPECT_FALSE(window.waitCursorDuringQuestion);
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(sorted(), (Paths{"C:\\f\\1.txt", "C:\\f\\2.txt"}));
    // The bar steps once per file going back.
    ASSERT_GE(window.calls.size(), 6u);
    EXPECT_EQ(Paths(window.calls.begin(), window.calls.begin() + 6),
              (Paths{"askYesNo", "setProgressRange 2", "setProgressPos 0", "setProgressStep 1",
                     "stepProgress", "stepProgress"}));
    EXPECT_EQ(window.stepLabels, (Paths{"Step 1 of 2", "Step 2 of 2", ""}));
    EXPECT_EQ(window.statusTexts, (Paths{"Renaming ...", "Updating filename list ...",
                                         "2 files found.", "2 file(s) renamed back."}));
    EXPECT_FALSE(window.waitCursor);
    EXPECT_EQ(window.progressPos, 0);
    EXPECT_FALSE(pipeline.state().previewReady);
    EXPECT_EQ(pipeline.fileList().size(), 2u); // collected again

    // Undone once: nothing is left to undo, and nothing is asked.
    EXPECT_FALSE(pipeline.canUndo());
    pipeline.runUndo();
    EXPECT_EQ(window.questions.size(), 1u);
}

// Only the files the Rename renamed go back: not one whose new name was taken, nor one that kept
// its name, nor one whose rename failed.
TEST_F(UndoTest, OnlyTheFilesThatGotANewNameGoBack) {
    files({"a.txt", "b.txt", "c.txt", "d.txt", "f.txt"});
    fs.failRename("C:\\f\\d.txt", 13);
    rename({{"a.txt", "b.txt"}, {"c.txt", "c.txt"}, {"d.txt", "e.txt"}, {"f.txt", "g.txt"}});

    pipeline.runUndo();

    ASSERT_EQ(window.questions.size(), 1u);
    EXPECT_EQ(window.questions[0].text,
              "Give the 1 file(s) renamed by the last Rename their old names back?");
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(window.statusText, "1 file(s) renamed back.");
    EXPECT_EQ(sorted(), (Paths{"C:\\f\\a.txt", "C:\\f\\b.txt", "C:\\f\\c.txt", "C:\\f\\d.txt",
                               "C:\\f\\f.txt"}));
}

// A file that cannot go back is reported with both paths the other way round, keeps its new name,
// and the undo goes on with the next file. A taken old name is such a failure.
TEST_F(UndoTest, AFileThatCannotGoBackIsReportedAndTheUndoGoesOn) {
    const char kAccessReason[] =
        "File or directory specified by newname already exists or could not be created (invalid "
        "path); or oldname is a directory and newname specifies a different path.";
    const struct {
        const char* what;
        std::function<void(MemoryFileSystem&)> meanwhile;
        std::string reason;
    } cases[] = {
        {"old name taken", [](MemoryFileSystem& f) { f.addFile("C:\\f\\b.txt"); }, kAccessReason},
        {"file gone", [](MemoryFileSystem& f) { f.removeEntry("C:\\f\\y.txt"); },
         "File or path specified by oldname not found."},
        {"access refused", [](MemoryFileSystem& f) { f.failRename("C:\\f\\y.txt", 13); },
         kAccessReason},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MemoryFileSystem fresh;
        fs = fresh;
        fs.addFolder("C:\\f");
        files({"a.txt", "b.txt"});
        rename({{"a.txt", "x.txt"}, {"b.txt", "y.txt"}});
        c.meanwhile(fs);

        pipeline.runUndo();

        ASSERT_EQ(window.messages.size(), 1u);
        EXPECT_EQ(window.messages[0].text, "Access denied.\n\nC:\\f\\y.txt\n\ncould not renamed "
                                           "to\n\nC:\\f\\b.txt\n\n" +
                                               c.reason);
        EXPECT_EQ(window.messages[0].caption, "Tarnwick Error");
        EXPECT_EQ(window.statusText, "1 file(s) renamed back.");
        EXPECT_TRUE(fs.exists("C:\\f\\a.txt"));
        EXPECT_FALSE(fs.exists("C:\\f\\x.txt"));
        EXPECT_FALSE(pipeline.canUndo());
    }
}

// Each Rename that renames replaces what an earlier one left; one that renames no file leaves
// nothing to undo. Before any Rename there is nothing to undo and nothing is asked.
TEST_F(UndoTest, TheLastRenameDecidesWhatThereIsToUndo) {
    pipeline.runUndo();
    EXPECT_TRUE(window.calls.empty());

    files({"a.txt", "b.txt", "c.txt"});
    rename({{"a.txt", "x.txt"}});
    rename({{"b.txt", "y.txt"}});
    pipeline.runUndo();
    EXPECT_EQ(sorted(), (Paths{"C:\\f\\b.txt", "C:\\f\\c.txt", "C:\\f\\x.txt"}));

    rename({{"b.txt", "z.txt"}});
    rename({{"c.txt", "x.txt"}}); // taken: renames nothing
    EXPECT_FALSE(pipeline.canUndo());
}

// In list mode the field names every file by the name it has after the undo: its old name where
// it went back, its new one where it could not.
TEST_F(UndoTest, ListModeNamesEachFileByTheNameItNowHas) {
    mode = TargetMode::listMode;
    files({"a.txt", "b.txt", "c.txt", "d.txt"});
    rename({{"a.txt", "x.txt"}, {"b.txt", "y.txt"}, {"c.txt", "c.txt"}, {"d.txt", "z.txt"}});
    fs.failRename("C:\\f\\y.txt", 13);

    pipeline.runUndo();

    ASSERT_EQ(window.fieldTexts.size(), 1u);
    EXPECT_EQ(window.fieldTexts[0],
              std::make_pair(Field::fileList, std::string("a.txt:y.txt:c.txt:d.txt")));
    ASSERT_EQ(pipeline.fileList().size(), 4u);
    EXPECT_EQ(pipeline.fileList()[0].oldName, "a.txt");
    EXPECT_EQ(pipeline.fileList()[0].newName, "a.txt");
    EXPECT_EQ(window.statusText, "2 file(s) renamed back.");
    EXPECT_EQ(window.progressPos, 0);
}

} // namespace
} // namespace tarnwick
