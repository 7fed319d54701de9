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

bool checkEmptyOrLongNames(const FileList& files, MainSurface& window) {
    window.startProgress(files.size(), 1);
    for (const FileEntry& entry : files) {
        if (entry.newName.empty())
            return refuse(window,
                          fillIn(texts::emptyName, {{"path", entry.folder + entry.oldName}}));
        // Only the name counts, in UTF-16 units as the file system counts its limit of 255 (a
        // character beyond the Basic Multilingual Plane is two); the folder may be of any length.
        // A name of no more bytes than the limit has no more units either.
        const std::size_t length = entry.newName.size() > static_cast<std::size_t>(maxNameLength)
                                       ? utf16Length(entry.newName)
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
    std::set<std::u32string> seen;
    for (const FileEntry& entry : files) {
        // Every character as the file system compares names: by its capital, as the mask does.
        std::u32string folded;
        for (std::size_t at = 0; at < entry.newName.size();) {
            const std::size_t size = codePage.charSize(entry.newName, at);
            folded += static_cast<char32_t>(codePage.caseKey(entry.newName, at, size));
            at += size;
        }
        window.keepAnswering();
        if (entry.folder != currentFolder) {
            seen.clear();
            currentFolder = entry.folder;
        }
        if (!seen.insert(std::move(folded)).second)
            return refuse(window,
                          fillIn(texts::identicalName, {{"path", entry.folder + entry.newName}}));
    }
    return true;
}

} // namespace tarnwick
