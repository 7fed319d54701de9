// The Confirm dialog, driven by its controls: the answer, the switch that stops the question for
// the rest of the session, and the bold question.
#include "engine/commands.h"
#include "win32/win32_file_system.h"
#include "res/resource.h"
#include "support/dialog_driver.h"
#include "support/commands_fixture.h"
#include "support/recording_window.h"
#include "support/temp_folder.h"
#include "ui/confirm_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace tarnwick {
namespace {

using testing::clickButton;
using testing::Driver;
using testing::itemText;
using testing::waitForWindow;
using testing::whileShown;

const char kCaption[] = "Attention!";

const int kCloseBox = 0; // closed by its close box instead of a button

// Runs a Confirm dialog; the driver ticks the box when told to, then clicks button id.
std::pair<INT_PTR, bool> answer(bool tick, int id) {
    ConfirmDialog dialog(nullptr);
    const INT_PTR result = whileShown(
        kCaption,
        [&](HWND window, DWORD) {
            if (tick)
                clickButton(window, IDC_DONT_WARN);
            if (id == kCloseBox)
                PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
            else
                clickButton(window, id);
        },
        [&] { return dialog.run(); });
    return {result, dialog.dontWarnAgain()};
}

// Rename takes the box; Cancel and the close box change nothing.
TEST(ConfirmDialog, RenameTakesTheBoxCancelAndCloseChangeNothing) {
    const struct {
        bool tick;
        int id;
        INT_PTR result;
        bool dontWarnAgain;
    } cases[] = {{true, IDOK, IDOK, true},
                 {false, IDOK, IDOK, false},
                 {true, IDCANCEL, IDCANCEL, false},
                 {true, kCloseBox, IDCANCEL, false}};
    for (const auto& c : cases)
        EXPECT_EQ(answer(c.tick, c.id), std::make_pair(c.result, c.dontWarnAgain)) << c.id;
}

TEST(ConfirmDialog, ShowsItsTextsWithTheQuestionInBold) {
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
            clickButton(window, IDCANCEL);
        },
        [&] { return dialog.run(); });
}

// A window whose Confirm dialog is the real one, as the Main dialog shows it.
class ConfirmingWindow : public testing::RecordingWindow {
public:
    ConfirmAnswer runConfirmDialog() override {
        ++confirmDialogs;
        ConfirmDialog dialog(nullptr);
        const INT_PTR result = dialog.run();
        return ConfirmAnswer{result == IDOK, dialog.dontWarnAgain()};
    }
};

class ConfirmInRunTest : public testing::CommandsFixture<Win32FileSystem, ConfirmingWindow> {
protected:
    ConfirmInRunTest() {
        commands.state().targetFolder = temp.path();
        commands.state().targetPattern = "*.*";
    }
    // Renames one file of the previewed list; the driver answers the Confirm dialog if it
    // comes, and tells whether it came.
    bool renameAnswering(const char* from, const char* to, bool tick, int id) {
        temp.file(from);
        previewed(temp.path(), {{from, to}});
        bool asked = false;
        {
            Driver driver([&](DWORD thread) {
                HWND window = waitForWindow(kCaption, thread, 3000);
                asked = window != nullptr;
                if (!asked)
                    return;
                if (tick)
                    clickButton(window, IDC_DONT_WARN);
                clickButton(window, id);
            });
            commands.runRename();
        }
        return asked;
    }

    testing::TempFolder temp;
};

TEST_F(ConfirmInRunTest, TickedBoxStopsTheQuestionForTheNextCommands) {
    EXPECT_TRUE(renameAnswering("a.txt", "b.txt", true, IDOK));
    EXPECT_EQ(window.statusText, "1 file(s) successfully renamed.");
    EXPECT_FALSE(renameAnswering("c.txt", "d.txt", false, IDCANCEL));
    EXPECT_EQ(window.statusText, "1 file(s) successfully renamed.");
    EXPECT_EQ(window.confirmDialogs, 1);
    EXPECT_EQ(temp.list(), (std::vector<std::string>{"b.txt", "d.txt"}));
}

TEST_F(ConfirmInRunTest, CancelWithTheBoxTickedRenamesNothingAndAsksAgain) {
    EXPECT_TRUE(renameAnswering("a.txt", "b.txt", true, IDCANCEL));
    EXPECT_EQ(window.statusText, "Really rename?");
    EXPECT_TRUE(commands.state().warnBeforeRename);
    EXPECT_TRUE(renameAnswering("a.txt", "b.txt", false, IDOK));
    EXPECT_EQ(temp.list(), (std::vector<std::string>{"b.txt"}));
    EXPECT_TRUE(commands.state().warnBeforeRename);
}

} // namespace
} // namespace tarnwick
