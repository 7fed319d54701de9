#include "run_pipeline.h"

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
// The steps that make the list, those that rename it, and those of an undo.
const StepTexts listSteps{texts::stepClearing, texts::stepCollecting, texts::stepSorting,
                          texts::stepFormatting};
const StepTexts renameSteps{texts::stepCheckingEmptyOrLong, texts::stepCheckingIdentical,
                            texts::stepRenaming, texts::stepUpdating};
const StepTexts undoSteps{texts::stepRenaming, texts::stepUpdating};
} // namespace

StepCounter::StepCounter(MainSurface& window, std::initializer_list<const StepTexts*> runs)
    : window_(window) {
    for (const StepTexts* run : runs)
        texts_.insert(texts_.end(), run->begin(), run->end());
}

void StepCounter::next() {
    window_.setStatusText(texts_.at(next_));
    ++next_;
    window_.setStepLabel(fillIn(texts::stepLabel, {{"step", std::to_string(next_)},
                                                   {"steps", std::to_string(texts_.size())}}));
}

RunPipeline::RunPipeline(MainSurface& window, FileSystem& fileSystem)
    : window_(window), fileSystem_(fileSystem) {}

void RunPipeline::clearFileList() {
    const int count = static_cast<int>(files_.size());
    window_.startProgress(files_.size(), count);
    if (!files_.empty()) {
        files_.clear();
        window_.stepProgress();
    }
    window_.clearProgress();
}

void RunPipeline::finish(const std::string& statusText) {
    window_.setStepLabel("");
    window_.setStatusText(statusText);
    window_.clearProgress();
}

bool RunPipeline::prepareList(StepCounter& steps) {
    options_ = window_.readOptions();
    if (!validateOptions(options_, window_, fileSystem_, state_))
        return false;
    steps.next(); // Clearing
    clearFileList();
    steps.next(); // Collecting
    collectTargets(options_.targetMode, options_.includeSubdirs, state_.targetFolder,
                   state_.targetPattern, fileSystem_, window_, files_);
    if (!checkNumberingCapacity(options_, files_.size(), window_)) {
        state_.previewReady = false;
        return false;
    }
    steps.next(); // Sorting
    sortEntries(files_, &window_);
    steps.next(); // Formating
    formatNewNames(options_, files_, window_, fileSystem_.codePage());
    return true;
}

void RunPipeline::runPreview() {
    StepCounter steps(window_, {&listSteps});
    if (!prepareList(steps))
        return;
    finish(texts::openingPreview);
    state_.previewReady = true;
    if (window_.runPreviewDialog(files_))
        runRename();
}

void RunPipeline::runRename() {
    StepCounter steps = state_.previewReady ? StepCounter(window_, {&renameSteps})
                                            : StepCounter(window_, {&listSteps, &renameSteps});
    if (!state_.previewReady && !prepareList(steps))
        return;
    state_.previewReady = false;
    steps.next(); // Checking for empty or too long names
    if (!checkEmptyOrLongNames(files_, window_, fileSystem_.codePage()))
        return;
    steps.next(); // Checking for identical names
    if (!checkIdenticalNames(files_, window_, fileSystem_.codePage()))
        return;
    if (state_.warnBeforeRename) {
        window_.setStatusText(texts::reallyRename);
        const ConfirmAnswer answer = window_.runConfirmDialog();
        if (!answer.rename)
            return;
        state_.warnBeforeRename = !answer.dontWarnAgain;
    }
    steps.next(); // Renaming
    RenameRecord record = renameAll(files_, fileSystem_, window_);
    lastRenamed_ = std::move(record.changed);
    steps.next(); // Updating
    updateFileList(record.succeeded);
    finish(fillIn(texts::filesRenamed, {{"count", std::to_string(record.renamed())}}));
}

void RunPipeline::runUndo() {
    if (lastRenamed_.empty())
        return;
    if (!window_.askYesNo(
            fillIn(texts::undoQuestion, {{"count", std::to_string(lastRenamed_.size())}}),
            texts::questionCaption))
        return;
    StepCounter steps(window_, {&undoSteps});
    state_.previewReady = false;
    const FileList changed = std::exchange(lastRenamed_, {});
    steps.next(); // Renaming
    const RenameRecord back = renameBack(changed, fileSystem_, window_);
    steps.next(); // Updating
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

void RunPipeline::updateFileList(const std::vector<bool>& renamed) {
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
