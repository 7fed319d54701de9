// The program's icon as a window shows it: loaded from the resources and destroyed with its
// owner, and painted into the window while it is minimised.
#pragma once

#include "win32/handles.h"

#include <windows.h>

namespace tarnwick {

// An icon loaded from the resources at the given size, destroyed with its owner.
using OwnedIcon = Owned<HICON, DestroyIcon>;
inline HICON loadIcon(int resourceId, int size) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId),
                                         IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

// The device context of one WM_PAINT, ended when it goes.
class PaintContext {
public:
    explicit PaintContext(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &paint_)) {}
    ~PaintContext() { EndPaint(hwnd_, &paint_); }
    PaintContext(const PaintContext&) = delete;
    PaintContext& operator=(const PaintContext&) = delete;
    HDC dc() const { return dc_; }

private:
    HWND hwnd_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// The answer to WM_PAINT of a minimised window: its background erased as an icon's and the
// (large) icon drawn centred in the client area. False when the window is not minimised.
inline bool paintMinimised(HWND window, HICON icon) {
    if (!IsIconic(window))
        return false;
    PaintContext paint(window);
    SendMessageW(window, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(paint.dc()), 0);
    RECT client{};
    GetClientRect(window, &client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(paint.dc(), x, y, icon);
    return true;
}

} // namespace tarnwick
