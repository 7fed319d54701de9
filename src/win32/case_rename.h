// Renames that change the letter case of a name alone. A file system that matches names
// regardless of case may take such a rename as done and keep the old spelling (Wine on a Linux
// folder), and a Linux folder may hold two names that differ in letter case alone, which Windows
// cannot: what a run learns of each folder is kept for the run.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <set>
#include <string>

namespace tarnwick {

class CaseRenames {
public:
    // The platform's rename, never replacing (ERROR_SUCCESS, or the error code of the failure),
    // and its listing of every entry of a folder (ending in a backslash) as it stores the names.
    // Paths are in the long form ("\\?\C:\a\b.txt"), as the platform takes them. betweenSteps
    // is set for a rename from a temporary name, while the file waits between two steps.
    using PlatformRename =
        std::function<DWORD(const std::wstring& from, const std::wstring& to, bool betweenSteps)>;
    using ReadFolder = std::function<void(
        const std::wstring& folder, const std::function<void(const std::wstring& name)>& visit)>;

    CaseRenames(PlatformRename renameEntry, ReadFolder readFolder);

    // Forgets what was learned of the folders: a run begins or ends.
    void forget();
    // Renames oldPath to newPath, which the platform takes for the same name in another letter
    // case. 0, or the errno of the failure.
    int rename(const std::wstring& oldPath, const std::wstring& newPath);
    // Keeps the names of the folders already read up to date after another rename.
    void noteRenamed(const std::wstring& oldPath, const std::wstring& newPath);

private:
    // Orders names as the file system matches them: without regard to letter case.
    struct IgnoringCase {
        bool operator()(const std::wstring& a, const std::wstring& b) const;
    };
    // How a direct rename that changes letter case alone turns out in a folder.
    enum class DirectCaseRename { untried, keepsNewSpelling, keepsOldSpelling };
    // What the current run has learned of one folder.
    struct Folder {
        DirectCaseRename direct = DirectCaseRename::untried;
        bool namesRead = false;
        std::multiset<std::wstring, IgnoringCase> names;
    };

    Folder& folderOf(const std::wstring& path);
    bool hasCaseTwin(const std::wstring& path);
    int renameThroughTemporary(const std::wstring& oldPath, const std::wstring& newPath);

    PlatformRename renameEntry_;
    ReadFolder readFolder_;
    std::map<std::wstring, Folder> folders_; // by folder path, ending in a backslash
    unsigned temporaryNumber_;
};

} // namespace tarnwick
