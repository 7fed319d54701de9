// The errno values that the C runtime's rename leaves for Windows error codes.
#pragma once

#include <windows.h>

namespace tarnwick {

// The errno for a Windows error code, by the runtime's own table.
int errnoFor(DWORD error);

// The errno for the calling thread's last error.
int lastErrno();

} // namespace tarnwick
