// Renaming the files of the list and bringing the list up to date afterwards.
#include "run_pipeline.h"

#include "res/resource.h"

namespace tarnwick {

namespace {

const int kEEXIST = 17;

std::string failureReason(int error) {
    switch (error) {
    case 2: return "File or path specified by oldname not found.";
    case 13:
        return "File or directory specified by newname already exists or could not be created "
               "(invalid path); or oldname is a directory and newname specifies a different "
               "path.";
    case 22: return "Name contains invalid characters.";
    default: return "Don't know what was wrong. Errno = " + std::to_string(error);
    }
}

} // namespace

int RunPipeline::renameAll() {
    window_.setProgressRange(static_cast<int>(files_.size()));
    window_.setProgressPos(0);
    window_.setProgressStep(1);
    int renamed = 0;
    for (const FileEntry& entry : files_) {
        const std::string oldPath = entry.folder + entry.oldName;
        const std::string newPath = entry.folder + entry.newName;
        const int error = fileSystem_.rename(oldPath, newPath);
        if (error == 0) {
            ++renamed;
        } else if (error == kEEXIST) {
            continue; // the new name is taken: passed over without a word
        } else {
            window_.showError("Access denied.\n\n" + oldPath + "\n\ncould not renamed to\n\n" +
                                  newPath + "\n\n" + failureReason(error),
                              "Tarnwick Error");
        }
        window_.stepProgress();
    }
    return renamed;
}

void RunPipeline::updateFileList() {
    window_.setProgressRange(static_cast<int>(files_.size()));
    window_.setProgressPos(0);
    window_.setProgressStep(1);
    if (window_.readOptions().targetMode == TargetMode::listMode) {
        std::string text;
        for (FileEntry& entry : files_) {
            entry.oldName = entry.newName;
            if (&entry != &files_.front())
                text += ':';
            text += entry.oldName;
            window_.stepProgress();
        }
        window_.setFieldText(IDC_FILE_LIST, text);
    } else {
        clearFileList();
        collectTargets(state_.targetFolder, state_.targetPattern);
    }
}

} // namespace tarnwick
