#include "run_pipeline.h"

#include "format/format_names.h"
#include "validate/result_checks.h"
#include "validate/validate_options.h"

#include <algorithm>

namespace tarnwick {

RunPipeline::RunPipeline(MainSurface& window, FileSystem& fileSystem)
    : window_(window), fileSystem_(fileSystem) {}

void RunPipeline::showStep(const std::string& text, int& n, int m) {
    window_.setStatusText(text);
    window_.setStepLabel("Step " + std::to_string(n) + " of " + std::to_string(m));
    ++n;
}

void RunPipeline::clearFileList() {
    const int count = static_cast<int>(files_.size());
    window_.setProgressRange(count);
    window_.setProgressPos(0);
    window_.setProgressStep(count);
    if (!files_.empty()) {
        files_.clear();
        window_.stepProgress();
    }
    window_.setProgressPos(0);
}

bool RunPipeline::buildList(int& n, int m) {
    showStep("Clearing filename list ...", n, m);
    clearFileList();
    showStep("Collecting all filenames ...", n, m);
    collectTargets(state_.targetFolder, state_.targetPattern);
    if (!checkNumberingCapacity(options_, files_.size(), window_)) {
        state_.previewReady = false;
        return false;
    }
    showStep("Sorting filename list ...", n, m);
    std::stable_sort(files_.begin(), files_.end(), compareEntries);
    showStep("Formating filename list ...", n, m);
    formatNewNames(options_, files_, window_);
    return true;
}

void RunPipeline::runPreview() {
    window_.showWaitCursor();
    int n = 1;
    options_ = window_.readOptions();
    if (!validateOptions(options_, window_, fileSystem_, state_) || !buildList(n, 4)) {
        window_.restoreCursor();
        return;
    }
    window_.setStepLabel("");
    window_.setStatusText("Opening preview dialog ...");
    window_.setProgressPos(0);
    state_.previewReady = true;
    window_.restoreCursor();
    if (window_.runPreviewDialog(files_))
        runRename();
}

void RunPipeline::runRename() {
    window_.showWaitCursor();
    int n = 1;
    int m = 4;
    if (!state_.previewReady) {
        m = 8;
        options_ = window_.readOptions();
        if (!validateOptions(options_, window_, fileSystem_, state_) || !buildList(n, m)) {
            window_.restoreCursor();
            return;
        }
    }
    state_.previewReady = false;
    showStep("Checking for empty or to long filenames ...", n, m);
    if (!checkEmptyOrLongNames(files_, window_)) {
        window_.restoreCursor();
        return;
    }
    showStep("Checking for identical filenames ...", n, m);
    if (!checkIdenticalNames(files_, window_)) {
        window_.restoreCursor();
        return;
    }
    if (state_.warnBeforeRename) {
        window_.restoreCursor();
        window_.setStatusText("Really rename?");
        const ConfirmAnswer answer = window_.runConfirmDialog();
        if (!answer.rename)
            return;
        state_.warnBeforeRename = !answer.dontWarnAgain;
        window_.showWaitCursor();
    }
    showStep("Renaming ...", n, m);
    const int renamed = renameAll();
    showStep("Updating filename list ...", n, m);
    updateFileList();
    window_.restoreCursor();
    window_.setStepLabel("");
    window_.setStatusText(std::to_string(renamed) + " file(s) successfully renamed.");
    window_.setProgressPos(0);
}

} // namespace tarnwick
