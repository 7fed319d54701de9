#include "win32_file_system.h"

#include <windows.h>

#include <io.h>

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

// The errno the runtime reports for a failed rename.
int errnoFor(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_FILENAME_EXCED_RANGE: return 2;  // ENOENT
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY: return 12;          // ENOMEM
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
    case ERROR_CURRENT_DIRECTORY: return 13;    // EACCES
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return 17;       // EEXIST
    case ERROR_NOT_SAME_DEVICE: return 18;      // EXDEV
    case ERROR_DISK_FULL: return 28;            // ENOSPC
    default: return 22;                         // EINVAL, as the runtime maps the rest
    }
}

} // namespace

void Win32FileSystem::search(const std::string& pattern, const Visitor& visit) {
    WIN32_FIND_DATAA data;
    FindHandle find(FindFirstFileA(pattern.c_str(), &data));
    if (!find.valid())
        return;
    do {
        visit(data.cFileName, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
    } while (FindNextFileA(find.get(), &data));
}

bool Win32FileSystem::exists(const std::string& path) {
    return _access(path.c_str(), 0) == 0;
}

int Win32FileSystem::rename(const std::string& oldPath, const std::string& newPath) {
    // No replace flag: an existing target makes the move fail instead of being overwritten.
    if (MoveFileExA(oldPath.c_str(), newPath.c_str(), 0))
        return 0;
    return errnoFor(GetLastError());
}

} // namespace tarnwick
