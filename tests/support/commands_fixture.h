// A command of the engine on a file system of the test's choice, watched through a recording
// window; and the message of a file that could not be renamed, as the tests expect it.
#pragma once

#include "engine/commands.h"
#include "support/recording_window.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace tarnwick::testing {

// The reasons of a rename failure that the tests meet most.
inline const std::string kNotFoundReason = "File or path specified by oldname not found.";
inline const std::string kAccessReason =
    "File or directory specified by newname already exists or could not be created (invalid "
    "path); or oldname is a directory and newname specifies a different path.";
inline const std::string kInvalidReason = "Name contains invalid characters.";

// The message of a file that could not be renamed from oldPath to newPath.
inline std::string renameFailure(const std::string& oldPath, const std::string& newPath,
                                 const std::string& reason) {
    return "Access denied.\n\n" + oldPath + "\n\ncould not renamed to\n\n" + newPath + "\n\n" +
           reason;
}

template <typename FileSystemType, typename Window = RecordingWindow>
class CommandsFixture : public ::testing::Test {
protected:
    CommandsFixture() : commands(window, fs) {}

    // The list as the Preview dialog showed it, in folder: a Rename takes it as it is.
    void previewed(const std::string& folder,
                   const std::vector<std::pair<const char*, const char*>>& renames) {
        commands.fileList().clear();
        for (const auto& r : renames)
            commands.fileList().push_back(FileEntry{folder, r.first, r.second});
        commands.state().previewReady = true;
    }

    Window window;
    FileSystemType fs;
    Commands commands;
};

} // namespace tarnwick::testing
