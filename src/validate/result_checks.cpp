#include "result_checks.h"

#include "format/name_ops.h"

#include <set>
#include <string>

namespace tarnwick {

namespace {

const char* const kCaption = "Tarnwick - Error";
const std::size_t kMaxNameLength = 215;

// Letter case as the file system ignores it for our purposes: that of the case operation's
// small letters (A-Z and the umlauts Ä, Ö, Ü of code page 1252). Every other byte stays as it is.
std::string foldCase(std::string name) {
    for (char& c : name)
        c = toSmall(c);
    return name;
}

bool refuse(MainSurface& window, const std::string& text) {
    window.showError(text, kCaption);
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
            return refuse(window, "With your format selections you create empty filenames."
                                  "\nFor example the file\n\n" +
                                      entry.folder + entry.oldName +
                                      "\n\nresults in an empty filename.\n"
                                      "That is not allowed and NO file will be renamed now!");
        // Only the name counts; the folder may be of any length.
        if (entry.newName.size() > kMaxNameLength)
            return refuse(window, "With your format selections you create filenames"
                                  " with more than 215 characters."
                                  "\nFor example the new filename\n\n" +
                                      entry.folder + entry.newName + "\n\nhas now " +
                                      std::to_string(entry.newName.size()) +
                                      " characters.\n"
                                      "That is not allowed and NO file will be renamed now!");
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
                return refuse(window, "With your format selections you create identical "
                                      "filenames in the SAME directory.\n"
                                      "You get the filename\n\n" +
                                          entry.folder + entry.newName +
                                          "\n\nat least twice.\n"
                                          "That is not allowed and NO file will be "
                                          "renamed now!");
        } else {
            seen.clear();
            seen.insert(std::move(folded));
            currentFolder = entry.folder;
        }
    }
    return true;
}

} // namespace tarnwick
