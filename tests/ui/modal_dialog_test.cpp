// The dialog base on a real template: an exception that reaches the dialog procedure is shown to
// the user in an error box owned by the dialog, which then goes on.
#include "res/resource.h"
#include "support/dialog_driver.h"
#include "ui/modal_dialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <utility>
#include <string>

namespace tarnwick {
namespace {

using testing::BoxLook;
using testing::clickButton;
using testing::Driver;
using testing::errorBoxLook;
using testing::messageBoxLook;
using testing::messageBoxText;
using testing::waitForWindow;
using testing::waitUntil;

// Every dialog is drawn in the logical dialog font, which Windows maps to a TrueType face with the
// fonts of other scripts linked in ("MS Sans Serif" is a bitmap font of one code page).
TEST(DialogTemplates, EveryDialogUsesTheLogicalDialogFont) {
    for (int id : {IDD_ABOUT, IDD_MAIN, IDD_PREVIEW, IDD_CONFIRM}) {
        HWND dialog = CreateDialogParamW(
            GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), nullptr,
            [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
        LOGFONTW font = {};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)), sizeof font,
                   &font);
        EXPECT_STREQ(font.lfFaceName, L"MS Shell Dlg") << id;
        DestroyWindow(dialog);
    }
}

// The Confirm dialog's template; a click on its check box fails as the test says.
class FailingDialog : public ModalDialog {
public:
    explicit FailingDialog(std::function<void()> fail)
        : ModalDialog(IDD_CONFIRM, nullptr), fail_(std::move(fail)) {}

protected:
    bool onButtonClicked(int id) override {
        if (id == IDC_DONT_WARN)
            fail_();
        return ModalDialog::onButtonClicked(id);
    }

private:
    std::function<void()> fail_;
};

struct Failure {
    const char* what;
    std::function<void()> fail;
    std::string shown;
};

TEST(ModalDialog, AnExceptionIsShownInAnErrorBoxAndTheDialogGoesOn) {
    const Failure failures[] = {
        {"standard exception", [] { throw std::runtime_error("The disk is full."); },
         "The disk is full."},
        {"anything else", [] { throw 42; }, "An unexpected error occurred."},
    };
    for (const Failure& failure : failures) {
        FailingDialog dialog(failure.fail);
        std::string shown;
        BoxLook look;
        HWND window = nullptr, owner = nullptr;
        INT_PTR result = 0;
        {
            Driver driver([&](DWORD thread) {
                window = waitForWindow("Attention!", thread);
                ASSERT_NE(window, nullptr);
                clickButton(window, IDC_DONT_WARN);
                if (HWND box = waitForWindow("Tarnwick Error", thread, 3000)) {
                    shown = messageBoxText(box);
                    look = messageBoxLook(box);
                    owner = GetWindow(box, GW_OWNER);
                    clickButton(box, IDOK);
                    EXPECT_TRUE(waitUntil([box] { return !IsWindow(box); }));
                }
                clickButton(window, IDCANCEL); // the dialog still answers
            });
            result = dialog.run();
        }
        EXPECT_EQ(shown, failure.shown) << failure.what;
        EXPECT_EQ(look, errorBoxLook()) << failure.what;
        EXPECT_EQ(owner, window) << failure.what;
        EXPECT_EQ(result, IDCANCEL) << failure.what;
    }
}

} // namespace
} // namespace tarnwick
