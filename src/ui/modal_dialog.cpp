#include "modal_dialog.h"

#include "error_box.h"
#include "window_text.h"

namespace tarnwick {

namespace {

// The messages whose result a dialog procedure returns itself; every other result goes through
// DWLP_MSGRESULT.
bool returnsResultDirectly(UINT message) {
    switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON: return true;
    default: return false;
    }
}

} // namespace

INT_PTR ModalDialog::run() {
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner_,
                           dialogProc, reinterpret_cast<LPARAM>(this));
}

std::string ModalDialog::itemText(int id) const {
    return windowText(item(id));
}

bool ModalDialog::onButtonClicked(int id) {
    if (id != IDOK && id != IDCANCEL)
        return false;
    end(id);
    return true;
}

bool ModalDialog::onMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

INT_PTR ModalDialog::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return onInit() ? TRUE : FALSE;
    case WM_COMMAND: return onCommand(wParam);
    default: return onOtherMessage(message, wParam, lParam);
    }
}

// Enter, Escape and the close box send IDOK and IDCANCEL with the code of a click.
INT_PTR ModalDialog::onCommand(WPARAM wParam) {
    if (HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    return onButtonClicked(LOWORD(wParam)) ? TRUE : FALSE;
}

INT_PTR ModalDialog::onOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!onMessage(message, wParam, lParam, result))
        return FALSE;
    if (returnsResultDirectly(message))
        return result;
    SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CALLBACK ModalDialog::dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        reinterpret_cast<ModalDialog*>(lParam)->hwnd_ = hwnd;
    }
    auto* self = reinterpret_cast<ModalDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (self == nullptr)
        return FALSE;
    // No exception may cross into the dialog manager; the user hears of it.
    try {
        return self->dispatch(message, wParam, lParam);
    } catch (...) {
        const Prompt prompt(*self);
        showCurrentException(hwnd);
        return FALSE;
    }
}

} // namespace tarnwick
