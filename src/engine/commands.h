// The commands of the Main dialog, Preview, Rename and the undo of the Renames, with their
// numbered steps.
#pragma once

#include "core/file_system.h"
#include "core/main_surface.h"
#include "core/run_model.h"
#include "undo_history.h"

#include <string>
#include <vector>

namespace tarnwick {

// The numbered steps of one command: each announces itself with its text and as "Step n of
// steps".
class StepCounter {
public:
    StepCounter(MainSurface& window, std::size_t steps);
    // Announces the next step, which text names.
    void next(const char* text);

private:
    MainSurface& window_;
    std::size_t steps_;
    std::size_t step_ = 0;
};

class Commands {
public:
    Commands(MainSurface& window, FileSystem& fileSystem);

    void runPreview();
    void runRename();
    // Gives the files of the newest Rename not yet undone their old names back, once the user
    // agrees; the next undo goes one Rename further back.
    void runUndo();
    // True while a Rename that renamed files can be given back.
    bool canUndo() const { return !undo_.empty(); }

    // Empties the file list with its progress display.
    void clearFileList();
    // Brings the file list and the file list field in line with the renamed files: renamed[i]
    // tells whether entry i now has its new name; the others keep their old one.
    void updateFileList(const std::vector<bool>& renamed);

    FileList& fileList() { return files_; }
    RunState& state() { return state_; }

private:
    // Reads and checks the options, then the steps both commands share: clear, collect, check
    // capacity, sort, format. False when a check refused the run.
    bool prepareList(StepCounter& steps);
    // The end of a command: no step label, the status text announced as its outcome, the bar
    // back at 0.
    void finish(const std::string& statusText);

    MainSurface& window_;
    FileSystem& fileSystem_;
    FileList files_;
    RunState state_;
    Options options_;  // read when a command starts; no input reaches the window meanwhile
    UndoHistory undo_; // what each Rename renamed, in the order renamed
};

} // namespace tarnwick
