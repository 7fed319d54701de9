#include "error_box.h"

#include "core/texts.h"
#include "win32/text_conversion.h"

#include <exception>

namespace tarnwick {

namespace {

void showErrorBox(HWND owner, const char* text) noexcept {
    // Nothing thrown from here: a conversion that cannot allocate shows no text.
    std::wstring wide;
    std::wstring caption;
    try {
        wide = wideFromProgram(text);
        caption = wideFromProgram(texts::errorCaption);
    } catch (...) {
    }
    MessageBoxW(owner, wide.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
}

} // namespace

void showCurrentException(HWND owner) noexcept {
    try {
        throw;
    } catch (const std::exception& error) {
        showErrorBox(owner, error.what());
    } catch (...) {
        showErrorBox(owner, texts::unexpectedError);
    }
}

} // namespace tarnwick
