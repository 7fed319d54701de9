#include "error_box.h"

#include "core/texts.h"

#include <exception>

namespace tarnwick {

namespace {

void showErrorBox(HWND owner, const char* text) noexcept {
    MessageBoxA(owner, text, texts::errorCaption, MB_OK | MB_ICONERROR);
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
