// The Confirm dialog, driven by its controls: the answer, the switch that stops the question for
// the rest of the session, and the bold question.
#include "app/main_dialog_harness.h"
#include "win32/win32_file_system.h"
#include "res/resource.h"
#include "support/dialog_driver.h"
#include "support/temp_folder.h"
#include "ui/confirm_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarnwick {
namespace {

using testing::clickButton;
using testing::itemText;
using testing::waitForWindow;
using testing::whileShown;

const char kCaption[] = "Attention!";

TEST(ConfirmDialog, ShowsItsTextsWithTheQuestionInBoldAndCancelTakesNoTick) {
    ConfirmDialog dialog(nullptr);
    whileShown(
        kCaption,
        [&](HWND window, DWORD) {
            EXPECT_EQ(itemText(window, IDC_QUESTION),
                      "Do you really want to rename your files now?");
            EXPECT_EQ(itemText(window, IDC_DONT_WARN), "Don't warn me again in this session.");
            EXPECT_EQ(itemText(window, IDOK), "Rename!");
            EXPECT_EQ(itemText(window, IDCANCEL), "Cancel");
            EXPECT_NE(IsDlgButtonChecked(window, IDC_DONT_WARN), BST_CHECKED);
            LOGFONTA font = {};
            GetObjectA(reinterpret_cast<HGDIOBJ>(
                           SendMessageA(GetDlgItem(window, IDC_QUESTION), WM_GETFONT, 0, 0)),
                       sizeof font, &font);
            EXPECT_EQ(font.lfWeight, 700);
            EXPECT_FALSE(font.lfUnderline);
            clickButton(window, IDC_DONT_WARN);
            clickButton(window, IDCANCEL);
        },
        [&] { return dialog.run(); });
    EXPECT_FALSE(dialog.dontWarnAgain()); // Cancel leaves it, whatever the box shows
}

// The Confirm dialog as Rename in the Main dialog meets it: Cancel and the close box rename
// nothing and leave the question for the next time, ticked box or not, and so does "Rename!"
// without the tick; with it, the question stops for the rest of the session.
TEST(ConfirmInMainDialog, OnlyRenameWithTheTickedBoxStopsTheQuestion) {
    testing::TempFolder temp;
    temp.files({"a.txt", "b.txt"});
    Win32FileSystem fileSystem;
    testing::NoShellDialogs shell;
    testing::TestMainDialog dialog{fileSystem, shell};
    const int closeBox = 0;
    const struct {
        bool tick;
        int id; // the button clicked when the question comes
        bool asked;
        std::vector<std::string> names; // in the folder afterwards
    } steps[] = {
        {true, IDCANCEL, true, {"a.txt", "b.txt"}},
        {true, closeBox, true, {"a.txt", "b.txt"}},
        {false, IDOK, true, {"xa.txt", "xb.txt"}},
        {true, IDOK, true, {"xxa.txt", "xxb.txt"}},
        {false, IDCANCEL, false, {"xxxa.txt", "xxxb.txt"}},
    };
    testing::runMainDialog(dialog, [&](HWND w, DWORD thread) {
        testing::typeOptions(w, temp.path(), "*.txt", {{IDC_INSERT, {"x"}}});
        for (const auto& step : steps) {
            SCOPED_TRACE(step.names[0]);
            testing::waitForTheCommandToEnd(w);
            clickButton(w, IDC_RENAME);
            HWND window = waitForWindow(kCaption, thread, step.asked ? 10000 : 2000);
            EXPECT_EQ(window != nullptr, step.asked);
            if (window != nullptr) {
                if (step.tick)
                    clickButton(window, IDC_DONT_WARN);
                if (step.id == closeBox)
                    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
                else
                    clickButton(window, step.id);
                EXPECT_TRUE(testing::waitUntil([window] { return !IsWindow(window); }));
            }
            EXPECT_TRUE(testing::waitUntil([&] { return temp.list() == step.names; }));
        }
    });
}

} // namespace
} // namespace tarnwick
