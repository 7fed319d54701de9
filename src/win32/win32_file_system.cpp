#include "win32_file_system.h"

#include "system_code_page.h"
#include "text_conversion.h"

#include "core/texts.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace tarnwick {

namespace {

// The path as the platform's wide functions take it: beyond their 260 characters in the long form
// of the full path, which the platform builds as it would for the short one (slashes turned
// into backslashes, trailing dots and blanks of the name dropped).
std::wstring widePath(const std::string& path) {
    std::wstring wide = wideFromProgram(path);
    if (wide.size() < MAX_PATH)
        return wide;
    const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return wide;
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(wide.c_str(), size, &full[0], nullptr);
    if (length == 0 || length >= size)
        return wide;
    full.resize(length);
    return longPathForm(full);
}

// Closes a handle of an open file or folder.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (valid())
            CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

// The final path of what the platform opens under path, in capitals (as the file system compares
// names); empty when it cannot be had. A file is opened as itself, never as what it links to,
// where the platform can (Windows can, Wine cannot for a Linux link); a folder is followed.
std::wstring finalPathOf(const std::wstring& path, bool folder) {
    const DWORD flags = FILE_FLAG_BACKUP_SEMANTICS | (folder ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
    const FileHandle handle(CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, flags, nullptr));
    if (!handle.valid())
        return {};
    std::wstring final(MAX_PATH, L'\0');
    DWORD length = GetFinalPathNameByHandleW(handle.get(), &final[0],
                                             static_cast<DWORD>(final.size()), VOLUME_NAME_DOS);
    if (length >= final.size()) {
        final.assign(length + 1, L'\0');
        length = GetFinalPathNameByHandleW(handle.get(), &final[0],
                                           static_cast<DWORD>(final.size()), VOLUME_NAME_DOS);
    }
    if (length == 0 || length >= final.size())
        return {};
    final.resize(length);
    CharUpperBuffW(&final[0], length);
    return final;
}

// Closes a find handle when the search ends.
class FindHandle {
public:
    explicit FindHandle(HANDLE handle) : handle_(handle) {}
    ~FindHandle() {
        if (valid())
            FindClose(handle_);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

// The errno that the C runtime's rename leaves for a Windows error code (the runtime's own table).
int errnoFor(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_NO_MORE_FILES:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE: return renameError::notFound;
    case ERROR_BAD_ENVIRONMENT: return 7; // E2BIG
    case ERROR_BAD_FORMAT: return 8;      // ENOEXEC
    case ERROR_INVALID_HANDLE:
    case ERROR_INVALID_TARGET_HANDLE:
    case ERROR_DIRECT_ACCESS_HANDLE: return 9; // EBADF
    case ERROR_WAIT_NO_CHILDREN:
    case ERROR_CHILD_NOT_COMPLETE: return 10; // ECHILD
    case ERROR_NO_PROC_SLOTS:
    case ERROR_MAX_THRDS_REACHED:
    case ERROR_NESTING_NOT_ALLOWED: return 11; // EAGAIN
    case ERROR_ARENA_TRASHED:
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_INVALID_BLOCK:
    case ERROR_NOT_ENOUGH_QUOTA: return 12; // ENOMEM
    case ERROR_ACCESS_DENIED:
    case ERROR_CURRENT_DIRECTORY:
    case ERROR_NETWORK_ACCESS_DENIED:
    case ERROR_CANNOT_MAKE:
    case ERROR_FAIL_I24:
    case ERROR_DRIVE_LOCKED:
    case ERROR_SEEK_ON_DEVICE:
    case ERROR_NOT_LOCKED:
    case ERROR_LOCK_FAILED: return renameError::accessDenied;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return renameError::exists;
    case ERROR_NOT_SAME_DEVICE: return 18;     // EXDEV
    case ERROR_TOO_MANY_OPEN_FILES: return 24; // EMFILE
    case ERROR_DISK_FULL: return 28;           // ENOSPC
    case ERROR_BROKEN_PIPE: return 32;         // EPIPE
    case ERROR_DIR_NOT_EMPTY: return 41;       // ENOTEMPTY
    default: break;
    }
    // Write protection, sharing and lock violations and the other errors of the medium.
    if (error >= ERROR_WRITE_PROTECT && error <= ERROR_SHARING_BUFFER_EXCEEDED)
        return renameError::accessDenied;
    if (error >= ERROR_INVALID_STARTING_CODESEG && error <= ERROR_INFLOOP_IN_RELOC_CHAIN)
        return 8;                // ENOEXEC
    return renameError::invalid; // invalid names and everything else
}

int lastErrno() {
    return errnoFor(GetLastError());
}

// Compares two names as the file system matches them: regardless of case, by the same
// upper-case table (so also the accented letters of the code page, such as ä and Ä or š and Š).
// CSTR_LESS_THAN, CSTR_EQUAL or CSTR_GREATER_THAN.
int compareIgnoringCase(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                static_cast<int>(b.size()), TRUE);
}

// True when the file system takes both paths for the same name.
bool sameIgnoringCase(const std::string& a, const std::string& b) {
    return compareIgnoringCase(wideFromProgram(a), wideFromProgram(b)) == CSTR_EQUAL;
}

// The path's last backslash or slash: a trail byte of a double-byte character can be 0x5C.
std::size_t lastSeparator(const CodePage& codePage, const std::string& path) {
    return codePage.findLastOf(path, "\\/", path.size());
}

std::wstring wideName(const CodePage& codePage, const std::string& path) {
    return wideFromProgram(path.substr(lastSeparator(codePage, path) + 1));
}

std::string folderPart(const CodePage& codePage, const std::string& path) {
    return path.substr(0, lastSeparator(codePage, path) + 1);
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
        units += wideLength(text.substr(end, size));
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
    const std::size_t folderUnits = wideLength(folder);
    std::size_t room = folderUnits + 1 < MAX_PATH ? MAX_PATH - 1 - folderUnits : 0;
    room = std::min(room, longestName);
    if (noLonger)
        room = std::min(room, std::max(wideLength(name), markSize));
    const std::size_t keep = room > markSize ? wholeCharacters(codePage, name, room - markSize) : 0;
    return name.substr(0, keep) + mark;
}

} // namespace

