#include "undo_history.h"

#include <string>
#include <unordered_map>
#include <utility>

namespace tarnwick {

void UndoHistory::push(FileList changed) {
    if (changed.empty())
        return;
    entries_ += changed.size();
    runs_.push_back(std::move(changed));
    while (entries_ > entryLimit_ && runs_.size() > 1) {
        entries_ -= runs_.front().size();
        runs_.pop_front();
    }
}

FileList UndoHistory::pop() {
    if (runs_.empty())
        return {};
    FileList newest = std::move(runs_.back());
    runs_.pop_back();
    entries_ -= newest.size();
    return newest;
}

void UndoHistory::keptNewerNames(const FileList& undone, const std::vector<bool>& wentBack) {
    // Each file that stayed: by the path it did not get back, the name it kept.
    std::unordered_map<std::string, const std::string*> kept;
    for (std::size_t i = 0; i < undone.size(); ++i) {
        if (!wentBack[i])
            kept.emplace(undone[i].folder + undone[i].oldName, &undone[i].newName);
    }
    // The newest run that renamed a file to such a path gave the path to that file.
    for (auto run = runs_.rbegin(); run != runs_.rend() && !kept.empty(); ++run) {
        for (FileEntry& entry : *run) {
            const auto found = kept.find(entry.folder + entry.newName);
            if (found != kept.end()) {
                entry.newName = *found->second;
                kept.erase(found);
            }
        }
    }
}

} // namespace tarnwick
