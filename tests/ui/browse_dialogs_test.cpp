// The real folder browser and file chooser, driven by control id.
#include "support/dialog_driver.h"
#include "support/temp_folder.h"
#include "win32/wine_host.h"
#include "win32/text_conversion.h"
#include "ui/shell_dialogs.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace tarnwick {
namespace {

using testing::clickButton;
using testing::Driver;
using testing::TempFolder;
using testing::whileShown;
using testing::windowText;

// The first visible dialog window of the thread, whatever its caption.
HWND waitForDialog(DWORD thread) {
    for (int waited = 0; waited < 10000; waited += 20) {
        HWND found = nullptr;
        EnumThreadWindows(
            thread,
            [](HWND hwnd, LPARAM param) -> BOOL {
                char cls[16] = {};
                GetClassNameA(hwnd, cls, sizeof cls);
                if (IsWindowVisible(hwnd) && std::string(cls) == "#32770") {
                    *reinterpret_cast<HWND*>(param) = hwnd;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&found));
        if (found != nullptr)
            return found;
        Sleep(20);
    }
    return nullptr;
}

// Waits until the browser's tree has selected an item with the given text; returns the text of
// the item selected last.
std::string waitForSelection(HWND browser, const std::string& text) {
    HWND tree = FindWindowExA(browser, nullptr, "SysTreeView32", nullptr);
    std::string selected = "(no tree)";
    for (int waited = 0; tree != nullptr && waited < 10000; waited += 20) {
        char label[MAX_PATH] = {};
        TVITEMA item = {};
        item.mask = TVIF_TEXT;
        item.hItem =
            reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
        item.pszText = label;
        item.cchTextMax = sizeof label;
        if (item.hItem != nullptr)
            SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        selected = label;
        if (selected == text)
            break;
        Sleep(20);
    }
    return selected;
}

// True when a child window of the dialog shows exactly the text.
bool showsText(HWND dialog, const std::string& text) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT))
        if (windowText(child) == text)
            return true;
    return false;
}

// The folder without its closing backslash, as the shell delivers it.
std::string bare(const std::string& folder) {
    return folder.substr(0, folder.size() - 1);
}

TEST(FolderBrowser, PreselectsTheInitialFolder) {
    // A folder every system has, a few levels below the desktop; and one whose name takes more
    // bytes in UTF-8 than a path of MAX_PATH characters, though far fewer characters.
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    // The browser reaches no deeper than the system drive's root here.
    const std::string root = "C:\\tarnwick-browse-" + std::to_string(GetCurrentProcessId());
    const std::string japanese = root + "\\" + testing::utf8FromWide(std::wstring(80, L'\u65E5'));
    CreateDirectoryA(root.c_str(), nullptr);
    CreateDirectoryA(japanese.c_str(), nullptr);
    struct Removed {
        const std::string& root;
        const std::string& japanese;
        ~Removed() {
            RemoveDirectoryA(japanese.c_str());
            RemoveDirectoryA(root.c_str());
        }
    } removed{root, japanese};
    for (const std::string& folder : {std::string(system), japanese}) {
        const std::string leaf = folder.substr(folder.rfind('\\') + 1);
        SystemShellDialogs shell;
        std::string chosen;
        bool result = false;
        {
            Driver driver([&](DWORD thread) {
                HWND browser = waitForDialog(thread);
                ASSERT_NE(browser, nullptr);
                EXPECT_EQ(waitForSelection(browser, leaf), leaf);
                EXPECT_TRUE(showsText(browser, "Choose a folder."));
                clickButton(browser, IDOK);
            });
            result = shell.browseFolder(folder, chosen);
        }
        ASSERT_TRUE(result);
        EXPECT_EQ(_stricmp(chosen.c_str(), folder.c_str()), 0) << chosen;
    }
}

TEST(FolderBrowser, OverLongInitialFolderOpensTheBrowserAndCancelGivesFalse) {
    SystemShellDialogs shell;
    std::string chosen = "unchanged";
    bool result = true;
    {
        Driver driver([&](DWORD thread) {
            HWND browser = waitForDialog(thread);
            ASSERT_NE(browser, nullptr);
            clickButton(browser, IDCANCEL);
        });
        result = shell.browseFolder("C:\\" + std::string(400, 'x'), chosen);
    }
    EXPECT_FALSE(result);
    EXPECT_EQ(chosen, "unchanged");
}

// Types into the chooser's file name field and presses Open.
void choose(HWND chooser, const std::string& typed) {
    SetDlgItemTextA(chooser, 0x47c, typed.c_str()); // the file name combo box
    clickButton(chooser, IDOK);
}

struct ChooserCase {
    const char* what;
    std::string typed;
    std::vector<std::string> names;
};

TEST(FileChooser, DeliversFolderAndNames) {
    TempFolder temp;
    temp.files({"a.txt", "b.txt"});
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(temp.path().c_str()); // the chooser opens where the program stands
    const ChooserCase cases[] = {
        {"two files", "\"a.txt\" \"b.txt\"", {"a.txt", "b.txt"}},
        {"two files typed the other way round", "\"b.txt\" \"a.txt\"", {"b.txt", "a.txt"}},
        {"one file", "b.txt", {"b.txt"}},
        {"one file given with its path", temp.path() + "a.txt", {"a.txt"}},
    };
    for (const ChooserCase& c : cases) {
        SystemShellDialogs shell;
        std::string folder;
        std::vector<std::string> names;
        ASSERT_TRUE(whileShown(
            "Select files to rename", [&](HWND chooser, DWORD) { choose(chooser, c.typed); },
            [&] { return shell.chooseFiles(nullptr, folder, names); }))
            << c.what;
        EXPECT_EQ(folder, bare(temp.path())) << c.what;
        EXPECT_EQ(names, c.names) << c.what;
    }
    SetCurrentDirectoryA(previous);
}

TEST(FileChooser, CancelGivesFalse) {
    SystemShellDialogs shell;
    std::string folder;
    std::vector<std::string> names;
    EXPECT_FALSE(whileShown(
        "Select files to rename", [](HWND chooser, DWORD) { clickButton(chooser, IDCANCEL); },
        [&] { return shell.chooseFiles(nullptr, folder, names); }));
}

} // namespace
} // namespace tarnwick
