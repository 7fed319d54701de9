#include "win32_file_system.h"

#include "core/texts.h"

#include <windows.h>

#include <io.h>

#include <cstdio>
#include <string>

namespace tarnwick {

namespace {

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

std::wstring wide(const std::string& text) {
    const int length =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(static_cast<std::size_t>(length), L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &result[0],
                            length);
    return result;
}

// True when the file system takes both paths for the same name: equal letters regardless of
// case, by the same upper-case table that the file system matches names with (so also the
// accented letters of the code page, such as ä and Ä or š and Š).
bool sameIgnoringCase(const std::string& a, const std::string& b) {
    const std::wstring wa = wide(a);
    const std::wstring wb = wide(b);
    return CompareStringOrdinal(wa.data(), static_cast<int>(wa.size()), wb.data(),
                                static_cast<int>(wb.size()), TRUE) == CSTR_EQUAL;
}

bool moveWithoutReplacing(const std::string& from, const std::string& to) {
    // No replace flag: an existing target makes the move fail instead of being overwritten.
    return MoveFileExA(from.c_str(), to.c_str(), 0) != 0;
}

// A name in the same folder that no other file has; short, so that it fits wherever the
// file's own name fits.
std::string temporaryName(const std::string& folder, unsigned attempt) {
    static unsigned counter = 0;
    char name[32];
    std::snprintf(name, sizeof name, "~tw%04x%04x.tmp",
                  static_cast<unsigned>(GetCurrentProcessId()) & 0xFFFFu,
                  (++counter + attempt) & 0xFFFFu);
    return folder + name;
}

// True when another entry of the folder answers to the same name regardless of letter case.
// Wine on a case-sensitive Linux folder can hold such twins; Windows cannot.
bool hasCaseTwin(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    const std::string folder = path.substr(0, slash + 1);
    const std::string name = path.substr(slash + 1);
    if (name.empty())
        return false;
    // The wildcard makes the search read the folder instead of looking up one name.
    WIN32_FIND_DATAA data;
    FindHandle find(
        FindFirstFileA((folder + name.substr(0, name.size() - 1) + "?").c_str(), &data));
    if (!find.valid())
        return false;
    int matches = 0;
    do {
        if (sameIgnoringCase(data.cFileName, name))
            ++matches;
    } while (FindNextFileA(find.get(), &data));
    return matches > 1;
}

// A file system that matches names regardless of case takes a direct rename between two
// spellings of one name as done and keeps the old spelling. Renaming through a temporary name
// makes the new spelling stick; should the second step fail, the file gets its old name back.
// Beside a case twin, the new spelling is taken by the twin and the file could not even get its
// old name back from the temporary one: the new name counts as taken and nothing is touched.
int renameCaseOnly(const std::string& oldPath, const std::string& newPath) {
    if (hasCaseTwin(oldPath))
        return renameError::exists;
    const std::string folder = oldPath.substr(0, oldPath.find_last_of("\\/") + 1);
    for (unsigned attempt = 0; attempt < 64; ++attempt) {
        const std::string temporary = temporaryName(folder, attempt);
        if (!moveWithoutReplacing(oldPath, temporary)) {
            const DWORD error = GetLastError();
            if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS)
                continue; // that name is taken: another one
            return errnoFor(error);
        }
        if (moveWithoutReplacing(temporary, newPath))
            return 0;
        const int failure = lastErrno();
        moveWithoutReplacing(temporary, oldPath);
        return failure;
    }
    return renameError::exists; // no free temporary name
}

// A name found on disk in the ANSI code page. A character the code page lacks becomes "?", never
// a look-alike letter: a name of U+0141 (L with stroke) and ".txt" must not come back as "L.txt",
// which would name another file of the folder, l.txt, and have it renamed in its place.
std::string ansiName(const wchar_t* name) {
    char buffer[2 * MAX_PATH]; // a found name has fewer than MAX_PATH characters
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name, -1, buffer,
                                           sizeof buffer, "?", nullptr);
    return length > 1 ? std::string(buffer, static_cast<std::size_t>(length - 1)) : std::string();
}

} // namespace

void Win32FileSystem::search(const std::string& pattern, const Visitor& visit) {
    // As far as the ANSI functions reach: a longer path is not searched.
    if (pattern.size() >= MAX_PATH)
        return;
    WIN32_FIND_DATAW data;
    FindHandle find(FindFirstFileW(wide(pattern).c_str(), &data));
    if (!find.valid())
        return;
    do {
        visit(ansiName(data.cFileName), (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
    } while (FindNextFileW(find.get(), &data));
}

bool Win32FileSystem::exists(const std::string& path) {
    return _access(path.c_str(), 0) == 0;
}

int Win32FileSystem::rename(const std::string& oldPath, const std::string& newPath) {
    if (oldPath == newPath) {
        // The file keeps its name: nothing is touched, only a missing file is reported.
        if (GetFileAttributesA(oldPath.c_str()) != INVALID_FILE_ATTRIBUTES)
            return 0;
        return lastErrno();
    }
    // The platform drops trailing dots and blanks from the new name, so "Name. " may be no more
    // than a change of letter case of "name".
    std::string platformPath = newPath;
    while (!platformPath.empty() && (platformPath.back() == '.' || platformPath.back() == ' '))
        platformPath.pop_back();
    if (sameIgnoringCase(oldPath, platformPath))
        return renameCaseOnly(oldPath, newPath);
    if (moveWithoutReplacing(oldPath, newPath))
        return 0;
    return lastErrno();
}

} // namespace tarnwick
