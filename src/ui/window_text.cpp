#include "window_text.h"

#include "win32/text_conversion.h"

namespace tarnwick {

// Read in UTF-16 and converted exactly: the ANSI call converts with the code page's best fit,
// giving a character the code page lacks as a look-alike ("Ł" as "L"), which could name another
// file (Microsoft, "WideCharToMultiByte": without WC_NO_BEST_FIT_CHARS, best-fit characters).
std::string windowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, &text[0], length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return programFromWide(text);
}

} // namespace tarnwick
