// Option validation against real folders and files.
#include "win32/win32_file_system.h"
#include "validate/validate_options.h"

#include "support/recording_window.h"
#include "support/temp_folder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace tarnwick {
namespace {

using testing::RecordingWindow;

class ValidateOnDisk : public ::testing::Test {
protected:
    ValidateOnDisk() {
        temp.files({"a.txt", "b.txt"});
        options.pathSpec = folder;
        options.maskOrList = "*.*";
    }

    bool validate() { return validateOptions(options, window, fileSystem, state); }

    testing::TempFolder temp;
    // The folder's path without the closing backslash.
    const std::string folder = temp.path().substr(0, temp.path().size() - 1);
    Win32FileSystem fileSystem;
    RecordingWindow window;
    Options options;
    RunState state;
};

TEST_F(ValidateOnDisk, ExistingFolderGetsItsClosingBackslash) {
    EXPECT_TRUE(validate());
    EXPECT_EQ(state.targetFolder, folder + "\\");
    ASSERT_EQ(window.fieldTexts.size(), 1u);
    EXPECT_EQ(window.fieldTexts[0], std::make_pair(Field::pathName, folder + "\\"));
}

TEST_F(ValidateOnDisk, FolderWithBackslashAndRootStayUnchanged) {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    const std::string root = std::string(windows).substr(0, 3); // the drive, as C:\ .
    for (const std::string& path : {folder + "\\", root}) {
        SCOPED_TRACE(path);
        window = RecordingWindow{};
        options.pathSpec = path;
        EXPECT_TRUE(validate());
        EXPECT_EQ(state.targetFolder, path);
        EXPECT_TRUE(window.fieldTexts.empty());
    }
}

TEST_F(ValidateOnDisk, PathNamingAFilePasses) {
    options.pathSpec = folder + "\\a.txt";
    EXPECT_TRUE(validate());

    // A list in it: each name is tested for existence before emptiness, and nothing lies in a
    // file, so an empty name is reported as missing.
    window = RecordingWindow{};
    options.targetMode = TargetMode::listMode;
    options.maskOrList = ":";
    EXPECT_FALSE(validate());
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text, "The following file doesn't exist!\n\n" + folder +
                                           "\\a.txt\\\n\nPlease verify your input.");
}

TEST_F(ValidateOnDisk, MissingOrEmptyPathFails) {
    for (const std::string& path : {folder + "\\missing", std::string()}) {
        SCOPED_TRACE(path);
        window = RecordingWindow{};
        options.pathSpec = path;
        EXPECT_FALSE(validate());
        ASSERT_EQ(window.messages.size(), 1u);
        EXPECT_EQ(window.messages[0].text, "Your selected path does not exist!\nPlease change it.");
        EXPECT_EQ(window.calls.back(), "focusField pathName");
    }
}

TEST_F(ValidateOnDisk, ListNamesMustExistInTheFolder) {
    options.targetMode = TargetMode::listMode;
    options.maskOrList = "a.txt:b.txt";
    EXPECT_TRUE(validate());
    EXPECT_EQ(state.targetPattern, "a.txt:b.txt:");

    const struct {
        const char* list;
        std::string message;
    } cases[] = {
        {"a.txt:c.txt",
         "The following file doesn't exist!\n\n" + folder + "\\c.txt\n\nPlease verify your input."},
        {"a.txt::b.txt", "Write a filename between two colons!"},
        {":a.txt", "Write a filename between two colons!"},
        {"", "Write a filename between two colons!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list);
        window = RecordingWindow{};
        options.maskOrList = c.list;
        EXPECT_FALSE(validate());
        ASSERT_EQ(window.messages.size(), 1u);
        EXPECT_EQ(window.messages[0].text, c.message);
        EXPECT_EQ(window.calls.back(), "focusField fileList");
    }
}

} // namespace
} // namespace tarnwick
