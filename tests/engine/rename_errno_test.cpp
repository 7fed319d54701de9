// Rename failures that a real file system does not produce on demand.
#include "engine/rename.h"
#include "engine/run_pipeline.h"

#include "support/memory_file_system.h"
#include "support/recording_window.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

using testing::MemoryFileSystem;
using testing::RecordingWindow;

TEST(RenameInMemoryTest, UnknownErrorNumberIsReportedWithItsNumber) {
    RecordingWindow window;
    MemoryFileSystem fs;
    fs.addFolder("C:\\f");
    fs.addFile("C:\\f\\a.txt");
    fs.addFile("C:\\f\\b.txt");
    fs.failRename("C:\\f\\a.txt", 12);
    RunPipeline pipeline(window, fs);
    pipeline.fileList() = {{"C:\\f\\", "a.txt", "x.txt"}, {"C:\\f\\", "b.txt", "y.txt"}};

    EXPECT_EQ(renameAll(pipeline.fileList(), fs, window), 1);
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text, "Access denied.\n\nC:\\f\\a.txt\n\ncould not renamed to\n\n"
                                       "C:\\f\\x.txt\n\nDon't know what was wrong. Errno = 12");
    EXPECT_EQ(window.messages[0].caption, "Tarnwick Error");
    EXPECT_EQ(fs.files(), (std::vector<std::string>{"C:\\f\\a.txt", "C:\\f\\y.txt"}));
}

TEST(RenameInMemoryTest, ListModeUpdateOfAnEmptyListEmptiesTheField) {
    RecordingWindow window;
    window.options.targetMode = TargetMode::listMode;
    MemoryFileSystem fs;
    RunPipeline pipeline(window, fs);
    pipeline.updateFileList();
    ASSERT_EQ(window.fieldTexts.size(), 1u);
    EXPECT_EQ(window.fieldTexts[0], std::make_pair(Field::fileList, std::string()));
}

} // namespace
} // namespace tarnwick
