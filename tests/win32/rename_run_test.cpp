// Renaming a previewed list on real folders: the per-file reports, the count and the update of
// the list afterwards.
#include "engine/rename.h"
#include "engine/run_pipeline.h"
#include "win32/win32_file_system.h"

#include "support/pipeline_fixture.h"
#include "support/recording_window.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace tarnwick {
namespace {

using testing::RecordingWindow;
using testing::TempFolder;
using Names = std::vector<std::string>;

class RenameRunTest : public testing::PipelineFixture<Win32FileSystem> {
protected:
    RenameRunTest() {
        pipeline.state().targetFolder = temp.path();
        pipeline.state().targetPattern = "*.*";
    }
    // The list as the Preview dialog showed it in the folder.
    void previewed(const std::vector<std::pair<const char*, const char*>>& renames) {
        PipelineFixture::previewed(temp.path(), renames);
    }
    std::string failure(const std::string& from, const std::string& to,
                        const std::string& reason) const {
        return testing::renameFailure(temp.path() + from, temp.path() + to, reason);
    }

    TempFolder temp;
};

TEST_F(RenameRunTest, NameStillHeldByALaterEntryIsPassedOverSilently) {
    temp.file("a.txt", "a");
    temp.file("b.txt", "b");
    previewed({{"a.txt", "b.txt"}, {"b.txt", "d.txt"}});
    pipeline.runRename();
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(temp.list(), (Names{"a.txt", "d.txt"}));
    EXPECT_EQ(temp.read("d.txt"), "b");
    EXPECT_EQ(window.statusText, "1 file(s) successfully renamed.");
}

TEST_F(RenameRunTest, ExistingTargetKeepsItsContents) {
    temp.file("a.txt", "a");
    temp.file("b.txt", "keep");
    previewed({{"a.txt", "b.txt"}});
    pipeline.runRename();
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(temp.read("b.txt"), "keep");
    EXPECT_EQ(temp.read("a.txt"), "a");
    EXPECT_EQ(window.statusText, "0 file(s) successfully renamed.");
}

TEST_F(RenameRunTest, FileDeletedSincePreviewIsReportedAndTheRunGoesOn) {
    temp.file("next.txt");
    previewed({{"gone.txt", "x.txt"}, {"next.txt", "y.txt"}});
    pipeline.runRename();
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text, failure("gone.txt", "x.txt", testing::kNotFoundReason));
    EXPECT_EQ(window.messages[0].caption, "Tarnwick Error");
    EXPECT_EQ(temp.list(), (Names{"y.txt"}));
    EXPECT_EQ(window.statusText, "1 file(s) successfully renamed.");
}

TEST_F(RenameRunTest, FileOpenElsewhereIsReportedAndTheNextIsRenamed) {
    temp.files({"held.txt", "other.txt"});
    {
        testing::OpenFile held(temp.path() + "held.txt");
        ASSERT_TRUE(held.valid());
        previewed({{"held.txt", "h.txt"}, {"other.txt", "o.txt"}});
        pipeline.runRename();
    }
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text, failure("held.txt", "h.txt", testing::kAccessReason));
    EXPECT_EQ(temp.list(), (Names{"held.txt", "o.txt"}));
}

TEST_F(RenameRunTest, ProgressStepsForRenamedAndReportedEntriesButNotForTakenNames) {
    temp.files({"a.txt", "b.txt"});
    previewed({{"a.txt", "c.txt"}, {"b.txt", "c.txt"}, {"gone.txt", "x.txt"}});
    EXPECT_EQ(renameAll(pipeline.fileList(), fs, window).renamed(), 1);
    EXPECT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.bar(), "0 to 3 by 1: 2 steps, up to 2, left at 2");
}

