#include "errno_table.h"

#include "windows_rules.h"

#include "core/file_system.h"

namespace tarnwick {

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
    case linkToOtherFileError: return renameError::linkToOtherFile;
    default: break;
    }
    if (isInUseError(error))
        return renameError::inUse;
    // Write protection and the other errors of the medium.
    if (error >= ERROR_WRITE_PROTECT && error <= ERROR_SHARING_BUFFER_EXCEEDED)
        return renameError::accessDenied;
    if (error >= ERROR_INVALID_STARTING_CODESEG && error <= ERROR_INFLOOP_IN_RELOC_CHAIN)
        return 8;                // ENOEXEC
    return renameError::invalid; // invalid names and everything else
}

} // namespace tarnwick
