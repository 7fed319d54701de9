#include "case_rename.h"

#include "errno_table.h"
#include "handles.h"
#include "text_conversion.h"
#include "wide_paths.h"

#include "core/paths.h"
#include "core/file_system.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace tarnwick {

namespace {

// Compares two names as the file system matches them: regardless of case, by the same
// upper-case table (so also the accented letters of the code page, such as ä and Ä or š and Š).
// CSTR_LESS_THAN, CSTR_EQUAL or CSTR_GREATER_THAN.
int compareIgnoringCase(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                static_cast<int>(b.size()), TRUE);
}

std::wstring wideName(const CodePage& codePage, const std::string& path) {
    return wideFromProgram(path.substr(nameStart(path, codePage)));
}

bool isExistsError(DWORD error) {
    return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS;
}

// The bytes of the longest start of text of at most limit UTF-16 units that cuts no character
// of the code page.
std::size_t wholeCharacters(const CodePage& codePage, const std::string& text, std::size_t limit) {
    std::size_t end = 0;
    std::size_t units = 0;
    while (end < text.size()) {
        const std::size_t size = codePage.charSize(text, end);
        units += utf16Length(text.substr(end, size));
        if (units > limit)
            break;
        end += size;
    }
    return end;
}

// The name a file carries between the two steps of a change of letter case: its old name
// followed by a short mark, so that a file left under it (the program ended in between) is known
// at a glance. The whole path stays within the platform's 260 characters and the name
// within what a folder entry may hold, both counted in UTF-16 units as the platform counts them;
// only where these limits (or, with noLonger set, the old name's own length) leave no room is the
// old name cut short at its end, between two characters.
std::string temporaryName(const CodePage& codePage, const std::string& folder,
                          const std::string& name, unsigned number, bool noLonger) {
    char mark[16];
    std::snprintf(mark, sizeof mark, "~tw%04x", number & 0xFFFFu);
    const std::size_t markSize = std::strlen(mark);
    const std::size_t longestName = 255; // UTF-16 units of one folder entry
    const std::size_t folderUnits = utf16Length(folder);
    std::size_t room = folderUnits + 1 < MAX_PATH ? MAX_PATH - 1 - folderUnits : 0;
    room = std::min(room, longestName);
    if (noLonger)
        room = std::min(room, std::max(utf16Length(name), markSize));
    const std::size_t keep = room > markSize ? wholeCharacters(codePage, name, room - markSize) : 0;
    return name.substr(0, keep) + mark;
}

std::string folderPart(const CodePage& codePage, const std::string& path) {
    return path.substr(0, nameStart(path, codePage));
}

} // namespace

bool sameIgnoringCase(const std::string& a, const std::string& b) {
    return compareIgnoringCase(wideFromProgram(a), wideFromProgram(b)) == CSTR_EQUAL;
}

CaseRenames::CaseRenames(const CodePage& codePage, PlatformRename renameEntry,
                         ReadFolder readFolder)
    : codePage_(codePage), renameEntry_(std::move(renameEntry)), readFolder_(std::move(readFolder)),
      temporaryNumber_(static_cast<unsigned>(GetCurrentProcessId())) {}

void CaseRenames::forget() {
    folders_.clear();
}

bool CaseRenames::IgnoringCase::operator()(const std::wstring& a, const std::wstring& b) const {
    return compareIgnoringCase(a, b) == CSTR_LESS_THAN;
}

CaseRenames::Folder& CaseRenames::folderOf(const std::string& path) {
    return folders_[folderPart(codePage_, path)];
}

// True when another entry of the folder answers to the same name regardless of letter case.
// Wine on a case-sensitive Linux folder can hold such twins; Windows cannot. The folder is read
// once in a run; the run's own renames keep its names up to date.
bool CaseRenames::hasCaseTwin(const std::string& path) {
    Folder& folder = folderOf(path);
    if (!folder.namesRead) {
        readFolder_(folderPart(codePage_, path),
                    [&](const std::wstring& name) { folder.names.insert(name); });
        folder.namesRead = true;
    }
    return folder.names.count(wideName(codePage_, path)) > 1;
}

void CaseRenames::noteRenamed(const std::string& oldPath, const std::string& newPath) {
    if (folders_.empty())
        return;
    const auto from = folders_.find(folderPart(codePage_, oldPath));
    if (from != folders_.end() && from->second.namesRead) {
        const auto old = from->second.names.find(wideName(codePage_, oldPath));
        if (old != from->second.names.end())
            from->second.names.erase(old);
    }
    const auto to = folders_.find(folderPart(codePage_, newPath));
    if (to != folders_.end() && to->second.namesRead)
        to->second.names.insert(wideName(codePage_, newPath));
}

// A file system that matches names regardless of case may take a direct rename between two
// spellings of one name as done and keep the old spelling (Wine on a Linux folder); Windows
// keeps the new one. The first such rename in a folder is tried directly and the spelling read
// back: where it stuck, every later one in the folder is a single rename; where it did not, this
// one and every later one go through a temporary name.
int CaseRenames::rename(const std::string& oldPath, const std::string& newPath) {
    Folder& folder = folderOf(oldPath);
    if (folder.direct != DirectCaseRename::keepsOldSpelling) {
        const DWORD error = renameEntry_(oldPath, newPath);
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
            FindHandle find(FindFirstFileW(widePath(newPath).c_str(), &data));
            if (find.valid() && wideName(codePage_, newPath) == data.cFileName) {
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
int CaseRenames::renameThroughTemporary(const std::string& oldPath, const std::string& newPath) {
    if (hasCaseTwin(oldPath))
        return renameError::exists;
    const std::string folder = folderPart(codePage_, oldPath);
    const std::string name = oldPath.substr(folder.size());
    bool noLonger = false;
    for (unsigned attempt = 0; attempt < 64; ++attempt) {
        const std::string temporary =
            folder + temporaryName(codePage_, folder, name, ++temporaryNumber_, noLonger);
        const DWORD error = renameEntry_(oldPath, temporary);
        if (error != ERROR_SUCCESS) {
            if (isExistsError(error))
                continue; // that name is taken: another one
            if (!noLonger && temporary.size() > oldPath.size()) {
                // Some file systems count a name's length in their own way (Wine on Linux in
                // bytes of UTF-8): a name no longer than the old one fits wherever it did.
                noLonger = true;
                continue;
            }
            return errnoFor(error);
        }
        const DWORD second = renameEntry_(temporary, newPath);
        if (second == ERROR_SUCCESS)
            return 0;
        const int failure = errnoFor(second);
        if (renameEntry_(temporary, oldPath) == ERROR_SUCCESS)
            return failure;
        // Neither name could be had (a twin appeared meanwhile): the file keeps the temporary
        // name, which begins with its old one, and the user is told.
        return failure == renameError::exists ? renameError::accessDenied : failure;
    }
    return renameError::exists; // no free temporary name
}

} // namespace tarnwick
