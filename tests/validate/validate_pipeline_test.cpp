// The checks as the Rename and Preview commands meet them.
#include "engine/commands.h"

#include "support/memory_file_system.h"
#include "support/commands_fixture.h"
#include "support/recording_window.h"
#include "support/option_changes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tarnwick {
namespace {

using namespace testing::changes;
using testing::MemoryFileSystem;
using testing::RecordingWindow;

class ChecksInCommands : public testing::CommandsFixture<MemoryFileSystem> {
protected:
    ChecksInCommands() {
        fs.add("C:\\Photos\\", {"a.txt", "b.txt"});
        window.options.pathSpec = "C:\\Photos";
        window.options.maskOrList = "*.*";
        before = fs.files();
    }

    bool renamedNothing() const {
        return fs.files() == before &&
               std::count(window.calls.begin(), window.calls.end(), "confirmDialog") == 0 &&
               window.statusText.find("successfully renamed") == std::string::npos;
    }

    std::vector<std::string> before;
};

TEST_F(ChecksInCommands, RefusedOptionsLeaveStatusAndListAlone) {
    const FileList earlier{FileEntry{"C:\\Old\\", "x.txt", "y.txt"}};
    window.options.maskOrList = "my *.txt";
    for (bool preview : {true, false}) {
        SCOPED_TRACE(preview ? "Preview" : "Rename");
        commands.fileList() = earlier;
        window.calls.clear();
        if (preview)
            commands.runPreview();
        else
            commands.runRename();
        EXPECT_EQ(window.statusText, "Still nothing to do.");
        EXPECT_TRUE(window.statusTexts.empty() && window.outcomes.empty());
        EXPECT_TRUE(window.stepLabels.empty());
        EXPECT_EQ(window.calls, (std::vector<std::string>{"setFieldText pathName", "showError",
                                                          "focusField fileList"}));
        ASSERT_EQ(commands.fileList().size(), 1u);
        EXPECT_EQ(commands.fileList()[0].newName, "y.txt");
        EXPECT_TRUE(renamedNothing());
    }
}

TEST_F(ChecksInCommands, RefusedPreviewKeepsThePreviewedList) {
    commands.runPreview(); // closed with "Cancel"
    ASSERT_TRUE(commands.state().previewReady);
    const std::size_t entries = commands.fileList().size();
    window.options.pathSpec = "C:\\Missing";
    commands.runPreview();
    EXPECT_TRUE(commands.state().previewReady);
    EXPECT_EQ(commands.fileList().size(), entries);
    EXPECT_EQ(window.statusText, "Opening preview dialog ...");
    EXPECT_EQ(window.stepLabel, "");
}

TEST_F(ChecksInCommands, RenameRunsAllEightStepsAgainAfterIdenticalNames) {
    fs.addFile("C:\\Photos\\A.TXT"); // a.txt and A.TXT keep their names: they clash
    before = fs.files();
    window.previewAnswer = true; // the Preview dialog is closed with "Rename"
    commands.runPreview();
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].caption, "Tarnwick - Error");
    EXPECT_EQ(window.stepLabel, "Step 2 of 4");
    EXPECT_FALSE(commands.state().previewReady);

    window.stepLabels.clear();
    commands.runRename();
    EXPECT_EQ(window.stepLabels,
              (std::vector<std::string>{"Step 1 of 8", "Step 2 of 8", "Step 3 of 8", "Step 4 of 8",
                                        "Step 5 of 8", "Step 6 of 8"}));
    EXPECT_EQ(window.statusText, "Checking for identical filenames ...");
    EXPECT_EQ(window.messages.size(), 2u);
    EXPECT_EQ(window.progressPos, 0);
    EXPECT_TRUE(renamedNothing());

    window.stepLabels.clear();
    commands.runRename();
    EXPECT_EQ(window.stepLabels.front(), "Step 1 of 8");
}

TEST_F(ChecksInCommands, EmptyNamesAreCheckedBeforeIdenticalOnes) {
    erase(".txt")(window.options); // both names become empty, and so also identical
    commands.runRename();
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text.substr(0, 55),
              "With your format selections you create empty filenames.");
    EXPECT_EQ(window.stepLabel, "Step 5 of 8");
    EXPECT_EQ(window.statusText, "Checking for empty or to long filenames ...");
    EXPECT_TRUE(renamedNothing());
}

TEST_F(ChecksInCommands, CapacityRefusalKeepsTheCollectedList) {
    for (int i = 0; i < 9; ++i)
        fs.addFile("C:\\Photos\\p" + std::to_string(i) + ".jpg");
    before = fs.files();
    digits(1)(window.options); // 11 files, numbers 0 to 10
    commands.runRename();
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text.substr(0, 50),
              "There are 11 files to rename.\n1 digits are insuffi");
    EXPECT_EQ(window.calls.back(), "focusField digits");
    EXPECT_EQ(window.stepLabel, "Step 2 of 8");
    EXPECT_EQ(window.statusText, "11 files found.");
    EXPECT_EQ(commands.fileList().size(), 11u);
    EXPECT_TRUE(renamedNothing());

    window.options.digitCount = 2;
    commands.runRename();
    EXPECT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.statusText, "11 file(s) successfully renamed.");
}

TEST_F(ChecksInCommands, CapacityRefusalAfterAPreviewLeavesNoPreviewReady) {
    commands.runPreview(); // closed with "Cancel"
    ASSERT_TRUE(commands.state().previewReady);

    for (int i = 0; i < 9; ++i)
        fs.addFile("C:\\Photos\\p" + std::to_string(i) + ".jpg");
    before = fs.files();
    window.options.numerate = true; // 11 files, numbers 0 to 10 in one digit
    commands.runPreview();
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_FALSE(commands.state().previewReady);
    EXPECT_EQ(window.previewDialogs, 1);

    // The next Rename validates and collects again, and is refused again.
    window.stepLabels.clear();
    commands.runRename();
    EXPECT_EQ(window.stepLabels, (std::vector<std::string>{"Step 1 of 8", "Step 2 of 8"}));
    ASSERT_EQ(window.messages.size(), 2u);
    EXPECT_EQ(window.messages[1].text, window.messages[0].text);
    EXPECT_TRUE(renamedNothing());
}

} // namespace
} // namespace tarnwick
