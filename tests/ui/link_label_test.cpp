// The Link label on a real static control: its font, its link style, and its answers to the
// colour and cursor requests.
#include "ui/link_label.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

const int kLabelId = 77;

class LinkLabelTest : public ::testing::Test {
protected:
    LinkLabelTest() {
        parent = CreateWindowExA(0, "STATIC", "parent", WS_OVERLAPPEDWINDOW, 0, 0, 300, 100,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        control = CreateWindowExA(0, "STATIC", "http://example.invalid/", WS_CHILD | WS_VISIBLE, 10,
                                  10, 200, 20, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kLabelId)),
                                  GetModuleHandleA(nullptr), nullptr);
        label.attach(parent, kLabelId);
    }
    ~LinkLabelTest() override { DestroyWindow(parent); }

    LOGFONTA controlFont() const {
        LOGFONTA font = {};
        GetObjectA(reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof font,
                   &font);
        return font;
    }
    bool notifies() const { return (GetWindowLongA(control, GWL_STYLE) & SS_NOTIFY) != 0; }

    HWND parent = nullptr;
    HWND control = nullptr;
    LinkLabel label;
};

TEST_F(LinkLabelTest, StartsFromTheDefaultGuiFont) {
    LOGFONTA gui = {};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof gui, &gui);
    const LOGFONTA font = controlFont();
    EXPECT_STREQ(font.lfFaceName, gui.lfFaceName);
    EXPECT_EQ(font.lfHeight, gui.lfHeight);
    EXPECT_EQ(label.hwnd(), control);
    EXPECT_FALSE(notifies()); // nothing changes the style until made a link
}

TEST_F(LinkLabelTest, BoldAndUnderlineChangeOnlyTheirOwnPart) {
    const HFONT first = label.font();
    label.setBold(true);
    EXPECT_EQ(controlFont().lfWeight, 700);
    EXPECT_EQ(GetObjectType(first), 0u); // the old font is released
    label.setUnderline(true);
    EXPECT_EQ(controlFont().lfWeight, 700);
    EXPECT_TRUE(controlFont().lfUnderline);
    label.setBold(false);
    EXPECT_EQ(controlFont().lfWeight, 400);
    EXPECT_TRUE(controlFont().lfUnderline);
    label.setUnderline(false);
    EXPECT_FALSE(controlFont().lfUnderline);
}

TEST_F(LinkLabelTest, LinkAddsAndRemovesTheNotifyStyle) {
    label.setLink(true);
    EXPECT_TRUE(notifies());
    label.setLink(false);
    EXPECT_FALSE(notifies());
}

TEST_F(LinkLabelTest, AnswersTheColourRequestWithItsOwnLook) {
    label.setTextColor(RGB(0, 0, 255)).setBold(true);
    HDC dc = CreateCompatibleDC(nullptr);
    const LRESULT brush = SendMessageA(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(control));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), label.backgroundBrush());
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 255));
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), label.font());
    DeleteDC(dc);

    LOGBRUSH look = {};
    GetObjectA(label.backgroundBrush(), sizeof look, &look);
    EXPECT_EQ(look.lbColor, GetSysColor(COLOR_BTNFACE));
}

TEST_F(LinkLabelTest, ShowsItsCursorOnlyWhenItHasOne) {
    const LPARAM request = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
    const WPARAM self = reinterpret_cast<WPARAM>(control);
    const HCURSOR arrow = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32515)));            // IDC_CROSS
    SendMessageA(control, WM_SETCURSOR, self, request);
    EXPECT_EQ(GetCursor(), arrow); // the control's own pointer

    const HCURSOR hand = LinkLabel::handCursor();
    ASSERT_NE(hand, nullptr);
    label.setLink(true).setLinkCursor(hand);
    EXPECT_EQ(SendMessageA(control, WM_SETCURSOR, self, request), TRUE);
    EXPECT_EQ(GetCursor(), hand);
}

TEST_F(LinkLabelTest, LetsGoWhenTheControlIsDestroyed) {
    DestroyWindow(control);
    EXPECT_EQ(label.hwnd(), nullptr);
    label.setBold(true).setLink(true); // no window to touch any more
}

} // namespace
} // namespace tarnwick
