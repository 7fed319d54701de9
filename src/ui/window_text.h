// Reading the text of any window: a control, a dialog's caption, a message box's text.
#pragma once

#include <windows.h>

#include <string>

namespace tarnwick {

// The window's text in the program's code page, a character the code page lacks as "?"; empty
// for a window without text or no window.
std::string windowText(HWND window);

} // namespace tarnwick
