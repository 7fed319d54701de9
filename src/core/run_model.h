// The data of a run: the user's options, the target files and the run state.
#pragma once

#include <string>
#include <vector>

namespace tarnwick {

enum class TargetMode { folderMode, listMode };

// The case styles in the order of the drop-down list's entries, whose index the list gives.
enum CaseStyle { smallLetters = 0, capitalLetters = 1, capitalInitials = 2 };

// The user's choices, one field per control of the Main dialog.
struct Options {
    TargetMode targetMode = TargetMode::folderMode;
    std::string pathSpec;
    std::string maskOrList; // the mask in folder mode, the colon-separated names in list mode
    bool includeSubdirs = false;
    bool numerate = false;
    int startNumber = 0;
    int digitCount = 1;
    bool folderPrefix = false;
    std::string separator;
    bool replaceOn = false;
    std::string replaceFind;
    std::string replaceWith;
    bool replaceFirstOnly = false;
    bool swapOn = false;
    std::string swapPivot;
    bool insertOn = false;
    std::string insertText;
    int insertPosition = 0;
    bool eraseOn = false;
    std::string eraseUntil;
    bool caseOn = false;
    int caseStyle = smallLetters;
};

// One target file. folder always ends in a backslash.
struct FileEntry {
    std::string folder;
    std::string oldName;
    std::string newName;
};

using FileList = std::vector<FileEntry>;

// What the Main dialog keeps from one command to the next.
struct RunState {
    std::string targetFolder;
    std::string targetPattern;
    bool includeSubdirs = false; // follows the subfolder box on every click
    bool previewReady = false;
    bool warnBeforeRename = true;
};

// Reads a number field: leading blanks and one sign skipped, then the decimal digits up to the
// first other character. No digits give 0; values beyond the 32-bit range saturate.
int parseNumberField(const std::string& text);

} // namespace tarnwick
