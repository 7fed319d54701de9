// The two commands, Preview and Rename, with their numbered steps and the status area.
#pragma once

#include "core/file_system.h"
#include "core/main_surface.h"
#include "core/run_model.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace tarnwick {

// The texts of a run of steps, in their order.
using StepTexts = std::vector<const char*>;

// The numbered steps of one command, the runs of steps it takes one after the other: each
// announces itself as "Step n of total" with its text; the total counts them all.
class StepCounter {
public:
    StepCounter(MainSurface& window, std::initializer_list<const StepTexts*> runs);
    // Announces the next step.
    void next();

private:
    MainSurface& window_;
    StepTexts texts_;
    std::size_t next_ = 0;
};

class RunPipeline {
public:
    RunPipeline(MainSurface& window, FileSystem& fileSystem);

    void runPreview();
    void runRename();
    // Gives the files that the last Rename renamed their old names back, once the user agrees.
    void runUndo();
    // True while the files of the last Rename that renamed any can be given their old names back.
    bool canUndo() const { return !lastRenamed_.empty(); }

    // Empties the file list with its progress display.
    void clearFileList();
    // Brings the file list and the file list field in line with the renamed files: renamed[i]
    // tells whether entry i now has its new name; the others keep their old one.
    void updateFileList(const std::vector<bool>& renamed);

    FileList& fileList() { return files_; }
    RunState& state() { return state_; }
    // The code page of the names the commands work on.
    const CodePage& codePage() const { return fileSystem_.codePage(); }

private:
    // Reads and checks the options, then the steps both commands share: clear, collect, check
    // capacity, sort, format. False when a check refused the run.
    bool prepareList(StepCounter& steps);
    // The end of a command: no step label, the status text, the bar back at 0.
    void finish(const std::string& statusText);

    MainSurface& window_;
    FileSystem& fileSystem_;
    FileList files_;
    RunState state_;
    Options options_;      // read when a command starts; no input reaches the window meanwhile
    FileList lastRenamed_; // what the last Rename renamed, in the order renamed
};

} // namespace tarnwick
