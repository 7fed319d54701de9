// The last word on an exception that reaches a window procedure: none may cross into the window
// manager, and none is swallowed without the user being told.
#pragma once

#include <windows.h>

namespace tarnwick {

// Called inside a catch block: shows the exception being handled in a message box owned by
// owner, with the error icon and an OK button; the text is what() of a standard exception, a
// general sentence for anything else. Returns when the user has closed the box.
void showCurrentException(HWND owner) noexcept;

} // namespace tarnwick
