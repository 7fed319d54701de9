#include "case_rename.h"

#include "characters.h"
#include "errno_table.h"
#include "handles.h"

#include "core/file_system.h"

#include <windows.h>

#include <algorithm>

namespace tarnwick {

namespace {

// Where the name of a path begins: after its last backslash (no name holds one).
std::size_t nameAt(const std::wstring& path) {
    return path.find_last_of(L'\\') + 1;
}

std::wstring folderPart(const std::wstring& path) {
    return path.substr(0, nameAt(path));
}

std::wstring namePart(const std::wstring& path) {
    return path.substr(nameAt(path));
}

bool isExistsError(DWORD error) {
    return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS;
}

// The name a file carries between the two steps of a change of letter case: its old name
// followed by a short mark, so that a file left under it (the program ended in between) is known
// at a glance. The whole path (without its long form's prefix) stays within the platform's 260
// characters and the name within the 255 a folder entry may hold, both counted in UTF-16 units
// as the platform counts them; only where these limits (or, with noLonger set, the old name's
// own length) leave no room is the old name cut short at its end, never inside a surrogate pair.
std::wstring temporaryName(const std::wstring& folder, const std::wstring& name, unsigned number,
                           bool noLonger) {
    std::wstring mark = L"~tw0000";
    for (std::size_t digit = 0; digit < 4; ++digit)
        mark[mark.size() - 1 - digit] = L"0123456789abcdef"[(number >> (4 * digit)) & 0xFu];
    const std::size_t markSize = mark.size();
    const std::size_t longestName = 255;
    const std::size_t prefix =
        folder.compare(0, 8, L"\\\\?\\UNC\\") == 0 ? 6 : 4; // "\\?\UNC\" is "\\"
    const std::size_t folderUnits = folder.size() - prefix;
    std::size_t room = folderUnits + 1 < MAX_PATH ? MAX_PATH - 1 - folderUnits : 0;
    room = std::min(room, longestName);
    if (noLonger)
        room = std::min(room, std::max(name.size(), markSize));
    std::size_t keep = room > markSize ? std::min(name.size(), room - markSize) : 0;
    if (keep > 0 && keep < name.size() && name[keep - 1] >= 0xD800 && name[keep - 1] <= 0xDBFF &&
        name[keep] >= 0xDC00 && name[keep] <= 0xDFFF)
        --keep;
    return name.substr(0, keep) + mark;
}

} // namespace

CaseRenames::CaseRenames(PlatformRename renameEntry, ReadFolder readFolder)
    : renameEntry_(std::move(renameEntry)), readFolder_(std::move(readFolder)),
      temporaryNumber_(static_cast<unsigned>(GetCurrentProcessId())) {}

void CaseRenames::forget() {
    folders_.clear();
}

bool CaseRenames::IgnoringCase::operator()(const std::wstring& a, const std::wstring& b) const {
    return compareNames(a, b) < 0;
}

CaseRenames::Folder& CaseRenames::folderOf(const std::wstring& path) {
    return folders_[folderPart(path)];
}

// True when another entry of the folder answers to the same name regardless of letter case.
// Wine on a case-sensitive Linux folder can hold such twins; Windows cannot. The folder is read
// once in a run; the run's own renames keep its names up to date.
bool CaseRenames::hasCaseTwin(const std::wstring& path) {
    Folder& folder = folderOf(path);
    if (!folder.namesRead) {
        readFolder_(folderPart(path), [&](const std::wstring& name) { folder.names.insert(name); });
        folder.namesRead = true;
    }
    return folder.names.count(namePart(path)) > 1;
}

void CaseRenames::noteRenamed(const std::wstring& oldPath, const std::wstring& newPath) {
    if (folders_.empty())
        return;
    const auto from = folders_.find(folderPart(oldPath));
    if (from != folders_.end() && from->second.namesRead) {
        const auto old = from->second.names.find(namePart(oldPath));
        if (old != from->second.names.end())
            from->second.names.erase(old);
    }
    const auto to = folders_.find(folderPart(newPath));
    if (to != folders_.end() && to->second.namesRead)
        to->second.names.insert(namePart(newPath));
}

// A file system that matches names regardless of case may take a direct rename between two
// spellings of one name as done and keep the old spelling (Wine on a Linux folder); Windows
// keeps the new one. The first such rename in a folder is tried directly and the spelling read
// back: where it stuck, every later one in the folder is a single rename; where it did not, this
// one and every later one go through a temporary name.
int CaseRenames::rename(const std::wstring& oldPath, const std::wstring& newPath) {
    Folder& folder = folderOf(oldPath);
    if (folder.direct != DirectCaseRename::keepsOldSpelling) {
        const DWORD error = renameEntry_(oldPath, newPath, false);
        if (error != ERROR_SUCCESS) {
            if (!isExistsError(error))
                return errnoFor(error);
            // Another entry holds the new spelling, or the platform refuses a change of case
            // alone: without a twin it is the platform, for every file of the folder.
            if (!hasCaseTwin(oldPath))
                folder.direct = DirectCaseRename::keepsOldSpelling;
        } else {
            if (folder.direct == DirectCaseRename::keepsNewSpelling)
                return 0;
            // The search may also find another entry by its short 8.3 name (the folder search
            // matches those too): only the entry's own name spelled as asked counts as stuck.
            WIN32_FIND_DATAW data;
            FindHandle find(FindFirstFileW(newPath.c_str(), &data));
            if (find.valid() && namePart(newPath) == data.cFileName) {
                folder.direct = DirectCaseRename::keepsNewSpelling;
                return 0;
            }
            if (find.valid())
                folder.direct = DirectCaseRename::keepsOldSpelling;
        }
    }
    return renameThroughTemporary(oldPath, newPath);
}

// Renaming through a temporary name makes the new spelling stick; should the second step fail,
// the file gets its old name back. Beside a case twin, the new spelling is taken by the twin and
// the file could not even get its old name back from the temporary one: the new name counts as
// taken and nothing is touched.
int CaseRenames::renameThroughTemporary(const std::wstring& oldPath, const std::wstring& newPath) {
    if (hasCaseTwin(oldPath))
        return renameError::exists;
    const std::wstring folder = folderPart(oldPath);
    const std::wstring name = oldPath.substr(folder.size());
    bool noLonger = false;
    for (unsigned attempt = 0; attempt < 64; ++attempt) {
        const std::wstring temporary =
            folder + temporaryName(folder, name, ++temporaryNumber_, noLonger);
        const DWORD error = renameEntry_(oldPath, temporary, false);
        if (error != ERROR_SUCCESS) {
            if (isExistsError(error))
                continue; // that name is taken: another one
            if (!noLonger && temporary.size() > oldPath.size()) {
                // Some file systems count a name's length in their own way (Wine on Linux in
                // bytes of UTF-8): a name of no more units than the old one, its mark ASCII, is
                // no longer in any count and fits wherever it did.
                noLonger = true;
                continue;
            }
            return errnoFor(error);
        }
        const DWORD second = renameEntry_(temporary, newPath, true);
        if (second == ERROR_SUCCESS)
            return 0;
        const int failure = errnoFor(second);
        if (renameEntry_(temporary, oldPath, true) == ERROR_SUCCESS)
            return failure;
        // Neither name could be had (a twin appeared meanwhile): the file keeps the temporary
        // name, which begins with its old one, and the user is told.
        return failure == renameError::exists ? renameError::accessDenied : failure;
    }
    return renameError::exists; // no free temporary name
}

} // namespace tarnwick
