// The two commands, Preview and Rename, with their numbered steps and the status area.
#pragma once

#include "file_system.h"
#include "main_surface.h"
#include "run_model.h"

#include <string>

namespace tarnwick {

// True when entry a belongs before entry b: by folder, then by old name, byte-wise.
bool compareEntries(const FileEntry& a, const FileEntry& b);

class RunPipeline {
public:
    RunPipeline(MainSurface& window, FileSystem& fileSystem);

    void runPreview();
    void runRename();

    // Empties the file list with its progress display.
    void clearFileList();

    // Appends the targets of folder (ends in a backslash) and pattern to the file list.
    void collectTargets(const std::string& folder, const std::string& pattern);
    void walkFolder(const std::string& folder, const std::string& mask);

    // Renames every entry; returns the number renamed.
    int renameAll();
    // Brings the file list and the file list field in line with the renamed files.
    void updateFileList();

    FileList& fileList() { return files_; }
    const FileList& fileList() const { return files_; }
    RunState& state() { return state_; }

private:
    void showStep(const std::string& text, int& n, int m);
    // The steps both commands share: clear, collect, check capacity, sort, format.
    // False when the capacity check refused the run.
    bool buildList(int& n, int m);

    MainSurface& window_;
    FileSystem& fileSystem_;
    FileList files_;
    RunState state_;
    Options options_; // read when a command starts; no input reaches the window meanwhile
};

} // namespace tarnwick
