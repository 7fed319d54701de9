// The errno values that the C runtime's rename leaves for Windows error codes.
#pragma once

#include <windows.h>

namespace tarnwick {

// The program's own error code (bit 29 marks an application's codes) for a file that is a link
// the platform would follow, renaming the file it leads to: its errno is
// renameError::linkToOtherFile.
inline constexpr DWORD linkToOtherFileError = 0x20000000u | 1u;

// The errno for a Windows error code, by the runtime's own table; a file in use (sharing or lock
// violation, or a cloud file in use; see isInUseError), which the runtime calls EACCES, is
// renameError::inUse.
int errnoFor(DWORD error);

} // namespace tarnwick
