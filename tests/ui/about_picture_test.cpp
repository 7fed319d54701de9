// The About dialog's picture stays in the middle of its frame, whatever size the frame takes
// (at a raised DPI the dialog's frame grows with the dialog units, the picture does not).
#include "res/resource.h"
#include "support/dialog_driver.h"
#include "ui/about_dialog.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarnwick {
namespace {

using testing::whileShown;

// The pixels of a bitmap, or of what a device context shows, as 32-bit values, top row first.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> values;
    COLORREF at(int x, int y) const { return values[static_cast<std::size_t>(y * width + x)]; }
};

Pixels readPixels(HDC source, int width, int height) {
    Pixels pixels;
    pixels.width = width;
    pixels.height = height;
    pixels.values.resize(static_cast<std::size_t>(width * height));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(source);
    HBITMAP copy = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, copy);
    BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* from = static_cast<const DWORD*>(bits);
    for (std::size_t i = 0; i < pixels.values.size(); ++i)
        pixels.values[i] = from[i] & 0xFFFFFF;
    SelectObject(memory, old);
    DeleteObject(copy);
    DeleteDC(memory);
    return pixels;
}

HWND pictureOf(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT))
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP)
            return child;
    return nullptr;
}

TEST(AboutPicture, StaysCentredInAFrameLargerThanItself) {
    HBITMAP bitmap =
        static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_ABOUT),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(bitmap, nullptr);
    DIBSECTION dib = {};
    GetObjectA(bitmap, sizeof dib, &dib); // 100 x 72 pixels in 24-bit colour
    EXPECT_EQ(std::vector<LONG>({dib.dsBmih.biWidth, dib.dsBmih.biHeight, dib.dsBmih.biBitCount}),
              std::vector<LONG>({100, 72, 24}));
    HDC screen = GetDC(nullptr);
    HDC bitmapDc = CreateCompatibleDC(screen);
    HGDIOBJ oldBitmap = SelectObject(bitmapDc, bitmap);
    const Pixels picture = readPixels(bitmapDc, 100, 72);
    SelectObject(bitmapDc, oldBitmap);
    DeleteDC(bitmapDc);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);

    Pixels shown;
    whileShown(
        "About Tarnwick",
        [&](HWND dialog, DWORD) {
            HWND control = pictureOf(dialog);
            if (control != nullptr) {
                // The frame grows by 40 x 30 pixels around its centre, as a raised DPI makes it.
                RECT frame{};
                GetWindowRect(control, &frame);
                MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&frame), 2);
                SetWindowPos(control, nullptr, frame.left - 20, frame.top - 15,
                             frame.right - frame.left + 40, frame.bottom - frame.top + 30,
                             SWP_NOZORDER | SWP_NOACTIVATE);
                RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
                Sleep(300);
                RECT client{};
                GetClientRect(control, &client);
                HDC dc = GetDC(control);
                shown = readPixels(dc, client.right, client.bottom);
                ReleaseDC(control, dc);
            }
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        },
        [] { return AboutDialog(nullptr).run(); });
    ASSERT_EQ(shown.width, 140);
    ASSERT_EQ(shown.height, 102);
    // The whole picture, 20 pixels in from either side and 15 from top and bottom.
    int differing = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            differing += shown.at(x + 20, y + 15) != picture.at(x, y);
    EXPECT_EQ(differing, 0);
}

} // namespace
} // namespace tarnwick
