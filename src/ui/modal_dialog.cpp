#include "modal_dialog.h"

namespace tarnwick {

INT_PTR ModalDialog::run() {
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), owner_,
                           dialogProc, reinterpret_cast<LPARAM>(this));
}

bool ModalDialog::onCommand(int id, int) {
    if (id == IDOK || id == IDCANCEL) {
        end(id);
        return true;
    }
    return false;
}

bool ModalDialog::onMessage(UINT, WPARAM, LPARAM, INT_PTR&) {
    return false;
}

INT_PTR ModalDialog::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return onInit() ? TRUE : FALSE;
    case WM_COMMAND: return onCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    default: {
        INT_PTR result = FALSE;
        return onMessage(message, wParam, lParam, result) ? result : FALSE;
    }
    }
}

INT_PTR CALLBACK ModalDialog::dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        reinterpret_cast<ModalDialog*>(lParam)->hwnd_ = hwnd;
    }
    auto* self = reinterpret_cast<ModalDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (self == nullptr)
        return FALSE;
    // No exception may cross into the dialog manager.
    try {
        return self->dispatch(message, wParam, lParam);
    } catch (...) {
        return FALSE;
    }
}

} // namespace tarnwick
