// Preview and Rename started by their buttons on a real temporary folder: message boxes, the
// focus after a refusal, the status area and the wait cursor as the user meets them.
#include "main_dialog_harness.h"
#include "core/texts.h"
#include "support/forwarding_file_system.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarnwick {
namespace {

using namespace testing;

class MainDialogCommands : public ::testing::Test {
protected:
    ForwardingFileSystem fileSystem;
    NoShellDialogs shell;
    TestMainDialog dialog{fileSystem, shell};
    TempFolder temp;

    // The cursor of the dialog's thread once the mouse has moved over the path field, asked on
    // that thread: the wait cursor while a command works, else the field's own.
    static HCURSOR cursorOverTheField(HWND window) {
        HWND edit = GetDlgItem(window, IDC_PATH_NAME);
        SendMessageA(edit, WM_SETCURSOR, reinterpret_cast<WPARAM>(edit),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    }
    bool waitCursorOn(HWND window) {
        HCURSOR cursor = nullptr;
        onDialogThread(window, [&] { cursor = cursorOverTheField(window); });
        return cursor == waitCursor();
    }
    static HCURSOR waitCursor() { return LoadCursorW(nullptr, IDC_WAIT); }
    // Enter pressed and let go, through the system's input queue.
    static bool pressEnter() {
        INPUT enter[2] = {};
        enter[0].type = enter[1].type = INPUT_KEYBOARD;
        enter[0].ki.wVk = enter[1].ki.wVk = VK_RETURN;
        enter[1].ki.dwFlags = KEYEVENTF_KEYUP;
        return SendInput(2, enter, sizeof(INPUT)) == 2;
    }

    // Waits until the command has ended and the dialog is idle again with this status text.
    static bool statusBecomes(HWND window, const std::string& text) {
        return waitUntil([&] { return itemText(window, IDC_STATUS_TEXT) == text; });
    }
};

TEST_F(MainDialogCommands, RefusedPathIsReportedAndTheFocusGoesToIt) {
    runMainDialog(dialog, [&](HWND w, DWORD thread) {
        for (int button : {IDC_PREVIEW, IDC_RENAME}) {
            clickButton(w, button);
            HWND box = waitForWindow("Tarnwick Error", thread);
            ASSERT_NE(box, nullptr) << button;
            EXPECT_EQ(messageBoxText(box), "Your selected path does not exist!\nPlease change it.");
            EXPECT_EQ(messageBoxLook(box), errorBoxLook());
            EXPECT_EQ(GetWindow(box, GW_OWNER), w);
            // Nobody is kept waiting with an hourglass while the box asks.
            EXPECT_FALSE(waitCursorOn(w));
            EXPECT_NE(focusOf(thread), GetDlgItem(w, IDC_PATH_NAME));
            clickButton(box, IDOK);
            EXPECT_TRUE(waitUntil([&] { return focusOf(thread) == GetDlgItem(w, IDC_PATH_NAME); }))
                << button;
            EXPECT_FALSE(waitCursorOn(w));
            EXPECT_EQ(itemText(w, IDC_STATUS_TEXT), "Still nothing to do.");
            EXPECT_EQ(itemText(w, IDC_STEP_LABEL), "");
        }
    });
}

// While a command works, the controls under the mouse keep the wait cursor: the dialog answers
// their cursor requests for them. A box in the middle of the command puts it aside, and it
// comes back until the command ends; then each control shows its own again.
TEST_F(MainDialogCommands, WaitCursorStaysOverTheControlsWhileACommandWorks) {
    temp.files({"a.txt", "b.txt"});
    std::vector<bool> waiting; // at each rename
    fileSystem.beforeRename = [&](const std::string& oldPath) {
        waiting.push_back(cursorOverTheField(dialog.hwnd()) == waitCursor());
        // The first cannot be renamed: a box reports it, and an Enter typed just before does
        // not close it.
        if (waiting.size() == 1 && pressEnter())
            DeleteFileA(oldPath.c_str());
    };
    runMainDialog(dialog, [&](HWND w, DWORD thread) {
        typeOptions(w, temp.path(), "*.*", {{IDC_INSERT, {"x_"}}});
        onDialogThread(w, [&] { dialog.commands().state().warnBeforeRename = false; });
        onDialogThread(w, [&] { SetForegroundWindow(w); });
        clickButton(w, IDC_RENAME);
        HWND box = waitForWindow("Tarnwick Error", thread);
        ASSERT_NE(box, nullptr);
        EXPECT_FALSE(waitCursorOn(w));
        Sleep(300);
        EXPECT_TRUE(IsWindowVisible(box));
        clickButton(box, IDOK);
        ASSERT_TRUE(statusBecomes(w, "1 file(s) successfully renamed."));
        HCURSOR after = nullptr;
        onDialogThread(w, [&] { after = cursorOverTheField(w); });
        EXPECT_EQ(after, LoadCursorW(nullptr, IDC_IBEAM));
    });
    EXPECT_EQ(waiting, (std::vector<bool>{true, true}));
    EXPECT_EQ(temp.list(), (std::vector<std::string>{"x_b.txt"}));
}

// Preview, Cancel, a changed option, Rename: the previewed list is renamed. A later Rename runs
// every step again and can be cancelled in the Confirm dialog.
TEST_F(MainDialogCommands, PreviewThenRenameThroughTheButtons) {
    temp.files({"old1.txt", "old2.txt"});
    const std::string folder = temp.path().substr(0, temp.path().size() - 1);
    runMainDialog(dialog, [&](HWND w, DWORD thread) {
        typeOptions(w, folder, "*.txt", {{IDC_REPLACE, {"old", "new"}}});

        clickButton(w, IDC_PREVIEW);
        HWND preview = waitForWindow("Preview", thread);
        ASSERT_NE(preview, nullptr);
        EXPECT_FALSE(waitCursorOn(w));
        EXPECT_EQ(itemText(w, IDC_STATUS_TEXT), "Opening preview dialog ...");
        EXPECT_EQ(itemText(w, IDC_STEP_LABEL), "");
        EXPECT_EQ(itemText(w, IDC_PATH_NAME), temp.path()); // completed by validation
        clickButton(preview, IDCANCEL);
        EXPECT_TRUE(waitUntil([preview] { return !IsWindow(preview); }));

        type(w, IDC_REPLACE_WITH, "changed");
        clickButton(w, IDC_RENAME);
        HWND confirm = waitForWindow("Attention!", thread);
        ASSERT_NE(confirm, nullptr);
        EXPECT_FALSE(waitCursorOn(w));
        EXPECT_EQ(itemText(w, IDC_STATUS_TEXT), "Really rename?");
        EXPECT_EQ(itemText(w, IDC_STEP_LABEL), "Step 2 of 4");
        clickButton(confirm, IDOK);
        EXPECT_TRUE(statusBecomes(w, "2 file(s) successfully renamed."));
        EXPECT_EQ(itemText(w, IDC_STEP_LABEL), "");
        EXPECT_EQ(SendDlgItemMessageA(w, IDC_PROGRESS, PBM_GETPOS, 0, 0), 0);
        EXPECT_FALSE(waitCursorOn(w));
        EXPECT_EQ(temp.list(), (std::vector<std::string>{"new1.txt", "new2.txt"}));

        type(w, IDC_REPLACE_FIND, "new");
        clickButton(w, IDC_RENAME);
        confirm = waitForWindow("Attention!", thread);
        ASSERT_NE(confirm, nullptr);
        EXPECT_EQ(itemText(w, IDC_STATUS_TEXT), "Really rename?");
        EXPECT_EQ(itemText(w, IDC_STEP_LABEL), "Step 6 of 8");
        clickButton(confirm, IDCANCEL);
        EXPECT_TRUE(waitUntil([confirm] { return !IsWindow(confirm); }));
    });
    EXPECT_EQ(temp.list(), (std::vector<std::string>{"new1.txt", "new2.txt"}));
}

// A message in the middle of a command: the wait cursor gives way to the box and comes back.
TEST_F(MainDialogCommands, ResultCheckMessageMidCommand) {
    temp.files({"a.txt", "b.txt"});
    runMainDialog(dialog, [&](HWND w, DWORD thread) {
        typeOptions(w, temp.path(), "*.*", {{IDC_ERASE, {".txt"}}}); // nothing is left of the names
        clickButton(w, IDC_RENAME);
        HWND box = waitForWindow("Tarnwick - Error", thread);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(messageBoxText(box).rfind("With your format selections you create empty", 0), 0u);
        EXPECT_FALSE(waitCursorOn(w));
        EXPECT_EQ(itemText(w, IDC_STATUS_TEXT), "Checking for empty or to long filenames ...");
        EXPECT_EQ(itemText(w, IDC_STEP_LABEL), "Step 5 of 8");
        clickButton(box, IDOK);
        EXPECT_TRUE(waitUntil([box] { return !IsWindow(box); }));
    });
    EXPECT_EQ(temp.list(), (std::vector<std::string>{"a.txt", "b.txt"}));
}

// Rename, then "Undo last rename" from the system menu: the question as a Yes/No box of its own,
// Yes gives the files their old names back and greys the entry; a command for it then does nothing.
TEST_F(MainDialogCommands, UndoFromTheSystemMenu) {
    temp.file("a.txt", "a");
    temp.file("b.txt", "b");
    runMainDialog(dialog, [&](HWND w, DWORD thread) {
        const HMENU menu = GetSystemMenu(w, FALSE);
        auto undoGreyed = [&] { return (GetMenuState(menu, 32, MF_BYCOMMAND) & MF_GRAYED) != 0; };
        typeOptions(w, temp.path(), "*.*", {{IDC_INSERT, {"x_"}}});
        onDialogThread(w, [&] { dialog.commands().state().warnBeforeRename = false; });
        clickButton(w, IDC_RENAME);
        ASSERT_TRUE(statusBecomes(w, "2 file(s) successfully renamed."));
        EXPECT_FALSE(undoGreyed());

        PostMessageA(w, WM_SYSCOMMAND, 32, 0);
        HWND box = waitForWindow("Tarnwick", thread);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(messageBoxText(box),
                  "Give the 2 file(s) renamed by the last Rename their old names back?");
        EXPECT_EQ(messageBoxLook(box), (BoxLook{{IDYES, IDNO}, LoadIconW(nullptr, IDI_QUESTION)}));
        EXPECT_EQ(GetWindow(box, GW_OWNER), w);
        clickButton(box, IDYES);
        EXPECT_TRUE(waitUntil([box] { return !IsWindow(box); }));
        EXPECT_TRUE(statusBecomes(w, "2 file(s) renamed back."));
        EXPECT_EQ(temp.list(), (std::vector<std::string>{"a.txt", "b.txt"}));
        EXPECT_EQ(temp.read("a.txt"), "a");
        EXPECT_TRUE(undoGreyed());
        PostMessageA(w, WM_SYSCOMMAND, 32, 0);
        EXPECT_EQ(waitForWindow("Tarnwick", thread, 300), nullptr);
    });
}

// Two clicks on Rename at once: the second arrives while the first one's command works and is
// dropped when it ends, so every file is renamed once.
TEST_F(MainDialogCommands, ADoubleClickOnRenameRenamesOnce) {
    temp.files({"a.txt", "b.txt"});
    runMainDialog(dialog, [&](HWND w, DWORD) {
        typeOptions(w, temp.path(), "*.*", {{IDC_INSERT, {"x_"}}});
        onDialogThread(w, [&] {
            dialog.commands().state().warnBeforeRename = false;
            SetForegroundWindow(w);
        });
        RECT button{};
        GetWindowRect(GetDlgItem(w, IDC_RENAME), &button);
        SetCursorPos((button.left + button.right) / 2, (button.top + button.bottom) / 2);
        INPUT clicks[4] = {};
        for (int i = 0; i < 4; ++i) {
            clicks[i].type = INPUT_MOUSE;
            clicks[i].mi.dwFlags = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
        }
        ASSERT_EQ(SendInput(4, clicks, sizeof(INPUT)), 4u);
        ASSERT_TRUE(statusBecomes(w, "2 file(s) successfully renamed."));
        Sleep(300); // a second run would have ended by now
        onDialogThread(w, [] {});
    });
    EXPECT_EQ(temp.list(), (std::vector<std::string>{"x_a.txt", "x_b.txt"}));
}

// Enter typed while a long walk collects the files is dropped within a few tenths of a second:
// the Confirm dialog that follows waits for its own answer.
TEST_F(MainDialogCommands, EnterTypedDuringACommandLeavesTheConfirmDialogWaiting) {
    temp.file("a.txt");
    for (int i = 0; i < 2000; ++i)
        temp.folder("tree\\" + std::to_string(i));
    DWORD typedAt = 0;
    int keyWaited = -1;                                 // -1: the walk ended too soon to tell
    fileSystem.beforeSearch = [&](const std::string&) { // on the dialog's thread
        if (typedAt == 0 && pressEnter())
            typedAt = GetTickCount();
        else if (typedAt != 0 && keyWaited < 0 && GetTickCount() - typedAt > 300)
            keyWaited = (HIWORD(GetQueueStatus(QS_KEY)) & QS_KEY) != 0;
    };
    runMainDialog(dialog, [&](HWND w, DWORD thread) {
        typeOptions(w, temp.path(), "*.txt", {{IDC_INSERT, {"x_"}}});
        click(w, IDC_SUBDIRS);
        onDialogThread(w, [&] { SetForegroundWindow(w); });
        clickButton(w, IDC_RENAME);
        HWND confirm = waitForWindow("Attention!", thread, 60000);
        Sleep(500); // a queued Enter would have pressed "Rename!" by now
        EXPECT_TRUE(IsWindowVisible(confirm));
        EXPECT_EQ(temp.list(), (std::vector<std::string>{"a.txt", "tree"}));
        clickButton(confirm, IDOK);
        EXPECT_TRUE(statusBecomes(w, "1 file(s) successfully renamed."));
    });
    EXPECT_EQ(keyWaited, 0);
}

// The refused value's field gets the focus with its whole text selected, to be typed over.
TEST_F(MainDialogCommands, RefusedValueIsSelectedInItsField) {
    runMainDialog(dialog, [&](HWND w, DWORD thread) {
        typeOptions(w, temp.path(), "my photos", {});
        clickButton(w, IDC_PREVIEW);
        HWND box = waitForWindow("Tarnwick Error", thread);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(messageBoxText(box), texts::maskInvalid);
        clickButton(box, IDOK);
        HWND field = GetDlgItem(w, IDC_FILE_LIST);
        ASSERT_TRUE(waitUntil([&] { return focusOf(thread) == field; }));
        EXPECT_EQ(SendMessageA(field, EM_GETSEL, 0, 0), MAKELRESULT(0, 9)); // all of "my photos"
    });
}

} // namespace
} // namespace tarnwick
