#include "link_label.h"

#include "accessibility.h"
#include "error_box.h"
#include "window_text.h"

#include "win32/text_conversion.h"

#include "res/resource.h"

#include <commctrl.h>
#include <shellapi.h>

namespace tarnwick {

LinkLabel::LinkLabel()
    : textColor_(GetSysColor(COLOR_WINDOWTEXT)),
      brush_(CreateSolidBrush(GetSysColor(COLOR_BTNFACE))), fontDescription_() {
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof fontDescription_, &fontDescription_);
    font_.reset(CreateFontIndirectW(&fontDescription_));
}

LinkLabel::~LinkLabel() {
    detach();
}

void LinkLabel::attach(HWND dialog, int id) {
    subclass(GetDlgItem(dialog, id));
}

void LinkLabel::subclass(HWND control) {
    detach();
    if (control == nullptr)
        return;
    const UINT_PTR id = reinterpret_cast<UINT_PTR>(this);
    const DWORD_PTR self = reinterpret_cast<DWORD_PTR>(this);
    if (!SetWindowSubclass(control, controlProc, id, self))
        return;
    control_ = control;
    parent_ = GetParent(control);
    // The static control asks its parent for colours; the parent's answer for this control is
    // given here, so the dialog needs to know nothing about its labels.
    if (parent_ != nullptr)
        SetWindowSubclass(parent_, parentProc, id, self);
    highContrast_ = HighContrast::on();
    originalFont_ = reinterpret_cast<HFONT>(SendMessageW(control_, WM_GETFONT, 0, 0));
    SendMessageW(control_, WM_SETFONT, reinterpret_cast<WPARAM>(font()), FALSE);
    if (linkChosen_)
        applyLinkStyle();
    redraw();
}

void LinkLabel::detach() {
    detachControl(true);
}

void LinkLabel::detachControl(bool restoreFont) {
    if (control_ == nullptr)
        return;
    const UINT_PTR id = reinterpret_cast<UINT_PTR>(this);
    // A control that lives on keeps no handle to a font that goes with this label.
    if (restoreFont)
        SendMessageW(control_, WM_SETFONT, reinterpret_cast<WPARAM>(originalFont_), FALSE);
    RemoveWindowSubclass(control_, controlProc, id);
    if (parent_ != nullptr)
        RemoveWindowSubclass(parent_, parentProc, id);
    control_ = nullptr;
    parent_ = nullptr;
    originalFont_ = nullptr;
}

LinkLabel& LinkLabel::setTextColor(COLORREF color) {
    textColor_ = color;
    redraw();
    return *this;
}

LinkLabel& LinkLabel::setBold(bool on) {
    fontDescription_.lfWeight = on ? FW_BOLD : FW_NORMAL;
    recreateFont();
    return *this;
}

LinkLabel& LinkLabel::setUnderline(bool on) {
    fontDescription_.lfUnderline = on ? TRUE : FALSE;
    recreateFont();
    return *this;
}

LinkLabel& LinkLabel::setLink(bool on) {
    linkChosen_ = true;
    link_ = on;
    applyLinkStyle();
    return *this;
}

LinkLabel& LinkLabel::setLinkCursor(HCURSOR cursor) {
    linkCursor_ = cursor;
    return *this;
}

HCURSOR LinkLabel::handCursor() {
    // Cursors loaded from resources are shared: nothing to release.
    if (HCURSOR own = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_HAND_CURSOR)))
        return own;
    return LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)); // IDC_HAND
}

void LinkLabel::recreateFont() {
    const Owned<HFONT, DeleteObject> old(font_.take()); // deleted once the control has let go of it
    font_.reset(CreateFontIndirectW(&fontDescription_));
    if (control_ != nullptr)
        SendMessageW(control_, WM_SETFONT, reinterpret_cast<WPARAM>(font()), FALSE);
    redraw();
}

void LinkLabel::applyLinkStyle() {
    if (control_ == nullptr)
        return;
    LONG_PTR style = GetWindowLongPtrW(control_, GWL_STYLE);
    style = link_ ? (style | SS_NOTIFY) : (style & ~static_cast<LONG_PTR>(SS_NOTIFY));
    SetWindowLongPtrW(control_, GWL_STYLE, style);
}

void LinkLabel::redraw() {
    if (control_ != nullptr)
        RedrawWindow(control_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// In high contrast the label takes a pair of the user's colours, as "High Contrast Parameter"
// asks: "Map all colors to a single pair of foreground and background colors. Use the
// GetSysColor function to determine the appropriate foreground and background colors, using
// either a combination of COLOR_WINDOWTEXT and COLOR_WINDOW or a combination of COLOR_BTNTEXT
// and COLOR_BTNFACE." A link keeps the button face and takes the colour that the scheme gives
// hyperlinks, COLOR_HOTLIGHT ("Color for a hyperlink or hot-tracked item", GetSysColor):
// https://learn.microsoft.com/windows/win32/winauto/high-contrast-parameter
// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-getsyscolor
// The system's brush follows the scheme by itself and is not to be deleted.
LRESULT LinkLabel::onColorRequest(HDC dc) noexcept {
    SelectObject(dc, font());
    SetBkMode(dc, TRANSPARENT);
    if (highContrast_) {
        SetTextColor(dc, GetSysColor(link_ ? COLOR_HOTLIGHT : COLOR_BTNTEXT));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    SetTextColor(dc, textColor_);
    return reinterpret_cast<LRESULT>(backgroundBrush());
}

LRESULT LinkLabel::onControlMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN: {
        // Opens whatever the label shows: a web address, a mailto: text. The shell's answer
        // is not examined; a link that cannot be opened simply does nothing.
        ShellExecuteW(nullptr, L"open", wideFromProgram(windowText(control_)).c_str(), nullptr,
                      nullptr, SW_SHOWNORMAL);
        break;
    }
    case WM_SETCURSOR:
        if (linkCursor_ != nullptr) {
            SetCursor(linkCursor_);
            return TRUE;
        }
        break;
    case WM_NCDESTROY: {
        const HWND control = control_;
        detachControl(false);
        return DefSubclassProc(control, message, wParam, lParam);
    }
    default: break;
    }
    return DefSubclassProc(control_, message, wParam, lParam);
}

LRESULT CALLBACK LinkLabel::controlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR self) {
    // No exception may cross into the window manager; the user hears of it.
    try {
        return reinterpret_cast<LinkLabel*>(self)->onControlMessage(message, wParam, lParam);
    } catch (...) {
        showCurrentException(GetParent(hwnd));
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }
}

LRESULT CALLBACK LinkLabel::parentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR self) {
    // Nothing here can throw: the colour answer is made of system calls only.
    auto* label = reinterpret_cast<LinkLabel*>(self);
    if (message == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(lParam) == label->control_)
        return label->onColorRequest(reinterpret_cast<HDC>(wParam));
    // The system tells its top-level windows, the label's dialog among them, of every change of
    // its colours and of the high-contrast setting.
    if (message == WM_SYSCOLORCHANGE) {
        label->highContrast_ = HighContrast::on();
        label->redraw();
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

} // namespace tarnwick
