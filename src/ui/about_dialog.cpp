#include "about_dialog.h"

#include "res/resource.h"

namespace tarnwick {

namespace {

// A picture static sizes its window to the bitmap, so its sunken border would cover the
// bitmap's edges: grow it until the whole bitmap fits inside the border, around the same centre.
void showWholePicture(HWND picture) {
    const auto bitmap =
        reinterpret_cast<HBITMAP>(SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP size = {};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof size, &size) == 0)
        return;
    RECT frame = {0, 0, size.bmWidth, size.bmHeight};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(picture, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(picture, GWL_EXSTYLE)));
    RECT now = {};
    GetWindowRect(picture, &now);
    MapWindowPoints(nullptr, GetParent(picture), reinterpret_cast<POINT*>(&now), 2);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(picture, nullptr, (now.left + now.right - width) / 2,
                 (now.top + now.bottom - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool isPicture(HWND control) {
    wchar_t kind[16] = {};
    GetClassNameW(control, kind, 16);
    return lstrcmpiW(kind, L"Static") == 0 &&
           (GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP;
}

} // namespace

AboutDialog::AboutDialog(HWND owner) : ModalDialog(IDD_ABOUT, owner) {}

bool AboutDialog::onInit() {
    title_.attach(hwnd(), IDC_ABOUT_TITLE);
    title_.setBold(true);
    // Both links open their own text: the mail program for the address, the browser for the page.
    const auto makeLink = [this](LinkLabel& link, int id) {
        link.attach(hwnd(), id);
        link.setLink(true)
            .setTextColor(RGB(0, 0, 255))
            .setUnderline(true)
            .setLinkCursor(LinkLabel::handCursor());
    };
    makeLink(mail_, IDC_ABOUT_MAIL);
    makeLink(web_, IDC_ABOUT_WEB);
    for (HWND child = GetWindow(hwnd(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT))
        if (isPicture(child))
            showWholePicture(child);
    return true; // the dialog manager focuses the only tab stop, OK
}

} // namespace tarnwick
