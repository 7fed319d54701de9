// Preview and Rename started by their buttons on a real temporary folder: message boxes, the
// focus after a refusal, the status area and the wait cursor as the user meets them, and what a
// screen reader meets.
#include "main_dialog_harness.h"
#include "core/texts.h"
#include "support/forwarding_file_system.h"
#include "support/temp_folder.h"
#include "win32/text_conversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <utility>
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
        if (!waitUntil([&] { return itemText(window, IDC_STATUS_TEXT) == text; }))
            return false;
        waitForTheCommandToEnd(window);
        return true;
    }
};

TEST_F(MainDialogCommands, RefusedPathIsReportedAndTheFocusGoesToIt) {
    runMainDialog(dialog, [&](HWND w, DWORD thread) {
        // No path, and a device that is no folder.
        const std::pair<int, const char*> tries[] = {
            {IDC_PREVIEW, ""}, {IDC_RENAME, ""}, {IDC_PREVIEW, "\\\\.\\CON"}};
        for (const auto& [button, path] : tries) {
            type(w, IDC_PATH_NAME, path);
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

// A bare drive is the drive's root, though the program's current folder is on that drive.
TEST_F(MainDialogCommands, ABareDriveIsItsRoot) {
    char current[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, current);
    SetCurrentDirectoryA(temp.path().c_str());
    const std::string drive = temp.path().substr(0, 2);
    runMainDialog(dialog, [&](HWND w, DWORD thread) {
        typeOptions(w, drive, "*.none", {});
        clickButton(w, IDC_PREVIEW);
        HWND preview = waitForWindow("Preview", thread);
        ASSERT_NE(preview, nullptr);
        EXPECT_EQ(itemText(w, IDC_PATH_NAME), drive + "\\");
        clickButton(preview, IDCANCEL);
        EXPECT_TRUE(waitUntil([preview] { return !IsWindow(preview); }));
    });
    SetCurrentDirectoryA(current);
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
        waitForTheCommandToEnd(w);

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

// Two Renames, one that renames nothing between them, then "Undo last rename" twice: each asks in a
// Yes/No box of its own, back to the first names; then the entry is greyed and does nothing.
TEST_F(MainDialogCommands, UndoFromTheSystemMenuWalksBackThroughEveryRename) {
    temp.file("a.txt", "a");
    temp.file("b.txt", "b");
    runMainDialog(dialog, [&](HWND w, DWORD thread) {
        const HMENU menu = GetSystemMenu(w, FALSE);
        auto undoGreyed = [&] { return (GetMenuState(menu, 32, MF_BYCOMMAND) & MF_GRAYED) != 0; };
        typeOptions(w, temp.path(), "", {{IDC_INSERT, {"x_"}}});
        onDialogThread(w, [&] { dialog.commands().state().warnBeforeRename = false; });
        const char* const renames[][2] = {{"*.*", "2"}, {"*.none", "0"}, {"x_a*", "1"}};
        for (const auto& [mask, renamed] : renames) {
            type(w, IDC_FILE_LIST, mask);
            clickButton(w, IDC_RENAME);
            ASSERT_TRUE(statusBecomes(w, renamed + std::string(" file(s) successfully renamed.")));
            EXPECT_FALSE(undoGreyed());
        }
        const std::pair<std::string, std::vector<std::string>> undos[] = {
            {"1", {"x_a.txt", "x_b.txt"}}, {"2", {"a.txt", "b.txt"}}};
        for (const auto& [count, names] : undos) {
            PostMessageA(w, WM_SYSCOMMAND, 32, 0);
            HWND box = waitForWindow("Tarnwick", thread);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(messageBoxText(box),
                      "Give the " + count +
                          " file(s) renamed by the last Rename their old names back?");
            EXPECT_EQ(messageBoxLook(box),
                      (BoxLook{{IDYES, IDNO}, LoadIconW(nullptr, IDI_QUESTION)}));
            EXPECT_EQ(GetWindow(box, GW_OWNER), w);
            clickButton(box, IDYES);
            EXPECT_TRUE(waitUntil([box] { return !IsWindow(box); }));
            EXPECT_TRUE(statusBecomes(w, count + " file(s) renamed back."));
            EXPECT_EQ(temp.list(), names);
        }
        EXPECT_EQ(temp.read("a.txt"), "a");
        EXPECT_TRUE(undoGreyed());
        PostMessageA(w, WM_SYSCOMMAND, 32, 0);
        EXPECT_EQ(waitForWindow("Tarnwick", thread, 300), nullptr);
    });
}

// The clicks a tool posts to the buttons while a Rename works (speech recognition and automation
// press them so) start nothing afterwards.
TEST_F(MainDialogCommands, NothingPressedDuringARunStartsAnother) {
    temp.files({"a.txt", "b.txt"});
    fileSystem.afterRename = [&, pressed = false](auto&&...) mutable { // on the dialog's thread
        if (!std::exchange(pressed, true))
            for (const int button : {IDC_RENAME, IDC_RENAME, IDC_PREVIEW})
                clickButton(dialog.hwnd(), button);
    };
    runMainDialog(dialog, [&](HWND w, DWORD) {
        typeOptions(w, temp.path(), "*.*", {{IDC_INSERT, {"x_"}}});
        onDialogThread(w, [&] { dialog.commands().state().warnBeforeRename = false; });
        clickButton(w, IDC_RENAME);
        EXPECT_TRUE(statusBecomes(w, "2 file(s) successfully renamed."));
        Sleep(300); // a second run would have ended by now
    });
    EXPECT_EQ(temp.list(), (std::vector<std::string>{"x_a.txt", "x_b.txt"}));
}

// The session's end and a WM_QUIT wait for a run of renames: asked while it works, the answer to
// the end is no, and yes when no command works; should the session end anyway, the run stops as
// the message returns, with every file under its old name or its new one and none touched
// afterwards; a WM_QUIT posted during the run ends the dialog once the run is over.
TEST_F(MainDialogCommands, TheSessionsEndAndAQuitWaitForARun) {
    std::set<std::string> oldOrNew;
    for (int i = 100; i < 400; ++i) {
        temp.file("F" + std::to_string(i) + ".TXT");
        oldOrNew.insert({"F" + std::to_string(i) + ".TXT", "f" + std::to_string(i) + ".txt"});
    }
    std::atomic<int> renames{0};
    fileSystem.afterRename = [&](auto&&...) { // on the dialog's thread
        if (++renames == 1)
            PostQuitMessage(0);
    };
    runMainDialog(dialog, [&](HWND w, DWORD) {
        typeOptions(w, temp.path(), "*.TXT", {{IDC_CASE, {}}});
        onDialogThread(w, [&] { dialog.commands().state().warnBeforeRename = false; });
        const auto answer = [w](UINT message, WPARAM wParam, DWORD_PTR result = 2) {
            SendMessageTimeoutW(w, message, wParam, ENDSESSION_CLOSEAPP, 0, 5000, &result);
            return result;
        };
        EXPECT_EQ(answer(WM_QUERYENDSESSION, 0), 1u);
        clickButton(w, IDC_RENAME);
        ASSERT_TRUE(waitUntil([&] { return renames > 20; }));
        EXPECT_EQ(answer(WM_QUERYENDSESSION, 0), 0u);
        answer(WM_ENDSESSION, TRUE);
        const std::vector<std::string> atTheEnd = temp.list();
        for (const std::string& name : atTheEnd)
            EXPECT_EQ(oldOrNew.count(name), 1u) << name;
        EXPECT_LT(renames, 300);
        Sleep(300);
        EXPECT_EQ(temp.list(), atTheEnd);
        EXPECT_TRUE(waitUntil([&] { return !IsWindow(w); })) << "the quit was lost";
    });
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

// In place of the system's annotation service: what the program gives each control.
struct Given : Annotations {
    Annotations* before = Annotations::replace(this);
    std::map<HWND, std::string> names;
    std::set<HWND> live;
    ~Given() override { Annotations::replace(before); }
    void setName(HWND c, const std::wstring& name) override { names[c] = programFromWide(name); }
    void setPoliteLiveRegion(HWND c) override { live.insert(c); }
    void clear(HWND c) override { names.erase(c), live.erase(c); }
};

// "To find the control's label, Microsoft Active Accessibility searches for a static text control
// by calling GetWindow with the GW_HWNDPREV flag. The search is halted if a static text control is
// found, or if a control is encountered that has the window styles WS_GROUP | WS_TABSTOP."
bool documentedUnnamed(HWND field) {
    char kind[16] = {};
    for (HWND c = GetWindow(field, GW_HWNDPREV); c; c = GetWindow(c, GW_HWNDPREV)) {
        if (GetClassNameA(c, kind, 16) && lstrcmpiA(kind, "Static") == 0)
            return windowText(c).empty();
        if (GetWindowLongA(c, GWL_STYLE) & (WS_GROUP | WS_TABSTOP))
            return true;
    }
    return true;
}

// The edit fields and drop-down lists that the rule leaves unnamed have names, and no other
// control has one, but those named on purpose.
void expectNamed(HWND dialog, const Given& given, std::map<int, std::string> onPurpose = {}) {
    char kind[16] = {};
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        GetClassNameA(c, kind, 16);
        const bool field = lstrcmpiA(kind, "Edit") == 0 || lstrcmpiA(kind, "ComboBox") == 0;
        const std::string name = given.names.count(c) ? given.names.at(c) : "";
        const int id = GetDlgCtrlID(c);
        if (onPurpose.count(id))
            EXPECT_EQ(name, onPurpose[id]);
        else
            EXPECT_EQ(!name.empty(), field && documentedUnnamed(c)) << id << " " << name;
    }
}

// As the Main dialog, the Preview and the Confirm dialog open; the digit count, whose label is
// "using", is named "digits". Every annotation is taken back when its dialog ends.
TEST_F(MainDialogCommands, EveryFieldHasANameAndTheStatusTextIsALiveRegion) {
    temp.file("a.txt");
    Given given;
    runMainDialog(dialog, [&](HWND w, DWORD thread) {
        onDialogThread(w, [&] {
            expectNamed(w, given, {{IDC_DIGITS, "digits"}});
            EXPECT_EQ(given.live, std::set<HWND>{GetDlgItem(w, IDC_STATUS_TEXT)});
        });
        typeOptions(w, temp.path(), "*.*", {});
        clickButton(w, IDC_PREVIEW);
        for (const char* caption : {"Preview", "Attention!"}) {
            HWND d = waitForWindow(caption, thread);
            ASSERT_NE(d, nullptr) << caption;
            onDialogThread(w, [&] { expectNamed(d, given); });
            clickButton(d, IDOK);
        }
    });
    EXPECT_TRUE(given.names.empty() && given.live.empty());
}

// A second process listens as a screen reader does: a Rename and its undo are each heard once
// with their outcome, and none of the step texts between.
TEST_F(MainDialogCommands, AScreenReaderHearsTheOutcomeOfEachCommandOnce) {
    temp.files({"a.txt", "b.txt"});
    const TempFolder listening;
    const std::string file = listening.path() + "heard.txt";
    std::string command =
        "live_region_listener " + std::to_string(GetCurrentProcessId()) + " " + file;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION listener{};
    ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &listener));
    const auto heard = [&] {
        std::ifstream in(file);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const auto hears = [&](long lines) {
        return waitUntil([&] {
            const std::string text = heard();
            return std::count(text.begin(), text.end(), '\n') >= lines;
        });
    };
    EXPECT_TRUE(hears(1)); // "listening"
    runMainDialog(dialog, [&](HWND w, DWORD thread) {
        typeOptions(w, temp.path(), "*.*", {{IDC_INSERT, {"x_"}}});
        onDialogThread(w, [&] { dialog.commands().state().warnBeforeRename = false; });
        clickButton(w, IDC_RENAME);
        EXPECT_TRUE(hears(2));
        PostMessageA(w, WM_SYSCOMMAND, IDM_UNDO, 0);
        clickButton(waitForWindow("Tarnwick", thread), IDYES);
        EXPECT_TRUE(hears(3));
        Sleep(500); // one more would have been heard by now
    });
    TerminateProcess(listener.hProcess, 0);
    WaitForSingleObject(listener.hProcess, 5000);
    CloseHandle(listener.hProcess);
    CloseHandle(listener.hThread);
    EXPECT_EQ(heard(), "listening\n2 file(s) successfully renamed.\n2 file(s) renamed back.\n");
}

} // namespace
} // namespace tarnwick
