// Option validation against real folders and files: what exists is asked of the platform.
#include "win32/win32_file_system.h"
#include "validate/validate_options.h"

#include "support/recording_window.h"
#include "support/temp_folder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace tarnwick {
namespace {

TEST(ValidateOnDisk, FoldersAndListedNamesMustExist) {
    testing::TempFolder temp;
    temp.files({"a.txt", "b.txt"});
    const std::string folder = temp.path().substr(0, temp.path().size() - 1);
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    const std::string root = std::string(windows).substr(0, 3); // the drive, as C:\ .
    const std::string missingFolder = "Your selected path does not exist!\nPlease change it.";
    auto missing = [](const std::string& path) {
        return "The following file doesn't exist!\n\n" + path + "\n\nPlease verify your input.";
    };
    const struct {
        std::string path;
        const char* list; // none: folder mode with "*.*"
        std::string folder;
        std::string message; // empty: accepted
    } cases[] = {
        {folder, nullptr, folder + "\\", ""},
        {folder + "\\", nullptr, folder + "\\", ""},
        {root, nullptr, root, ""},
        {folder + "\\a.txt", nullptr, folder + "\\a.txt\\", ""}, // a file passes as the folder
        {folder + "\\missing", nullptr, "", missingFolder},
        // The device form of a folder is its long form; every other device is no folder.
        {"\\\\.\\" + folder, nullptr, "\\\\?\\" + folder + "\\", ""},
        {"\\\\.\\CON", nullptr, "", missingFolder},
        {folder + "\\CON", nullptr, "", missingFolder},
        {"\\\\.\\PhysicalDrive0", nullptr, "", missingFolder},
        {"", nullptr, "", missingFolder},
        {folder, "a.txt:b.txt", folder + "\\", ""},
        {folder, "a.txt:c.txt", folder + "\\", missing(folder + "\\c.txt")},
        // Each name is looked for before it is found empty, and nothing lies in a file.
        {folder + "\\a.txt", ":", folder + "\\a.txt\\", missing(folder + "\\a.txt\\")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path + " " + (c.list ? c.list : "*.*"));
        Options options;
        options.pathSpec = c.path;
        options.maskOrList = c.list ? c.list : "*.*";
        options.targetMode = c.list ? TargetMode::listMode : TargetMode::folderMode;
        testing::RecordingWindow window;
        RunState state;
        Win32FileSystem fileSystem;
        EXPECT_EQ(validateOptions(options, window, fileSystem, state), c.message.empty());
        EXPECT_EQ(state.targetFolder, c.folder);
        if (c.message.empty()) {
            EXPECT_TRUE(window.messages.empty());
        } else {
            ASSERT_EQ(window.messages.size(), 1u);
            EXPECT_EQ(window.messages[0].text, c.message);
        }
    }
}

} // namespace
} // namespace tarnwick
