// The data of a run: the user's options, the target files and the run state.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <memory>
#include <string>
#include <utility>
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

// The folder of a file entry: a text that the entries of one folder share instead of each
// holding a copy of it. It reads like a const std::string; copies share one text, which none of
// them changes.
class FolderText {
public:
    FolderText() = default; // empty, without a text of its own
    FolderText(std::string text) : text_(std::make_shared<const std::string>(std::move(text))) {}
    FolderText(const char* text) : FolderText(std::string(text)) {}

    operator const std::string&() const { return str(); }
    const std::string& str() const { return text_ != nullptr ? *text_ : noText(); }
    const char* c_str() const { return str().c_str(); }
    std::size_t size() const { return str().size(); }
    bool empty() const { return str().empty(); }
    std::string substr(std::size_t pos, std::size_t count = std::string::npos) const {
        return str().substr(pos, count);
    }
    // True when both share one text, which makes them equal without a look at it.
    bool sameText(const FolderText& other) const { return text_ == other.text_; }

private:
    static const std::string& noText();
    std::shared_ptr<const std::string> text_;
};

inline bool operator==(const FolderText& a, const FolderText& b) {
    return a.sameText(b) || a.str() == b.str();
}
inline bool operator==(const FolderText& a, const std::string& b) {
    return a.str() == b;
}
inline bool operator==(const std::string& a, const FolderText& b) {
    return a == b.str();
}
inline bool operator==(const FolderText& a, const char* b) {
    return a.str() == b;
}
inline bool operator!=(const FolderText& a, const FolderText& b) {
    return !(a == b);
}
inline bool operator!=(const FolderText& a, const std::string& b) {
    return !(a == b);
}
inline bool operator!=(const std::string& a, const FolderText& b) {
    return !(a == b);
}
inline bool operator!=(const FolderText& a, const char* b) {
    return !(a == b);
}
inline bool operator<(const FolderText& a, const FolderText& b) {
    return !a.sameText(b) && a.str() < b.str();
}
inline std::string operator+(const FolderText& a, const std::string& b) {
    return a.str() + b;
}
inline std::string operator+(const FolderText& a, const char* b) {
    return a.str() + b;
}
inline std::string operator+(const std::string& a, const FolderText& b) {
    return a + b.str();
}
std::ostream& operator<<(std::ostream& out, const FolderText& folder);

// One target file. folder always ends in a backslash.
struct FileEntry {
    FolderText folder;
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
