// Renaming on the in-memory file system: the failures a real file system does not produce on
// demand, and the passing over of taken names.
#include "engine/rename.h"

#include "support/memory_file_system.h"
#include "support/recording_window.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

using testing::MemoryFileSystem;
using testing::RecordingWindow;

const char kAccessReason[] =
    "File or directory specified by newname already exists or could not be created (invalid "
    "path); or oldname is a directory and newname specifies a different path.";

// Each error number gives its reason; the run goes on with the next entry.
TEST(RenameInMemoryTest, EachErrorNumberIsReportedWithItsReason) {
    const struct {
        int error;
        std::string reason;
    } cases[] = {
        {2, "File or path specified by oldname not found."},
        {13, kAccessReason},
        {22, "Name contains invalid characters."},
        {12, "Don't know what was wrong. Errno = 12"},
        {1, "Don't know what was wrong. Errno = 1"},
        {3, "Don't know what was wrong. Errno = 3"},
        {14, "Don't know what was wrong. Errno = 14"},
        {16, "Don't know what was wrong. Errno = 16"},
        {18, "Don't know what was wrong. Errno = 18"},
        {21, "Don't know what was wrong. Errno = 21"},
        {23, "Don't know what was wrong. Errno = 23"},
        {-1, "Don't know what was wrong. Errno = -1"},
        {1000, "The file is a link to another file, which a rename here would move instead; it is "
               "left as it is."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        RecordingWindow window;
        MemoryFileSystem fs;
        fs.add("C:\\f\\", {"a.txt", "b.txt"});
        fs.failRename("C:\\f\\a.txt", c.error);
        const FileList files = {{"C:\\f\\", "a.txt", "x.txt"}, {"C:\\f\\", "b.txt", "y.txt"}};

        EXPECT_EQ(renameAll(files, fs, window).renamed(), 1);
        ASSERT_EQ(window.messages.size(), 1u);
        EXPECT_EQ(window.messages[0].text, "Access denied.\n\nC:\\f\\a.txt\n\ncould not renamed "
                                           "to\n\nC:\\f\\x.txt\n\n" +
                                               c.reason);
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
