#include "result_checks.h"

#include "core/fill_in.h"
#include "core/texts.h"

#include <set>
#include <string>

namespace tarnwick {

namespace {

bool refuse(MainSurface& window, const std::string& text) {
    window.showError(text, texts::resultCheckCaption);
    window.clearProgress();
    return false;
}

} // namespace

bool checkEmptyOrLongNames(const FileList& files, MainSurface& window, const CodePage& codePage) {
    window.startProgress(files.size(), 1);
    for (const FileEntry& entry : files) {
        if (entry.newName.empty())
            return refuse(window,
                          fillIn(texts::emptyName, {{"path", entry.folder + entry.oldName}}));
        // Only the name counts, in characters; the folder may be of any length. A name of no
        // more bytes than the limit has no more characters either.
        const std::size_t length = entry.newName.size() > static_cast<std::size_t>(maxNameLength)
                                       ? codePage.length(entry.newName)
                                       : entry.newName.size();
        if (length > static_cast<std::size_t>(maxNameLength))
            return refuse(window, fillIn(texts::longName, {{"path", entry.folder + entry.newName},
                                                           {"length", std::to_string(length)}}));
        window.stepProgress();
    }
    window.clearProgress();
    return true;
}

bool checkIdenticalNames(const FileList& files, MainSurface& window, const CodePage& codePage) {
    // The list is sorted by folder, so the entries of one folder stand together and the set
    // needs to hold the names of one folder only.
    std::string currentFolder;
    std::set<std::string> seen;
    for (const FileEntry& entry : files) {
        window.keepAnswering();
        // Letter case as the file system ignores it for our purposes: that of the case
        // operation's small letters. Every other character stays as it is.
        std::string folded = entry.newName;
        codePage.toSmall(folded);
        if (entry.folder == currentFolder) {
            if (!seen.insert(std::move(folded)).second)
                return refuse(
                    window, fillIn(texts::identicalName, {{"path", entry.folder + entry.newName}}));
        } else {
            seen.clear();
            seen.insert(std::move(folded));
            currentFolder = entry.folder;
        }
    }
    return true;
}

} // namespace tarnwick
