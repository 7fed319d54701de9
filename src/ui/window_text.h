// Reading the text of any window: a control, a dialog's caption, a message box's text.
#pragma once

#include <windows.h>

#include <string>

namespace tarnwick {

// The window's text as a program string; empty for a window without text or no window.
std::string windowText(HWND window);

// Sets the window's text, converted exactly to UTF-16.
void setWindowText(HWND window, const std::string& text);

} // namespace tarnwick
