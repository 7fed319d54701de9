// The Renames of a session that can still be undone, the newest first, within a bound of memory.
#pragma once

#include "core/run_model.h"
#include "core/texts.h"

#include <cstddef>
#include <deque>
#include <vector>

namespace tarnwick {

// Each run that renamed files, as renameAll recorded what it changed, up to a number of entries
// over all runs held; beyond it the oldest runs are dropped first, but the newest is always kept
// whole. The entries keep sharing their folder's text, so that an entry costs what it costs in
// the file list.
class UndoHistory {
public:
    explicit UndoHistory(std::size_t entryLimit = undoEntryLimit) : entryLimit_(entryLimit) {}

    // Keeps the entries a run changed. A run that changed none leaves the history as it was.
    void push(FileList changed);
    // Takes the newest run out: the next to undo, and none that comes back. Nothing when empty.
    FileList pop();
    // After the undo of a run that pop gave: an entry of undone that did not go back
    // (wentBack[i] false) left its file under the newer name. The older run that gave the file
    // the name it should have got back then gives it back from where it is, so that its undo
    // takes no other file that has since come to that name.
    void keptNewerNames(const FileList& undone, const std::vector<bool>& wentBack);

    bool empty() const { return runs_.empty(); }
    // The entries of the newest run, which its undo would give back.
    std::size_t newestSize() const { return runs_.empty() ? 0 : runs_.back().size(); }

private:
    std::deque<FileList> runs_; // the oldest first
    std::size_t entries_ = 0;   // over all runs held
    std::size_t entryLimit_;
};

} // namespace tarnwick