Win32FileSystem::Win32FileSystem()
    : temporaryNumber_(static_cast<unsigned>(GetCurrentProcessId())) {}

const CodePage& Win32FileSystem::codePage() const {
    return systemCodePage();
}

void Win32FileSystem::search(const std::string& pattern, const Visitor& visit) {
    WIN32_FIND_DATAW data;
    FindHandle find(FindFirstFileW(widePath(pattern).c_str(), &data));
    if (!find.valid())
        return;
    do {
        // The find data holds the reparse tag in dwReserved0 when the reparse attribute is set.
        visit(programFromWide(data.cFileName),
              (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
              isFolderLink(data.dwFileAttributes, data.dwReserved0));
    } while (FindNextFileW(find.get(), &data));
}

bool Win32FileSystem::exists(const std::string& path) {
    return GetFileAttributesW(widePath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Win32FileSystem::beginRun() {
    folders_.clear();
    inRun_ = true;
}

void Win32FileSystem::endRun() {
    folders_.clear();
    inRun_ = false;
}

int Win32FileSystem::rename(const std::string& oldPath, const std::string& newPath) {
    if (!inRun_) {
        // A rename on its own learns what it needs afresh and forgets it afterwards.
        const Run run(*this);
        return rename(oldPath, newPath);
    }
    if (oldPath == newPath) {
        // The file keeps its name: nothing is touched, only a missing file is reported. A name
        // with a character the code page lacks was found as "?" there, which the ANSI functions
        // take for a wildcard or refuse: such a name is looked for by the search instead.
        if (oldPath.find('?') != std::string::npos) {
            WIN32_FIND_DATAW data;
            const FindHandle find(FindFirstFileW(widePath(oldPath).c_str(), &data));
            return find.valid() ? 0 : renameError::notFound;
        }
        if (GetFileAttributesW(widePath(oldPath).c_str()) != INVALID_FILE_ATTRIBUTES)
            return 0;
        return lastErrno();
    }
    if (!renamesTheEntry(oldPath))
        return renameError::linkToOtherFile;
    // The platform drops trailing dots and blanks from the new name, so "Name. " may be no more
    // than a change of letter case of "name".
    std::string platformPath = newPath;
    while (!platformPath.empty() && (platformPath.back() == '.' || platformPath.back() == ' '))
        platformPath.pop_back();
    if (sameIgnoringCase(oldPath, platformPath))
        return renameCaseOnly(oldPath, newPath, platformPath);
    if (!move(oldPath, newPath))
        return lastErrno();
    noteRenamed(oldPath, platformPath);
    return 0;
}

bool Win32FileSystem::move(const std::string& from, const std::string& to) {
    // No replace flag: an existing target makes the move fail instead of being overwritten.
    return MoveFileExW(widePath(from).c_str(), widePath(to).c_str(), 0) != 0;
}

void Win32FileSystem::readFolder(const std::string& folder,
                                 const std::function<void(const std::wstring& name)>& visit) {
    WIN32_FIND_DATAW data;
    FindHandle find(FindFirstFileW(widePath(folder + "*").c_str(), &data));
    if (!find.valid())
        return;
    do {
        visit(data.cFileName);
    } while (FindNextFileW(find.get(), &data));
}

bool Win32FileSystem::IgnoringCase::operator()(const std::wstring& a, const std::wstring& b) const {
    return compareIgnoringCase(a, b) == CSTR_LESS_THAN;
}

Win32FileSystem::Folder& Win32FileSystem::folderOf(const std::string& path) {
    return folders_[folderPart(codePage(), path)];
}

// Under Wine a Linux link to a file looks like a plain file, and a rename of it renames the file
// it leads to, under the link's new name: such an entry is not renamed. What the platform opens
// under the entry's path must be the entry itself, in its folder as the platform resolves it
// (read once per folder and run); a file that cannot be opened is left to the rename to report.
bool Win32FileSystem::renamesTheEntry(const std::string& path) {
    const std::wstring wide = widePath(path);
    const std::wstring fileFinal = finalPathOf(wide, false);
    if (fileFinal.empty())
        return true;
    Folder& folder = folderOf(path);
    if (!folder.finalRead) {
        folder.finalPath = finalPathOf(widePath(folderPart(codePage(), path)), true);
        folder.finalRead = true;
    }
    if (folder.finalPath.empty())
        return true;
    std::wstring name = wideName(codePage(), path);
    CharUpperBuffW(&name[0], static_cast<DWORD>(name.size()));
    if (isTheEntryItself(folder.finalPath, fileFinal, name, name))
        return true;
    // A name given in its short form (list mode) is the entry of its long form.
    std::wstring longPath(wide.size() + MAX_PATH, L'\0');
    const DWORD length =
        GetLongPathNameW(wide.c_str(), &longPath[0], static_cast<DWORD>(longPath.size()));
    if (length == 0 || length >= longPath.size())
        return false;
    longPath.resize(length);
    std::wstring longName = longPath.substr(longPath.find_last_of(L"\\/") + 1);
    CharUpperBuffW(&longName[0], static_cast<DWORD>(longName.size()));
    return isTheEntryItself(folder.finalPath, fileFinal, name, longName);
}

// True when another entry of the folder answers to the same name regardless of letter case.
// Wine on a case-sensitive Linux folder can hold such twins; Windows cannot. The folder is read
// once in a run; the run's own renames keep its names up to date.
bool Win32FileSystem::hasCaseTwin(const std::string& path) {
    Folder& folder = folderOf(path);
    if (!folder.namesRead) {
        readFolder(folderPart(codePage(), path),
                   [&](const std::wstring& name) { folder.names.insert(name); });
        folder.namesRead = true;
    }
    return folder.names.count(wideName(codePage(), path)) > 1;
}

void Win32FileSystem::noteRenamed(const std::string& oldPath, const std::string& newPath) {
    if (folders_.empty())
        return;
    const auto from = folders_.find(folderPart(codePage(), oldPath));
    if (from != folders_.end() && from->second.namesRead) {
        const auto old = from->second.names.find(wideName(codePage(), oldPath));
        if (old != from->second.names.end())
            from->second.names.erase(old);
    }
    const auto to = folders_.find(folderPart(codePage(), newPath));
    if (to != folders_.end() && to->second.namesRead)
        to->second.names.insert(wideName(codePage(), newPath));
}

// A file system that matches names regardless of case may take a direct rename between two
// spellings of one name as done and keep the old spelling (Wine on a Linux folder); Windows
// keeps the new one. The first such rename in a folder is tried directly and the spelling read
// back: where it stuck, every later one in the folder is a single rename; where it did not, this
// one and every later one go through a temporary name.
int Win32FileSystem::renameCaseOnly(const std::string& oldPath, const std::string& newPath,
                                    const std::string& platformPath) {
    Folder& folder = folderOf(oldPath);
    if (folder.direct != DirectCaseRename::keepsOldSpelling) {
        if (!move(oldPath, newPath)) {
            const DWORD error = GetLastError();
            if (!isExistsError(error))
                return errnoFor(error);
            // Another entry holds the new spelling, or the platform refuses a change of case
            // alone: without a twin it is the platform, for every file of the folder.
            if (!hasCaseTwin(oldPath))
                folder.direct = DirectCaseRename::keepsOldSpelling;
        } else {
            if (folder.direct == DirectCaseRename::keepsNewSpelling)
                return 0;
            WIN32_FIND_DATAW data;
            FindHandle find(FindFirstFileW(widePath(platformPath).c_str(), &data));
            if (find.valid() && wideName(codePage(), platformPath) == data.cFileName) {
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
int Win32FileSystem::renameThroughTemporary(const std::string& oldPath,
                                            const std::string& newPath) {
    if (hasCaseTwin(oldPath))
        return renameError::exists;
    const std::string folder = folderPart(codePage(), oldPath);
    const std::string name = oldPath.substr(folder.size());
    bool noLonger = false;
    for (unsigned attempt = 0; attempt < 64; ++attempt) {
        const std::string temporary =
            folder + temporaryName(codePage(), folder, name, ++temporaryNumber_, noLonger);
        if (!move(oldPath, temporary)) {
            const DWORD error = GetLastError();
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
        if (move(temporary, newPath))
            return 0;
        const int failure = lastErrno();
        if (move(temporary, oldPath))
            return failure;
        // Neither name could be had (a twin appeared meanwhile): the file keeps the temporary
        // name, which begins with its old one, and the user is told.
        return failure == renameError::exists ? renameError::accessDenied : failure;
    }
    return renameError::exists; // no free temporary name
}

} // namespace tarnwick