TEST_F(RenameRunTest, ListModeWritesTheNewNamesIntoTheFileListField) {
    temp.files({"readme.txt", "setup.exe"});
    window.options.targetMode = TargetMode::listMode;
    previewed({{"readme.txt", "01.txt"}, {"setup.exe", "02.exe"}});
    pipeline.runRename();
    ASSERT_EQ(window.fieldTexts.size(), 1u);
    EXPECT_EQ(window.fieldTexts[0], std::make_pair(Field::fileList, std::string("01.txt:02.exe")));
    EXPECT_EQ(temp.list(), (Names{"01.txt", "02.exe"}));
    for (const FileEntry& e : pipeline.fileList())
        EXPECT_EQ(e.oldName, e.newName);
    EXPECT_EQ(window.statusText, "2 file(s) successfully renamed.");
}

TEST_F(RenameRunTest, ListModeKeepsTheOldNamesOfFilesThatWereNotRenamed) {
    // a.txt is passed over (b.txt still holds its new name), gone.txt fails: both keep their old
    // names, so that the next command does not take the file now called b.txt for a.txt.
    temp.files({"a.txt", "b.txt"});
    window.options.targetMode = TargetMode::listMode;
    previewed({{"a.txt", "b.txt"}, {"b.txt", "c.txt"}, {"gone.txt", "g.txt"}});
    pipeline.runRename();
    ASSERT_EQ(window.fieldTexts.size(), 1u);
    EXPECT_EQ(window.fieldTexts[0].second, "a.txt:c.txt:gone.txt");
    ASSERT_EQ(pipeline.fileList().size(), 3u);
    EXPECT_EQ(pipeline.fileList()[0].newName, "a.txt");
}

// A change of letter case alone is renamed and counted, and goes back the way it came; every file
// back under its old name, the list field with it.
TEST_F(RenameRunTest, UndoGivesTheFilesAndTheListFieldTheirOldNamesBack) {
    temp.file("IMG_0001.JPG", "picture");
    temp.file("readme.txt", "text");
    window.options.targetMode = TargetMode::listMode;
    previewed({{"IMG_0001.JPG", "img_0001.jpg"}, {"readme.txt", "01.txt"}});
    pipeline.runRename();
    ASSERT_EQ(temp.list(), (Names{"01.txt", "img_0001.jpg"}));
    EXPECT_EQ(window.statusText, "2 file(s) successfully renamed.");

    pipeline.runUndo();
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(temp.list(), (Names{"IMG_0001.JPG", "readme.txt"}));
    EXPECT_EQ(temp.read("IMG_0001.JPG"), "picture");
    EXPECT_EQ(temp.read("readme.txt"), "text");
    ASSERT_EQ(window.fieldTexts.size(), 2u);
    EXPECT_EQ(window.fieldTexts[1].second, "IMG_0001.JPG:readme.txt");
    EXPECT_EQ(window.statusText, "2 file(s) renamed back.");
}

// A file that took an old name meanwhile is never replaced: the file that wanted it is reported
// and keeps its new name.
TEST_F(RenameRunTest, UndoNeverReplacesAFileThatTookTheOldName) {
    temp.file("a.txt", "first");
    previewed({{"a.txt", "x.txt"}});
    pipeline.runRename();
    temp.file("a.txt", "newcomer");

    pipeline.runUndo();
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text, failure("x.txt", "a.txt", testing::kAccessReason));
    EXPECT_EQ(temp.read("a.txt"), "newcomer");
    EXPECT_EQ(temp.read("x.txt"), "first");
    EXPECT_EQ(window.statusText, "0 file(s) renamed back.");
}

TEST_F(RenameRunTest, FolderModeCollectsTheFolderAgain) {
    for (const char* name : {"one.txt", "two.txt", "three.txt"})
        temp.file(name);
    temp.file("keep.doc");
    pipeline.state().targetPattern = "*.txt";
    previewed({{"one.txt", "one.bak"}, {"three.txt", "three.bak"}, {"two.txt", "two.bak"}});
    pipeline.runRename();
    EXPECT_TRUE(pipeline.fileList().empty());
    EXPECT_TRUE(window.fieldTexts.empty());
    EXPECT_EQ(window.statusText, "3 file(s) successfully renamed.");

    // The refilled list holds the folder as it now is, in the order the search delivers it.
    pipeline.state().targetPattern = "*.bak";
    pipeline.updateFileList({});
    EXPECT_EQ(pipeline.fileList().size(), 3u);
}

} // namespace
} // namespace tarnwick
