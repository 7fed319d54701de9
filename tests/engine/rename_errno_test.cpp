// Renaming on the in-memory file system: the failures a real file system does not produce on
// demand, and the passing over of taken names.
#include "engine/rename.h"

#include "support/memory_file_system.h"
#include "support/commands_fixture.h"
#include "support/recording_window.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

using testing::MemoryFileSystem;
using testing::RecordingWindow;

// Each error number gives its reason; the run goes on with the next entry. A name that Windows
// takes for a device is refused for that file alone, whatever the platform would do with it.
TEST(RenameInMemoryTest, EachErrorNumberIsReportedWithItsReason) {
    struct Case {
        int error; // 0: the platform renames
        std::string reason;
        std::string newName = "x.txt";
    };
    std::vector<Case> cases = {
        {2, testing::kNotFoundReason},
        {13, testing::kAccessReason},
        {22, testing::kInvalidReason},
        {1000, "The file is a link to another file, which a rename here would move instead; it is "
               "left as it is."},
        {0, testing::kInvalidReason, "Nul.txt"},
    };
    for (int other : {12, 1, 3, 14, 16, 18, 21, 23, -1})
        cases.push_back({other, "Don't know what was wrong. Errno = " + std::to_string(other)});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        RecordingWindow window;
        MemoryFileSystem fs;
        fs.add("C:\\f\\", {"a.txt", "b.txt"});
        if (c.error != 0)
            fs.failRename("C:\\f\\a.txt", c.error);
        const FileList files = {{"C:\\f\\", "a.txt", c.newName}, {"C:\\f\\", "b.txt", "y.txt"}};

        EXPECT_EQ(renameAll(files, fs, window).renamed(), 1);
        ASSERT_EQ(window.messages.size(), 1u);
        EXPECT_EQ(window.messages[0].text,
                  testing::renameFailure("C:\\f\\a.txt", "C:\\f\\" + c.newName, c.reason));
        EXPECT_EQ(window.messages[0].caption, "Tarnwick Error");
        // A reported failure takes its step of the bar like a renamed file.
        EXPECT_EQ(window.bar(), "0 to 2 by 1: 2 steps, up to 2, left at 2");
        EXPECT_EQ(fs.files(), (std::vector<std::string>{"C:\\f\\a.txt", "C:\\f\\y.txt"}));
    }
}

// A new name that is taken is passed over: no message, no step of the bar, not counted.
TEST(RenameInMemoryTest, ATakenNameIsPassedOverSilently) {
    RecordingWindow window;
    MemoryFileSystem fs;
    fs.add("C:\\f\\", {"a.txt", "b.txt", "c.txt"});
    fs.failRename("C:\\f\\c.txt", 17);
    // a.txt wants the name b.txt still holds; b.txt then moves on; c.txt is told EEXIST.
    const FileList files = {{"C:\\f\\", "a.txt", "b.txt"},
                            {"C:\\f\\", "b.txt", "d.txt"},
                            {"C:\\f\\", "c.txt", "e.txt"}};

    EXPECT_EQ(renameAll(files, fs, window).renamed(), 1);
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(window.bar(), "0 to 3 by 1: 1 steps, up to 1, left at 1");
    EXPECT_EQ(fs.files(),
              (std::vector<std::string>{"C:\\f\\a.txt", "C:\\f\\d.txt", "C:\\f\\c.txt"}));
}

} // namespace
} // namespace tarnwick
