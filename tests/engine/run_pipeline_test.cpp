// The Preview and Rename commands: their steps, the status area and the short path after a
// preview, against a recording window and an in-memory file system.
#include "engine/run_pipeline.h"

#include "support/memory_file_system.h"
#include "support/pipeline_fixture.h"
#include "support/recording_window.h"
#include "support/option_changes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tarnwick {
namespace {

using namespace testing::changes;
using testing::MemoryFileSystem;
using testing::RecordingWindow;

std::vector<std::string> steps(int m, int count) {
    std::vector<std::string> labels;
    for (int n = 1; n <= count; ++n)
        labels.push_back("Step " + std::to_string(n) + " of " + std::to_string(m));
    return labels;
}

class RunPipelineTest : public testing::PipelineFixture<MemoryFileSystem> {
protected:
    RunPipelineTest() {
        fs.add("C:\\Photos\\", {"b.txt", "a.txt"});
        window.options.pathSpec = "C:\\Photos";
        window.options.maskOrList = "*.txt";
        replace(".txt", ".bak")(window.options);
    }

    // The step labels set so far, without the empty ones.
    std::vector<std::string> labels() const {
        std::vector<std::string> result;
        for (const std::string& label : window.stepLabels)
            if (!label.empty())
                result.push_back(label);
        return result;
    }
};

TEST_F(RunPipelineTest, PreviewRunsFourStepsAndLeavesTheListPreviewed) {
    pipeline.runPreview();

    EXPECT_EQ(labels(), steps(4, 4));
    const std::vector<std::string> expected = {
        "Clearing filename list ...", "Collecting all filenames ...", "2 files found.",
        "Sorting filename list ...",  "Formating filename list ...",  "Opening preview dialog ..."};
    EXPECT_EQ(window.statusTexts, expected);
    EXPECT_EQ(window.stepLabel, "");
    EXPECT_EQ(window.progressPos, 0);
    EXPECT_EQ(window.previewDialogs, 1);
    EXPECT_EQ(window.previewedEntries, 2u);
    EXPECT_TRUE(pipeline.state().previewReady);
    // Sorted by name; nothing renamed.
    ASSERT_EQ(pipeline.fileList().size(), 2u);
    EXPECT_EQ(pipeline.fileList()[0].oldName, "a.txt");
    EXPECT_EQ(fs.files(), (std::vector<std::string>{"C:\\Photos\\b.txt", "C:\\Photos\\a.txt"}));
}

TEST_F(RunPipelineTest, NumbersFollowTheSortedOrder) {
    fs.addFile("C:\\Photos\\c.txt");
    window.options.numerate = true; // collected as b, a, c: numbered as a, b, c
    pipeline.runPreview();
    std::vector<std::string> renames;
    for (const FileEntry& entry : pipeline.fileList())
        renames.push_back(entry.oldName + " " + entry.newName);
    EXPECT_EQ(renames, (std::vector<std::string>{"a.txt 0.bak", "b.txt 1.bak", "c.txt 2.bak"}));
}

TEST_F(RunPipelineTest, RenameWithoutPreviewRunsEightSteps) {
    pipeline.runRename();

    EXPECT_EQ(labels(), steps(8, 8));
    for (const char* text :
         {"Checking for empty or to long filenames ...", "Checking for identical filenames ...",
          "Really rename?", "Renaming ...", "Updating filename list ..."})
        EXPECT_TRUE(window.showed(text)) << text;
    EXPECT_EQ(window.confirmDialogs, 1);
    EXPECT_EQ(window.statusText, "2 file(s) successfully renamed.");
    EXPECT_EQ(window.stepLabel, "");
    EXPECT_EQ(window.progressPos, 0);
    EXPECT_FALSE(pipeline.state().previewReady);
    EXPECT_EQ(fs.files(), (std::vector<std::string>{"C:\\Photos\\b.bak", "C:\\Photos\\a.bak"}));
}

TEST_F(RunPipelineTest, RenameFromThePreviewDialogTakesTheShortPath) {
    window.previewAnswer = true;
    pipeline.runPreview();

    std::vector<std::string> expected = steps(4, 4);
    const std::vector<std::string> shortPath = steps(4, 4);
    expected.insert(expected.end(), shortPath.begin(), shortPath.end());
    EXPECT_EQ(labels(), expected);
    EXPECT_EQ(window.statusText, "2 file(s) successfully renamed.");
    EXPECT_FALSE(pipeline.state().previewReady);
}

TEST_F(RunPipelineTest, RenameAfterACancelledPreviewRenamesThePreviewedList) {
    pipeline.runPreview();
    // Options changed after the preview do not count: the previewed list is renamed.
    window.options.replaceWith = ".old";
    window.options.maskOrList = "*.none";
    window.stepLabels.clear();
    window.statusTexts.clear();

    pipeline.runRename();

    EXPECT_EQ(labels(), steps(4, 4));
    EXPECT_EQ(window.statusTexts.front(), "Checking for empty or to long filenames ...");
    EXPECT_EQ(fs.files(), (std::vector<std::string>{"C:\\Photos\\b.bak", "C:\\Photos\\a.bak"}));
}

TEST_F(RunPipelineTest, CancellingTheConfirmDialogTouchesNothing) {
    window.confirmAnswer = ConfirmAnswer{false, true};
    pipeline.runRename();

    EXPECT_EQ(window.statusText, "Really rename?");
    EXPECT_EQ(window.stepLabel, "Step 6 of 8");
    EXPECT_TRUE(pipeline.state().warnBeforeRename);
    EXPECT_EQ(fs.files(), (std::vector<std::string>{"C:\\Photos\\b.txt", "C:\\Photos\\a.txt"}));

    // After a preview the same question stands at Step 2 of 4.
    pipeline.runPreview();
    pipeline.runRename();
    EXPECT_EQ(window.statusText, "Really rename?");
    EXPECT_EQ(window.stepLabel, "Step 2 of 4");
}

TEST_F(RunPipelineTest, DontWarnAgainSkipsTheConfirmDialogForTheRestOfTheRun) {
    window.confirmAnswer = ConfirmAnswer{true, true};
    pipeline.runRename();
    EXPECT_EQ(window.confirmDialogs, 1);
    EXPECT_FALSE(pipeline.state().warnBeforeRename);

    window.statusTexts.clear();
    window.options.replaceFind = ".bak";
    window.options.replaceWith = ".txt";
    window.options.maskOrList = "*.bak";
    pipeline.runRename();
    EXPECT_EQ(window.confirmDialogs, 1);
    EXPECT_FALSE(window.showed("Really rename?"));
    EXPECT_EQ(window.statusText, "2 file(s) successfully renamed.");
}

TEST_F(RunPipelineTest, AnEmptyFolderRenamesNothing) {
    window.options.maskOrList = "*.jpg";
    pipeline.runPreview();
    EXPECT_TRUE(window.showed("0 files found."));
    EXPECT_EQ(window.previewedEntries, 0u);
    pipeline.runRename();
    EXPECT_EQ(window.statusText, "0 file(s) successfully renamed.");
}

TEST_F(RunPipelineTest, ListModeRenameWritesTheNewNamesIntoTheField) {
    window.options.targetMode = TargetMode::listMode;
    window.options.maskOrList = "b.txt:a.txt";
    pipeline.runRename();

    EXPECT_EQ(labels(), steps(8, 8));
    EXPECT_EQ(fs.files(), (std::vector<std::string>{"C:\\Photos\\b.bak", "C:\\Photos\\a.bak"}));
    // The field holds the new names in list order, and each entry's old name is its new one.
    ASSERT_EQ(window.fieldTexts.size(), 2u);
    EXPECT_EQ(window.fieldTexts[1], std::make_pair(Field::fileList, std::string("a.bak:b.bak")));
    ASSERT_EQ(pipeline.fileList().size(), 2u);
    for (const FileEntry& entry : pipeline.fileList())
        EXPECT_EQ(entry.oldName, entry.newName);
    EXPECT_EQ(pipeline.fileList()[0].oldName, "a.bak");
    EXPECT_EQ(window.statusText, "2 file(s) successfully renamed.");
    EXPECT_EQ(window.stepLabel, "");
    // The update steps once per entry; the bar then goes back to 0.
    EXPECT_EQ(window.bar(), "0 to 2 by 1: 2 steps, up to 2, left at 0");
}

TEST_F(RunPipelineTest, TheCountLeavesOutTakenNamesAndFailures) {
    fs.add("C:\\Photos\\", {"a.bak", "c.txt", "d.txt"}); // a.txt's new name is taken
    fs.failRename("C:\\Photos\\c.txt", 22);
    pipeline.runRename();

    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(
        window.messages[0].text,
        testing::renameFailure("C:\\Photos\\c.txt", "C:\\Photos\\c.bak", testing::kInvalidReason));
    EXPECT_EQ(window.statusText, "2 file(s) successfully renamed.");
    EXPECT_EQ(fs.files(), (std::vector<std::string>{"C:\\Photos\\b.bak", "C:\\Photos\\a.txt",
                                                    "C:\\Photos\\a.bak", "C:\\Photos\\c.txt",
                                                    "C:\\Photos\\d.bak"}));
    // Refilled from the folder as it now is.
    EXPECT_EQ(pipeline.fileList().size(), 2u);
}

TEST_F(RunPipelineTest, ListModeUpdateOfAnEmptyListEmptiesTheField) {
    window.options.targetMode = TargetMode::listMode;
    pipeline.updateFileList({});
    EXPECT_EQ(window.fieldTexts,
              (std::vector<std::pair<Field, std::string>>{{Field::fileList, ""}}));
}

// A change of letter case and a name left as it is both count as renamed, without a word.
TEST_F(RunPipelineTest, ChangeOfLetterCaseAndUnchangedNamesCountAsRenamed) {
    previewed("C:\\Photos\\", {{"a.txt", "A.TXT"}, {"b.txt", "b.txt"}});
    pipeline.runRename();
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(window.statusText, "2 file(s) successfully renamed.");
    EXPECT_EQ(fs.files(), (std::vector<std::string>{"C:\\Photos\\b.txt", "C:\\Photos\\A.TXT"}));
}

// A window whose options change while the Preview dialog is open, which then answers "Rename".
class ChangingWindow : public RecordingWindow {
public:
    Options whilePreviewing;
    bool runPreviewDialog(const FileList& files) override {
        options = whilePreviewing;
        RecordingWindow::runPreviewDialog(files);
        return true;
    }
};

TEST(RunPipelineUpdate, TheUpdatedListFollowsTheWindowAsItStands) {
    MemoryFileSystem fs;
    fs.add("C:\\Photos\\", {"old1.txt", "sub\\", "sub\\old2.txt"});
    ChangingWindow window;
    window.options.pathSpec = "C:\\Photos";
    window.options.maskOrList = "*.txt";
    window.options.includeSubdirs = true;
    replace("old", "new")(window.options);
    window.whilePreviewing = window.options;
    window.whilePreviewing.includeSubdirs = false;
    RunPipeline pipeline(window, fs);

    pipeline.runPreview();

    // Both previewed files are renamed; the list then holds the folder without its subfolders.
    EXPECT_EQ(window.statusText, "2 file(s) successfully renamed.");
    EXPECT_EQ(fs.files(),
              (std::vector<std::string>{"C:\\Photos\\new1.txt", "C:\\Photos\\sub\\new2.txt"}));
    ASSERT_EQ(pipeline.fileList().size(), 1u);
    EXPECT_EQ(pipeline.fileList()[0].folder + pipeline.fileList()[0].oldName,
              "C:\\Photos\\new1.txt");
}

TEST_F(RunPipelineTest, ClearingShowsOneJumpToFull) {
    for (int i = 0; i < 250; ++i)
        pipeline.fileList().push_back(FileEntry{"C:\\", "x", "x"});
    pipeline.clearFileList();
    EXPECT_TRUE(pipeline.fileList().empty());
    EXPECT_EQ(window.bar(), "0 to 250 by 250: 1 steps, up to 250, left at 0");
    pipeline.clearFileList();
    EXPECT_EQ(window.bar(), "0 to 0 by 0: 0 steps, up to 0, left at 0");
}

} // namespace
} // namespace tarnwick
