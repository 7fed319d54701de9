#include "res/resource.h"
#include "version.h"
#include "support/dialog_driver.h"
#include "ui/about_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarnwick {
namespace {

using testing::clickButton;
using testing::Driver;
using testing::waitForWindow;
using testing::windowText;

struct Control {
    int id;
    std::string text;
    LONG style;
    LONG exStyle;
    RECT client;
};

LOGFONTA fontOf(HWND control) {
    LOGFONTA font = {};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return font;
}

// The text colour a static control is drawn with, as its dialog answers the colour request.
COLORREF textColorOf(HWND dialog, HWND control) {
    HDC dc = CreateCompatibleDC(nullptr);
    SendMessageA(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(control));
    const COLORREF color = GetTextColor(dc);
    DeleteDC(dc);
    return color;
}

RECT clientOf(HWND control) {
    RECT r = {};
    GetClientRect(control, &r);
    return r;
}

const char web[] = "https://tarnwick.org/";
const char mail[] = "mailto:feedback@tarnwick.org";

TEST(AboutDialog, ControlsInTemplateOrderOnlyOkATabStop) {
    std::vector<Control> controls;
    RECT client = {}, wanted = {0, 0, 162, 206};
    INT_PTR result = 0;
    {
        Driver driver([&](DWORD thread) {
            HWND dialog = waitForWindow("About Tarnwick", thread);
            ASSERT_NE(dialog, nullptr);
            for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
                controls.push_back({static_cast<int>(static_cast<short>(GetDlgCtrlID(c))),
                                    windowText(c), GetWindowLongA(c, GWL_STYLE),
                                    GetWindowLongA(c, GWL_EXSTYLE), clientOf(c)});
            GetClientRect(dialog, &client);
            MapDialogRect(dialog, &wanted);
            clickButton(dialog, IDOK);
        });
        result = AboutDialog(nullptr).run();
    }
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(client.right, wanted.right);
    EXPECT_EQ(client.bottom, wanted.bottom);
    const std::vector<std::pair<int, std::string>> expected = {
        {1033, TARNWICK_TITLE},
        {-1, ""},
        {IDOK, "OK"},
        {-1, "(picture)"},
        {-1, "Written by the Tarnwick authors"},
        {-1, "Feedback"},
        {-1, "Please visit my web page for further projects:"},
        {1031, web},
        {1032, mail},
        {-1, "and sign my guest book :)"},
    };
    ASSERT_EQ(controls.size(), expected.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Control& c = controls[i];
        EXPECT_EQ(c.id, expected[i].first) << i;
        if ((c.style & SS_TYPEMASK) == SS_BITMAP)
            EXPECT_EQ("(picture)", expected[i].second);
        else
            EXPECT_EQ(c.text, expected[i].second) << i;
        EXPECT_EQ((c.style & WS_TABSTOP) != 0, c.id == IDOK) << i;
    }
    EXPECT_EQ(controls[0].style & (SS_TYPEMASK | SS_NOPREFIX), SS_CENTER | SS_NOPREFIX);
    EXPECT_EQ(controls[2].style & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    // The picture: shown at its own size, sunken and bordered (the dialog manager draws the
    // border as a client edge).
    const Control& picture = controls[3];
    EXPECT_EQ(picture.client.right, 100);
    EXPECT_EQ(picture.client.bottom, 72);
    EXPECT_EQ(picture.style & SS_SUNKEN, SS_SUNKEN);
    EXPECT_TRUE((picture.style & WS_BORDER) != 0 || (picture.exStyle & WS_EX_CLIENTEDGE) != 0);
}

TEST(AboutDialog, BoldTitleAndBlueUnderlinedLinksWithTheHand) {
    LOGFONTA titleFont = {}, webFont = {}, mailFont = {};
    LONG titleStyle = 0, webStyle = 0, mailStyle = 0;
    COLORREF webColor = 0, mailColor = 0, titleColor = 0;
    LRESULT webCursorHandled = 0, mailCursorHandled = 0;
    HCURSOR webCursor = nullptr;
    {
        Driver driver([&](DWORD thread) {
            HWND dialog = waitForWindow("About Tarnwick", thread);
            ASSERT_NE(dialog, nullptr);
            HWND title = GetDlgItem(dialog, IDC_ABOUT_TITLE);
            HWND webLink = GetDlgItem(dialog, IDC_ABOUT_WEB);
            HWND mailLink = GetDlgItem(dialog, IDC_ABOUT_MAIL);
            titleFont = fontOf(title);
            webFont = fontOf(webLink);
            mailFont = fontOf(mailLink);
            titleStyle = GetWindowLongA(title, GWL_STYLE);
            webStyle = GetWindowLongA(webLink, GWL_STYLE);
            mailStyle = GetWindowLongA(mailLink, GWL_STYLE);
            titleColor = textColorOf(dialog, title);
            webColor = textColorOf(dialog, webLink);
            mailColor = textColorOf(dialog, mailLink);
            const LPARAM hover = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
            mailCursorHandled =
                SendMessageA(mailLink, WM_SETCURSOR, reinterpret_cast<WPARAM>(mailLink), hover);
            webCursorHandled =
                SendMessageA(webLink, WM_SETCURSOR, reinterpret_cast<WPARAM>(webLink), hover);
            CURSORINFO info = {};
            info.cbSize = sizeof info;
            GetCursorInfo(&info);
            webCursor = info.hCursor;
            clickButton(dialog, IDOK);
        });
        AboutDialog(nullptr).run();
    }
    EXPECT_EQ(titleFont.lfWeight, 700);
    EXPECT_FALSE(titleFont.lfUnderline);
    EXPECT_EQ(titleStyle & SS_NOTIFY, 0);
    EXPECT_EQ(titleColor, GetSysColor(COLOR_WINDOWTEXT));
    for (const auto& [font, style, color, cursorHandled] :
         {std::tuple(webFont, webStyle, webColor, webCursorHandled),
          std::tuple(mailFont, mailStyle, mailColor, mailCursorHandled)}) {
        EXPECT_EQ(font.lfWeight, 400);
        EXPECT_TRUE(font.lfUnderline);
        EXPECT_EQ(style & SS_NOTIFY, SS_NOTIFY);
        EXPECT_EQ(color, RGB(0, 0, 255));
        EXPECT_TRUE(cursorHandled);
    }
    EXPECT_EQ(webCursor, LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(134)));
}

TEST(AboutResources, PictureIs100By72In24BitColour) {
    HBITMAP picture =
        static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_ABOUT),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(picture, nullptr);
    DIBSECTION dib = {};
    ASSERT_EQ(GetObjectA(picture, sizeof dib, &dib), static_cast<int>(sizeof dib));
    EXPECT_EQ(dib.dsBmih.biWidth, 100);
    EXPECT_EQ(dib.dsBmih.biHeight, 72);
    EXPECT_EQ(dib.dsBmih.biBitCount, 24);
    DeleteObject(picture);
}

TEST(AboutResources, HandCursorIsTwoColour32By32WithTheFingertipAsHotSpot) {
    HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_HAND_CURSOR));
    ASSERT_NE(hand, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(hand, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 6u);
    EXPECT_EQ(info.yHotspot, 0u);
    EXPECT_EQ(info.hbmColor, nullptr); // monochrome: both masks in one bitmap
    BITMAP mask = {};
    GetObjectA(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, 32);
    EXPECT_EQ(mask.bmHeight, 64);
    // The hot spot lies on the drawn fingertip, not on a transparent pixel.
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, info.hbmMask);
    EXPECT_EQ(GetPixel(dc, 6, 0), RGB(0, 0, 0)); // AND mask: 0 = drawn
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 255, 255));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(info.hbmMask);
}

} // namespace
} // namespace tarnwick
