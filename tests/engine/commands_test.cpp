// The Preview and Rename commands: their steps, the status area and the short path after a
// preview, against a recording window and an in-memory file system.
#include "engine/commands.h"

#include "support/memory_file_system.h"
#include "support/commands_fixture.h"
#include "support/recording_window.h"
#include "support/option_changes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace tarnwick {
namespace {

using namespace testing::changes;
using testing::MemoryFileSystem;
using testing::RecordingWindow;
using Texts = std::vector<std::string>;

std::vector<std::string> steps(int m, int count) {
    std::vector<std::string> labels;
    for (int n = 1; n <= count; ++n)
        labels.push_back("Step " + std::to_string(n) + " of " + std::to_string(m));
    return labels;
}

class CommandsTest : public testing::CommandsFixture<MemoryFileSystem> {
protected:
    CommandsTest() {
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

TEST_F(CommandsTest, PreviewRunsFourStepsAndLeavesTheListPreviewed) {
    commands.runPreview();

    EXPECT_EQ(labels(), steps(4, 4));
    const std::vector<std::string> expected = {
        "Clearing filename list ...", "Collecting all filenames ...", "2 files found.",
        "Sorting filename list ...", "Formating filename list ..."};
    EXPECT_EQ(window.statusTexts, expected);
    EXPECT_EQ(window.outcomes, Texts{"Opening preview dialog ..."});
    EXPECT_EQ(window.stepLabel, "");
    EXPECT_EQ(window.progressPos, 0);
    EXPECT_EQ(window.previewDialogs, 1);
    EXPECT_EQ(window.previewedEntries, 2u);
    EXPECT_TRUE(commands.state().previewReady);
    // Sorted by name; nothing renamed.
    ASSERT_EQ(commands.fileList().size(), 2u);
    EXPECT_EQ(commands.fileList()[0].oldName, "a.txt");
    EXPECT_EQ(fs.files(), (std::vector<std::string>{"C:\\Photos\\b.txt", "C:\\Photos\\a.txt"}));
}

TEST_F(CommandsTest, NumbersFollowTheSortedOrder) {
    fs.addFile("C:\\Photos\\c.txt");
    window.options.numerate = true; // collected as b, a, c: numbered as a, b, c
    commands.runPreview();
    std::vector<std::string> renames;
    for (const FileEntry& entry : commands.fileList())
        renames.push_back(entry.oldName + " " + entry.newName);
    EXPECT_EQ(renames, (std::vector<std::string>{"a.txt 0.bak", "b.txt 1.bak", "c.txt 2.bak"}));
}

TEST_F(CommandsTest, RenameWithoutPreviewRunsEightSteps) {
    commands.runRename();

    EXPECT_EQ(labels(), steps(8, 8));
    for (const char* text :
         {"Checking for empty or to long filenames ...", "Checking for identical filenames ...",
          "Really rename?", "Renaming ...", "Updating filename list ..."})
        EXPECT_TRUE(window.showed(text)) << text;
    EXPECT_EQ(window.confirmDialogs, 1);
    EXPECT_EQ(window.outcomes, Texts{"2 file(s) successfully renamed."});
    EXPECT_EQ(window.stepLabel, "");
    EXPECT_EQ(window.progressPos, 0);
    EXPECT_FALSE(commands.state().previewReady);
    EXPECT_EQ(fs.files(), (std::vector<std::string>{"C:\\Photos\\b.bak", "C:\\Photos\\a.bak"}));
}

TEST_F(CommandsTest, RenameAfterACancelledPreviewRenamesThePreviewedList) {
    commands.runPreview();
    // Options changed after the preview do not count: the previewed list is renamed.
    window.options.replaceWith = ".old";
    window.options.maskOrList = "*.none";
    window.stepLabels.clear();
    window.statusTexts.clear();

    commands.runRename();

    EXPECT_EQ(labels(), steps(4, 4));
    EXPECT_EQ(window.statusTexts.front(), "Checking for empty or to long filenames ...");
    EXPECT_EQ(fs.files(), (std::vector<std::string>{"C:\\Photos\\b.bak", "C:\\Photos\\a.bak"}));
}

TEST_F(CommandsTest, CancellingTheConfirmDialogTouchesNothing) {
    window.confirmAnswer = ConfirmAnswer{false, true};
    commands.runRename();

    EXPECT_EQ(window.statusText, "Really rename?");
    EXPECT_EQ(window.stepLabel, "Step 6 of 8");
    EXPECT_TRUE(commands.state().warnBeforeRename);
    EXPECT_EQ(fs.files(), (std::vector<std::string>{"C:\\Photos\\b.txt", "C:\\Photos\\a.txt"}));

    // After a preview the same question stands at Step 2 of 4.
    commands.runPreview();
    commands.runRename();
    EXPECT_EQ(window.statusText, "Really rename?");
    EXPECT_EQ(window.stepLabel, "Step 2 of 4");
    EXPECT_EQ(window.outcomes, Texts{"Opening preview dialog ..."}); // none of the cancelled
}

TEST_F(CommandsTest, DontWarnAgainSkipsTheConfirmDialogForTheRestOfTheRun) {
    window.confirmAnswer = ConfirmAnswer{true, true};
    commands.runRename();
    EXPECT_EQ(window.confirmDialogs, 1);
    EXPECT_FALSE(commands.state().warnBeforeRename);

    window.statusTexts.clear();
    window.options.replaceFind = ".bak";
    window.options.replaceWith = ".txt";
    window.options.maskOrList = "*.bak";
    commands.runRename();
    EXPECT_EQ(window.confirmDialogs, 1);
    EXPECT_FALSE(window.showed("Really rename?"));
    EXPECT_EQ(window.outcomes, (Texts(2, "2 file(s) successfully renamed.")));
}

TEST_F(CommandsTest, AnEmptyFolderRenamesNothing) {
    window.options.maskOrList = "*.jpg";
    commands.runPreview();
    EXPECT_TRUE(window.showed("0 files found."));
    EXPECT_EQ(window.previewedEntries, 0u);
    commands.runRename();
    EXPECT_EQ(window.outcomes,
              (Texts{"Opening preview dialog ...", "0 file(s) successfully renamed."}));
}

TEST_F(CommandsTest, ListModeRenameWritesTheNewNamesIntoTheField) {
    window.options.targetMode = TargetMode::listMode;
    window.options.maskOrList = "b.txt:a.txt";
    commands.runRename();

    EXPECT_EQ(labels(), steps(8, 8));
    EXPECT_EQ(fs.files(), (std::vector<std::string>{"C:\\Photos\\b.bak", "C:\\Photos\\a.bak"}));
    // The field holds the new names in list order, and each entry's old name is its new one.
    ASSERT_EQ(window.fieldTexts.size(), 2u);
    EXPECT_EQ(window.fieldTexts[1], std::make_pair(Field::fileList, std::string("a.bak:b.bak")));
    ASSERT_EQ(commands.fileList().size(), 2u);
    for (const FileEntry& entry : commands.fileList())
        EXPECT_EQ(entry.oldName, entry.newName);
    EXPECT_EQ(commands.fileList()[0].oldName, "a.bak");
    EXPECT_EQ(window.outcomes, Texts{"2 file(s) successfully renamed."});
    EXPECT_EQ(window.stepLabel, "");
    // The update steps once per entry; the bar then goes back to 0.
    EXPECT_EQ(window.bar(), "0 to 2 by 1: 2 steps, up to 2, left at 0");
}

// Names at their boundary, found by the walk or listed, through the checks, the Rename and the
// undo: taken as they are; renamed to themselves or another letter case, or given back, when they
// end in a dot or blank; refused as new names that end so; "." and ".." of a list never looked up
// nor renamed. Each refusal is reported as an invalid name, the others without a word.
TEST_F(CommandsTest, NamesAtTheirBoundaryAreTakenAsTheyAreAndRefusedOnlyAsNewNames) {
    // clang-format off
    const std::map<std::string, std::string> newNames = {
        {".", "x"}, {"..", "y"}, {"back ", "back2"}, {"back.", "back1"}, {"blank.txt", "blank "},
        {"case.TXT", "case.txt"}, {"dot.txt", "dot."}, {"same ", "same "}, {"same.", "same."}};
    // clang-format on
    const std::string in = "C:\\f\\";
    auto paths = [&](Texts names) {
        for (std::string& name : names)
            name = in + name;
        return names;
    };
    for (const bool list : {false, true}) {
        SCOPED_TRACE(list ? "list" : "folder");
        fs = MemoryFileSystem{};
        fs.addFolder("C:\\f");
        window = RecordingWindow{};
        window.options.pathSpec = "C:\\f";
        window.options.targetMode = list ? TargetMode::listMode : TargetMode::folderMode;
        window.options.maskOrList = list ? "" : "*.*";
        Texts listed, reported;
        for (const auto& [name, newName] : newNames) {
            if (name[0] != '.')
                fs.addFile(in + name);
            else if (!list)
                continue;
            listed.push_back(name);
            if (list)
                window.options.maskOrList += name + ":";
            if (name == "." || name == ".." ||
                (newName != name && (newName.back() == '.' || newName.back() == ' ')))
                reported.push_back(
                    testing::renameFailure(in + name, in + newName, testing::kInvalidReason));
        }
        commands.runPreview();
        Texts found;
        for (FileEntry& entry : commands.fileList()) {
            found.push_back(entry.oldName);
            entry.newName = newNames.at(entry.oldName);
        }
        EXPECT_EQ(found, listed);
        commands.runRename();
        EXPECT_EQ(fs.files(),
                  paths({"back2", "back1", "blank.txt", "case.txt", "dot.txt", "same ", "same."}));
        commands.runUndo();
        EXPECT_EQ(fs.files(),
                  paths({"back ", "back.", "blank.txt", "case.TXT", "dot.txt", "same ", "same."}));
        Texts messages;
        for (const auto& message : window.messages)
            messages.push_back(message.text);
        EXPECT_EQ(messages, reported);
        EXPECT_EQ(window.outcomes,
                  (Texts{"Opening preview dialog ...", "5 file(s) successfully renamed.",
                         "3 file(s) renamed back."}));
    }
}

TEST_F(CommandsTest, TheCountLeavesOutTakenNamesAndFailures) {
    fs.add("C:\\Photos\\", {"a.bak", "c.txt", "d.txt"}); // a.txt's new name is taken
    fs.failRename("C:\\Photos\\c.txt", 22);
    commands.runRename();

    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(
        window.messages[0].text,
        testing::renameFailure("C:\\Photos\\c.txt", "C:\\Photos\\c.bak", testing::kInvalidReason));
    EXPECT_EQ(window.outcomes, Texts{"2 file(s) successfully renamed."});
    EXPECT_EQ(fs.files(), (std::vector<std::string>{"C:\\Photos\\b.bak", "C:\\Photos\\a.txt",
                                                    "C:\\Photos\\a.bak", "C:\\Photos\\c.txt",
                                                    "C:\\Photos\\d.bak"}));
    // Refilled from the folder as it now is.
    EXPECT_EQ(commands.fileList().size(), 2u);
}

TEST_F(CommandsTest, ListModeUpdateOfAnEmptyListEmptiesTheField) {
    window.options.targetMode = TargetMode::listMode;
    commands.updateFileList({});
    EXPECT_EQ(window.fieldTexts,
              (std::vector<std::pair<Field, std::string>>{{Field::fileList, ""}}));
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

TEST(CommandsUpdate, TheUpdatedListFollowsTheWindowAsItStands) {
    MemoryFileSystem fs;
    fs.add("C:\\Photos\\", {"old1.txt", "sub\\", "sub\\old2.txt"});
    ChangingWindow window;
    window.options.pathSpec = "C:\\Photos";
    window.options.maskOrList = "*.txt";
    window.options.includeSubdirs = true;
    replace("old", "new")(window.options);
    window.whilePreviewing = window.options;
    window.whilePreviewing.includeSubdirs = false;
    Commands commands(window, fs);

    commands.runPreview();

    // Both previewed files are renamed, by the short path of four steps; the list then holds the
    // folder without its subfolders.
    EXPECT_EQ(window.outcomes,
              (Texts{"Opening preview dialog ...", "2 file(s) successfully renamed."}));
    EXPECT_EQ(window.stepLabels,
              (Texts{"Step 1 of 4", "Step 2 of 4", "Step 3 of 4", "Step 4 of 4", "", "Step 1 of 4",
                     "Step 2 of 4", "Step 3 of 4", "Step 4 of 4", ""}));
    EXPECT_FALSE(commands.state().previewReady);
    EXPECT_EQ(fs.files(),
              (std::vector<std::string>{"C:\\Photos\\new1.txt", "C:\\Photos\\sub\\new2.txt"}));
    ASSERT_EQ(commands.fileList().size(), 1u);
    EXPECT_EQ(commands.fileList()[0].folder + commands.fileList()[0].oldName,
              "C:\\Photos\\new1.txt");
}

TEST_F(CommandsTest, ClearingShowsOneJumpToFull) {
    for (int i = 0; i < 250; ++i)
        commands.fileList().push_back(FileEntry{"C:\\", "x", "x"});
    commands.clearFileList();
    EXPECT_TRUE(commands.fileList().empty());
    EXPECT_EQ(window.bar(), "0 to 250 by 250: 1 steps, up to 250, left at 0");
    commands.clearFileList();
    EXPECT_EQ(window.bar(), "0 to 0 by 0: 0 steps, up to 0, left at 0");
}

} // namespace
} // namespace tarnwick
