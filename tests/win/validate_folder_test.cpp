// Option validation against real folders and files.
#include "engine/win32_file_system.h"
#include "validate/validate_options.h"

#include "res/resource.h"
#include "support/recording_window.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarnwick {
namespace {

using testing::RecordingWindow;

// A folder of its own under the temporary folder, removed with its files at the end.
class TempFolder {
public:
    TempFolder() {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        path_ = std::string(temp) + "tarnwick_validate_" + std::to_string(GetCurrentProcessId()) +
                "_" + std::to_string(GetTickCount());
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~TempFolder() {
        for (const std::string& file : files_)
            DeleteFileA((path_ + "\\" + file).c_str());
        RemoveDirectoryA(path_.c_str());
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    void addFile(const std::string& name) {
        HANDLE file = CreateFileA((path_ + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            files_.push_back(name);
        }
    }
    // Without the closing backslash.
    const std::string& path() const { return path_; }

private:
    std::string path_;
    std::vector<std::string> files_;
};

class ValidateOnDisk : public ::testing::Test {
protected:
    ValidateOnDisk() {
        folder.addFile("a.txt");
        folder.addFile("b.txt");
        options.pathSpec = folder.path();
        options.fileListText = "*.*";
    }

    bool validate() { return validateOptions(options, window, fileSystem, state); }

    TempFolder folder;
    Win32FileSystem fileSystem;
    RecordingWindow window;
    Options options;
    RunState state;
};

TEST_F(ValidateOnDisk, ExistingFolderGetsItsClosingBackslash) {
    EXPECT_TRUE(validate());
    EXPECT_EQ(state.targetFolder, folder.path() + "\\");
    ASSERT_EQ(window.fieldTexts.size(), 1u);
    EXPECT_EQ(window.fieldTexts[0], std::make_pair(IDC_PATH_NAME, folder.path() + "\\"));
}

TEST_F(ValidateOnDisk, FolderWithBackslashAndRootStayUnchanged) {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    const std::string root = std::string(windows).substr(0, 3); // the drive, as C:\ .
    for (const std::string& path : {folder.path() + "\\", root}) {
        SCOPED_TRACE(path);
        window = RecordingWindow{};
        options.pathSpec = path;
        EXPECT_TRUE(validate());
        EXPECT_EQ(state.targetFolder, path);
        EXPECT_TRUE(window.fieldTexts.empty());
    }
}

TEST_F(ValidateOnDisk, PathNamingAFilePasses) {
    options.pathSpec = folder.path() + "\\a.txt";
    EXPECT_TRUE(validate());
}

TEST_F(ValidateOnDisk, MissingOrEmptyPathFails) {
    for (const std::string& path : {folder.path() + "\\missing", std::string()}) {
        SCOPED_TRACE(path);
        window = RecordingWindow{};
        options.pathSpec = path;
        EXPECT_FALSE(validate());
        ASSERT_EQ(window.messages.size(), 1u);
        EXPECT_EQ(window.messages[0].text, "Your selected path does not exist!\nPlease change it.");
        EXPECT_EQ(window.calls.back(), "focusField 1000");
    }
}

TEST_F(ValidateOnDisk, ListNamesMustExistInTheFolder) {
    options.targetMode = TargetMode::listMode;
    options.fileListText = "a.txt:b.txt";
    EXPECT_TRUE(validate());
    EXPECT_EQ(state.targetPattern, "a.txt:b.txt:");

    const struct {
        const char* list;
        std::string message;
    } cases[] = {
        {"a.txt:c.txt", "The following file doesn't exist!\n\n" + folder.path() +
                            "\\c.txt\n\nPlease verify your input."},
        {"a.txt::b.txt", "Write a filename between two colons!"},
        {":a.txt", "Write a filename between two colons!"},
        {"", "Write a filename between two colons!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list);
        window = RecordingWindow{};
        options.fileListText = c.list;
        EXPECT_FALSE(validate());
        ASSERT_EQ(window.messages.size(), 1u);
        EXPECT_EQ(window.messages[0].text, c.message);
        EXPECT_EQ(window.calls.back(), "focusField 1002");
    }
}

} // namespace
} // namespace tarnwick
