#include "res/resource.h"
#include "version.h"
#include "support/dialog_driver.h"
#include "ui/about_dialog.h"
#include "ui/accessibility.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

namespace tarnwick {
namespace {

using testing::clickButton;
using testing::waitUntil;
using testing::whileShown;
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
    const INT_PTR result = whileShown(
        "About Tarnwick",
        [&](HWND dialog, DWORD) {
            for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
                controls.push_back({static_cast<int>(static_cast<short>(GetDlgCtrlID(c))),
                                    windowText(c), GetWindowLongA(c, GWL_STYLE),
                                    GetWindowLongA(c, GWL_EXSTYLE), clientOf(c)});
            GetClientRect(dialog, &client);
            MapDialogRect(dialog, &wanted);
            clickButton(dialog, IDOK);
        },
        [] { return AboutDialog(nullptr).run(); });
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
    whileShown(
        "About Tarnwick",
        [](HWND dialog, DWORD) {
            HWND title = GetDlgItem(dialog, IDC_ABOUT_TITLE);
            EXPECT_EQ(fontOf(title).lfWeight, 700);
            EXPECT_FALSE(fontOf(title).lfUnderline);
            EXPECT_EQ(GetWindowLongA(title, GWL_STYLE) & SS_NOTIFY, 0);
            EXPECT_EQ(textColorOf(dialog, title), GetSysColor(COLOR_WINDOWTEXT));
            const LPARAM hover = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
            for (int id : {IDC_ABOUT_MAIL, IDC_ABOUT_WEB}) { // the mouse ends over the web link
                HWND link = GetDlgItem(dialog, id);
                EXPECT_EQ(fontOf(link).lfWeight, 400) << id;
                EXPECT_TRUE(fontOf(link).lfUnderline) << id;
                EXPECT_EQ(GetWindowLongA(link, GWL_STYLE) & SS_NOTIFY, SS_NOTIFY) << id;
                EXPECT_EQ(textColorOf(dialog, link), RGB(0, 0, 255)) << id;
                EXPECT_TRUE(SendMessageA(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link), hover))
                    << id;
            }
            CURSORINFO info = {};
            info.cbSize = sizeof info;
            GetCursorInfo(&info);
            EXPECT_EQ(info.hCursor, LoadCursorW(GetModuleHandleA(nullptr), MAKEINTRESOURCEW(134)));
            clickButton(dialog, IDOK);
        },
        [] { return AboutDialog(nullptr).run(); });
}

// The brush colour a static control is drawn on, as its dialog answers the colour request.
COLORREF faceOf(HWND dialog, HWND control) {
    LOGBRUSH face = {};
    GetObjectA(reinterpret_cast<HBRUSH>(
                   SendMessageA(dialog, WM_CTLCOLORSTATIC, 0, reinterpret_cast<LPARAM>(control))),
               sizeof face, &face);
    return face.lbColor;
}

std::atomic<bool> highContrast{false};

// High contrast switched on with a scheme of its own while the dialog is open: the links take the
// scheme's colour of hyperlinks, the title that of button text, on the scheme's button face;
// switched off, the links are blue again.
TEST(AboutDialog, LabelsTakeTheSystemsColoursWhileHighContrastIsOn) {
    const auto before = HighContrast::replaceQuery([] { return highContrast.load(); });
    const int elements[] = {COLOR_HOTLIGHT, COLOR_BTNTEXT, COLOR_BTNFACE};
    const COLORREF scheme[] = {RGB(255, 255, 0), RGB(255, 255, 255), RGB(0, 0, 0)};
    COLORREF old[3] = {GetSysColor(elements[0]), GetSysColor(elements[1]),
                       GetSysColor(elements[2])};
    whileShown(
        "About Tarnwick",
        [&](HWND dialog, DWORD) {
            HWND title = GetDlgItem(dialog, IDC_ABOUT_TITLE),
                 web = GetDlgItem(dialog, IDC_ABOUT_WEB);
            highContrast = true;
            SetSysColors(3, elements, scheme); // tells every top-level window
            EXPECT_TRUE(waitUntil([&] { return textColorOf(dialog, web) == scheme[0]; }));
            EXPECT_EQ(textColorOf(dialog, title), scheme[1]);
            EXPECT_EQ(faceOf(dialog, web), scheme[2]);
            highContrast = false;
            SetSysColors(3, elements, old);
            EXPECT_TRUE(waitUntil([&] { return textColorOf(dialog, web) == RGB(0, 0, 255); }));
            clickButton(dialog, IDOK);
        },
        [] { return AboutDialog(nullptr).run(); });
    SetSysColors(3, elements, old);
    HighContrast::replaceQuery(before);
}

// The hand points with its fingertip: the hot spot lies on a drawn pixel of the two-colour hand.
TEST(AboutResources, HandCursorPointsWithItsFingertip) {
    HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_HAND_CURSOR));
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(hand, &info));
    EXPECT_EQ(std::make_pair(info.xHotspot, info.yHotspot), std::make_pair(6ul, 0ul));
    EXPECT_EQ(info.hbmColor, nullptr); // monochrome: both masks in one bitmap
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
