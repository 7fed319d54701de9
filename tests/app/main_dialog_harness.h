// Runs the real Main dialog modally on the test's thread while a driver thread works it by
// control id, as a user would.
#pragma once

#include "app/main_controls.h"
#include "app/main_dialog.h"
#include "res/resource.h"
#include "version.h"
#include "support/dialog_driver.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace tarnwick::testing {

constexpr char kMainCaption[] = TARNWICK_TITLE;

// A Main dialog that runs a function on its own thread when the driver asks.
class TestMainDialog : public MainDialog {
public:
    static constexpr UINT kRunOnDialogThread = WM_APP + 77;

    using MainDialog::MainDialog;

protected:
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (message != kRunOnDialogThread)
            return MainDialog::onMessage(message, wParam, lParam, result);
        (*reinterpret_cast<std::function<void()>*>(lParam))();
        return true;
    }
};

// The folder browser and file chooser, never opened: for tests that do not use them.
class NoShellDialogs : public ShellDialogs {
public:
    bool browseFolder(const std::string&, std::string&) override { return false; }
    bool chooseFiles(HWND, std::string&, std::vector<std::string>&) override { return false; }
};

// Runs work on the dialog's thread and returns when it is done.
inline void onDialogThread(HWND dialog, std::function<void()> work) {
    SendMessageA(dialog, TestMainDialog::kRunOnDialogThread, 0, reinterpret_cast<LPARAM>(&work));
}

// Returns once the command that works (if one does) has ended: a posted message waits for the
// window's own loop (or that of a question the command asks), which takes it only then.
inline void waitForTheCommandToEnd(HWND dialog) {
    std::atomic<bool> done{false};
    std::function<void()> work = [&done] { done = true; };
    PostMessageA(dialog, TestMainDialog::kRunOnDialogThread, 0, reinterpret_cast<LPARAM>(&work));
    waitUntil([&done] { return done.load(); }, 60000);
}

inline bool checked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}
inline bool enabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != 0;
}
inline void type(HWND dialog, int id, const std::string& text) {
    SetDlgItemTextA(dialog, id, text.c_str());
}

// Options typed in as a user would: the folder and the mask, then each option box ticked and its
// fields filled in their order.
using BoxFields = std::pair<int, std::initializer_list<const char*>>;
inline void typeOptions(HWND dialog, const std::string& folder, const std::string& mask,
                        std::initializer_list<BoxFields> boxes) {
    type(dialog, IDC_PATH_NAME, folder);
    type(dialog, IDC_FILE_LIST, mask);
    for (const auto& [box, texts] : boxes) {
        click(dialog, box);
        for (const OptionFields& row : optionFields)
            for (std::size_t i = 0; row.box == box && i < texts.size(); ++i)
                type(dialog, row.fields[i], texts.begin()[i]);
    }
}

// Closes every window of the thread that is still open above the Main dialog, then the dialog.
inline void closeEverything(HWND dialog, DWORD thread) {
    for (int round = 0; round < 10; ++round) {
        std::vector<HWND> open;
        EnumThreadWindows(
            thread,
            [](HWND hwnd, LPARAM param) -> BOOL {
                if (IsWindowVisible(hwnd))
                    reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&open));
        bool others = false;
        for (HWND hwnd : open) {
            if (hwnd != dialog) {
                others = true;
                PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
            }
        }
        if (!others)
            break;
        Sleep(200);
    }
    if (IsWindow(dialog))
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

// Runs the dialog modally; drive(window, thread of the dialog) acts on it from a second thread.
// Whatever drive leaves open is closed afterwards. Returns the dialog's result.
inline INT_PTR runMainDialog(TestMainDialog& dialog,
                             const std::function<void(HWND, DWORD)>& drive) {
    static const bool controlsReady = [] {
        INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)controlsReady;
    INT_PTR result = 0;
    {
        Driver driver([&](DWORD thread) {
            HWND window = waitForWindow(kMainCaption, thread);
            if (window == nullptr) {
                ADD_FAILURE() << "the Main dialog did not open";
                return;
            }
            drive(window, thread);
            closeEverything(window, thread);
        });
        result = dialog.run();
    }
    return result;
}

} // namespace tarnwick::testing
