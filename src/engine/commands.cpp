#include "commands.h"

#include "collect.h"
#include "core/fill_in.h"
#include "core/paths.h"
#include "core/texts.h"
#include "format/format_names.h"
#include "rename.h"
#include "validate/result_checks.h"
#include "validate/validate_options.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tarnwick {

namespace {
// How many steps make the list (clear, collect, sort, format), rename it (the two checks,
// rename, update) and undo a Rename (rename, update).
const std::size_t listSteps = 4;
const std::size_t renameSteps = 4;
const std::size_t undoSteps = 2;
} // namespace

StepCounter::StepCounter(MainSurface& window, std::size_t steps) : window_(window), steps_(steps) {}

void StepCounter::next(const char* text) {
    window_.setStatusText(text);
    ++step_;
    window_.setStepLabel(fillIn(
        texts::stepLabel, {{"step", std::to_string(step_)}, {"steps", std::to_string(steps_)}}));
}

Commands::Commands(MainSurface& window, FileSystem& fileSystem)
    : window_(window), fileSystem_(fileSystem) {}

void Commands::clearFileList() {
    const int count = static_cast<int>(files_.size());
    window_.startProgress(files_.size(), count);
    if (!files_.empty()) {
        files_.clear();
        window_.stepProgress();
    }
    window_.clearProgress();
}

void Commands::finish(const std::string& statusText) {
    window_.setStepLabel("");
    window_.announceOutcome(statusText);
    window_.clearProgress();
}

bool Commands::prepareList(StepCounter& steps) {
    options_ = window_.readOptions();
    if (!validateOptions(options_, window_, fileSystem_, state_))
        return false;
    steps.next(texts::stepClearing);
    clearFileList();
    steps.next(texts::stepCollecting);
    collectTargets(options_.targetMode, options_.includeSubdirs, state_.targetFolder,
                   state_.targetPattern, fileSystem_, window_, files_);
    if (!checkNumberingCapacity(options_, files_.size(), window_)) {
        state_.previewReady = false;
        return false;
    }
    steps.next(texts::stepSorting);
    sortEntries(files_, &window_);
    steps.next(texts::stepFormatting);
    formatNewNames(options_, files_, window_, fileSystem_.characters());
    return true;
}

void Commands::runPreview() {
    StepCounter steps(window_, listSteps);
    if (!prepareList(steps))
        return;
    finish(texts::openingPreview);
    state_.previewReady = true;
    if (window_.runPreviewDialog(files_))
        runRename();
}

void Commands::runRename() {
    StepCounter steps(window_, state_.previewReady ? renameSteps : listSteps + renameSteps);
    if (!state_.previewReady && !prepareList(steps))
        return;
    state_.previewReady = false;
    steps.next(texts::stepCheckingEmptyOrLong);
    if (!checkEmptyOrLongNames(files_, window_))
        return;
    steps.next(texts::stepCheckingIdentical);
    if (!checkIdenticalNames(files_, window_, fileSystem_.characters()))
        return;
    if (state_.warnBeforeRename) {
        window_.setStatusText(texts::reallyRename);
        const ConfirmAnswer answer = window_.runConfirmDialog();
        if (!answer.rename)
            return;
        state_.warnBeforeRename = !answer.dontWarnAgain;
    }
    steps.next(texts::stepRenaming);
    RenameRecord record = renameAll(files_, fileSystem_, window_);
    undo_.push(std::move(record.changed));
    steps.next(texts::stepUpdating);
    updateFileList(record.succeeded);
    finish(fillIn(texts::filesRenamed, {{"count", std::to_string(record.renamed())}}));
}

void Commands::runUndo() {
    if (undo_.empty())
        return;
    if (!window_.askYesNo(
            fillIn(texts::undoQuestion, {{"count", std::to_string(undo_.newestSize())}}),
            texts::questionCaption))
        return;
    StepCounter steps(window_, undoSteps);
    state_.previewReady = false;
    const FileList changed = undo_.pop();
    steps.next(texts::stepRenaming);
    const RenameRecord back = renameBack(changed, fileSystem_, window_);
    undo_.keptNewerNames(changed, back.succeeded);
    steps.next(texts::stepUpdating);
    // Each listed file by the name it has now: its old one where it went back.
    std::map<std::string, std::string> wentBack; // by the path it had, the name it has now
    for (std::size_t i = 0; i < changed.size(); ++i) {
        window_.keepAnswering();
        if (back.succeeded[i])
            wentBack[changed[i].folder + changed[i].newName] = changed[i].oldName;
    }
    for (FileEntry& entry : files_) {
        window_.keepAnswering();
        const auto found = wentBack.find(entry.folder + entry.oldName);
        entry.newName = found != wentBack.end() ? found->second : entry.oldName;
    }
    updateFileList(std::vector<bool>(files_.size(), true));
    finish(fillIn(texts::filesRenamedBack, {{"count", std::to_string(back.renamed())}}));
}

void Commands::updateFileList(const std::vector<bool>& renamed) {
    window_.startProgress(files_.size(), 1);
    // The window as it stands now decides, also after a Preview whose options have changed since.
    const Options now = window_.readOptions();
    if (now.targetMode == TargetMode::listMode) {
        // A file that was not renamed keeps its old name, so that the next command finds it
        // and no other file that meanwhile answers to its new name.
        std::vector<std::string> names;
        for (std::size_t i = 0; i < files_.size(); ++i) {
            FileEntry& entry = files_[i];
            if (i < renamed.size() && renamed[i])
                entry.oldName = entry.newName;
            else
                entry.newName = entry.oldName;
            names.push_back(entry.oldName);
            window_.stepProgress();
        }
        window_.setFieldText(Field::fileList, joinNameList(names));
    } else {
        clearFileList();
        collectTargets(now.targetMode, now.includeSubdirs, state_.targetFolder,
                       state_.targetPattern, fileSystem_, window_, files_);
    }
}

} // namespace tarnwick
