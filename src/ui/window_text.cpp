#include "window_text.h"

#include "win32/text_conversion.h"

namespace tarnwick {

// Read in UTF-16 and converted exactly, every unit kept.
std::string windowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, &text[0], length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return programFromWide(text);
}

void setWindowText(HWND window, const std::string& text) {
    SetWindowTextW(window, wideFromProgram(text).c_str());
}

} // namespace tarnwick
