#include "result_checks.h"

#include "core/letter_case.h"
#include "core/texts.h"

#include <set>
#include <string>

namespace tarnwick {

namespace {

// Letter case as the file system ignores it for our purposes: that of the case operation's
// small letters (A-Z and the umlauts Ä, Ö, Ü of code page 1252). Every other byte stays as it is.
std::string foldCase(std::string name) {
    for (char& c : name)
        c = toSmall(c);
    return name;
}

bool refuse(MainSurface& window, const std::string& text) {
    window.showError(text, texts::resultCheckCaption);
    window.setProgressPos(0);
    return false;
}

} // namespace

bool checkEmptyOrLongNames(const FileList& files, MainSurface& window) {
    window.setProgressRange(static_cast<int>(files.size()));
    window.setProgressPos(0);
    window.setProgressStep(1);
    for (const FileEntry& entry : files) {
        if (entry.newName.empty())
            return refuse(window, texts::emptyNameHead + entry.folder + entry.oldName +
                                      texts::emptyNameTail);
        // Only the name counts; the folder may be of any length.
        if (entry.newName.size() > static_cast<std::size_t>(maxNameLength))
            return refuse(window, texts::longNameHead + entry.folder + entry.newName +
                                      texts::longNameMiddle + std::to_string(entry.newName.size()) +
                                      texts::longNameTail);
        window.stepProgress();
    }
    window.setProgressPos(0);
    return true;
}

bool checkIdenticalNames(const FileList& files, MainSurface& window) {
    // The list is sorted by folder, so the entries of one folder stand together and the set
    // needs to hold the names of one folder only.
    std::string currentFolder;
    std::set<std::string> seen;
    for (const FileEntry& entry : files) {
        std::string folded = foldCase(entry.newName);
        if (entry.folder == currentFolder) {
            if (!seen.insert(std::move(folded)).second)
                return refuse(window, texts::identicalNameHead + entry.folder + entry.newName +
                                          texts::identicalNameTail);
        } else {
            seen.clear();
            seen.insert(std::move(folded));
            currentFolder = entry.folder;
        }
    }
    return true;
}

} // namespace tarnwick
