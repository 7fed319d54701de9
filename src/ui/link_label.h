// A static text control that draws itself with its own font and colour and, when made a link,
// opens its own text through the shell when clicked.
#pragma once

#include "win32/handles.h"

#include <windows.h>

namespace tarnwick {

// Usage, inside a dialog's onInit:
//   title_.attach(hwnd(), IDC_TITLE);
//   title_.setBold(true);
//   web_.attach(hwnd(), IDC_WEB);
//   web_.setLink(true).setTextColor(RGB(0, 0, 255)).setUnderline(true)
//       .setLinkCursor(LinkLabel::handCursor());
// The dialog needs no code of its own for the label's look: the label answers the colour
// requests that its control sends to the dialog. While the system's high contrast is on, the
// label draws in the system's colours instead of its own: a link in the colour of hyperlinks,
// any other label in the colour of button text, each on the button face; it follows a switch
// of the setting at once. It detaches itself when the control is
// destroyed, and detaches when it goes first.
class LinkLabel {
public:
    // Text colour, background brush and font are made here, before any window exists.
    LinkLabel();
    ~LinkLabel();
    LinkLabel(const LinkLabel&) = delete;
    LinkLabel& operator=(const LinkLabel&) = delete;

    // Takes over the existing static control id of dialog (or the given control): gives it the
    // label's font and answers its colour requests and mouse messages.
    void attach(HWND dialog, int id);
    void subclass(HWND control);
    void detach();

    // Each setter returns the label, so that calls can be chained; those that change the look
    // redraw the label at once.
    LinkLabel& setTextColor(COLORREF color);
    LinkLabel& setBold(bool on);
    LinkLabel& setUnderline(bool on);
    // Adds or removes SS_NOTIFY: only with it does the control get clicks and cursor requests.
    LinkLabel& setLink(bool on);
    // The pointer shown over the label; null means the default pointer.
    LinkLabel& setLinkCursor(HCURSOR cursor);

    HWND hwnd() const { return control_; }
    HFONT font() const { return font_.get(); }
    HBRUSH backgroundBrush() const { return brush_.get(); }

    // The program's pointing-hand cursor (resource 134), or the system's hand when the program
    // has none.
    static HCURSOR handCursor();

private:
    static LRESULT CALLBACK controlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR self);
    static LRESULT CALLBACK parentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self);
    LRESULT onControlMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onColorRequest(HDC dc) noexcept;
    void detachControl(bool restoreFont);
    void recreateFont();
    void applyLinkStyle();
    void redraw();

    COLORREF textColor_;
    Owned<HBRUSH, DeleteObject> brush_;
    LOGFONTW fontDescription_;
    Owned<HFONT, DeleteObject> font_;
    HCURSOR linkCursor_ = nullptr;
    bool linkChosen_ = false; // setLink was called; its choice is applied when attached
    bool link_ = false;
    bool highContrast_ = false; // read when attached and at each change of the system's colours
    HWND control_ = nullptr;
    HWND parent_ = nullptr;
    HFONT originalFont_ = nullptr; // given back to the control when detached
};

} // namespace tarnwick
