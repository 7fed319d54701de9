// The Main dialog's controls as the user finds them: the start state, the enable rules, what
// readOptions reads, the system menu, and the ways to close the program.
#include "win32/win32_file_system.h"
#include "main_dialog_harness.h"
#include "support/option_changes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <climits>
#include <vector>

namespace tarnwick {
namespace {

using namespace testing;
using testing::changes::describe;

class MainDialogControls : public ::testing::Test {
protected:
    Win32FileSystem fileSystem;
    NoShellDialogs shell;
    TestMainDialog dialog{fileSystem, shell};

    Options options(HWND window) {
        Options read;
        onDialogThread(window, [&] { read = dialog.readOptions(); });
        return read;
    }
};

TEST_F(MainDialogControls, StartState) {
    runMainDialog(dialog, [&](HWND w, DWORD thread) {
        EXPECT_TRUE(checked(w, IDC_MODE_PATH));
        EXPECT_FALSE(checked(w, IDC_MODE_LIST));
        EXPECT_TRUE(enabled(w, IDC_SUBDIRS));
        EXPECT_FALSE(checked(w, IDC_SUBDIRS));
        // The boxes and buttons are enabled as Tab finds them, the spins as the boxes leave them.
        EXPECT_TRUE(enabled(w, IDC_PATH_NAME) && enabled(w, IDC_FILE_LIST));
        for (int field : {IDC_DIGITS, IDC_START_NUMBER, IDC_CASE_STYLE, IDC_ERASE_UNTIL,
                          IDC_INSERT_POS, IDC_INSERT_TEXT, IDC_SWAP_PIVOT, IDC_REPLACE_WITH,
                          IDC_REPLACE_FIND, IDC_SEPARATOR, IDC_FIRST_ONLY}) {
            EXPECT_FALSE(enabled(w, field)) << field;
        }
        for (int field : {IDC_PATH_NAME, IDC_FILE_LIST, IDC_SEPARATOR, IDC_REPLACE_FIND,
                          IDC_REPLACE_WITH, IDC_SWAP_PIVOT, IDC_ERASE_UNTIL, IDC_INSERT_TEXT,
                          IDC_INSERT_POS, IDC_START_NUMBER, IDC_STEP_LABEL}) {
            EXPECT_EQ(itemText(w, field), "") << field;
        }
        EXPECT_EQ(itemText(w, IDC_DIGITS), "1");
        EXPECT_EQ(itemText(w, IDC_CASE_STYLE), "small letters.txt");
        EXPECT_EQ(itemText(w, IDC_STATUS_TEXT), "Still nothing to do.");
        EXPECT_EQ(SendDlgItemMessageA(w, IDC_PROGRESS, PBM_GETPOS, 0, 0), 0);
        EXPECT_EQ(focusOf(thread), GetDlgItem(w, IDC_MODE_PATH));

        // The drop-down items come from the template, in order.
        const char* items[] = {"small letters.txt", "CAPITAL LETTERS.TXT",
                               "Capital Initial Letters.Txt"};
        ASSERT_EQ(SendDlgItemMessageA(w, IDC_CASE_STYLE, CB_GETCOUNT, 0, 0), 3);
        for (int i = 0; i < 3; ++i) {
            char text[64] = {};
            SendDlgItemMessageA(w, IDC_CASE_STYLE, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            EXPECT_STREQ(text, items[i]);
        }

        // An application window with the icon, Exit as default button.
        const LONG_PTR frame = GetWindowLongPtrA(w, GWL_STYLE);
        EXPECT_EQ(frame & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
                  WS_CAPTION | WS_SYSMENU);
        EXPECT_TRUE(GetWindowLongPtrA(w, GWL_EXSTYLE) & WS_EX_APPWINDOW);
        EXPECT_EQ(GetWindow(w, GW_OWNER), nullptr);
        EXPECT_EQ(LOWORD(SendMessageA(w, DM_GETDEFID, 0, 0)), IDOK);
        const LRESULT big = SendMessageA(w, WM_GETICON, ICON_BIG, 0);
        EXPECT_NE(big, 0);
        EXPECT_NE(SendMessageA(w, WM_GETICON, ICON_SMALL, 0), 0);
        EXPECT_EQ(SendMessageA(w, WM_QUERYDRAGICON, 0, 0), big);
    });
}

// Tab visits every button, box, field and the drop-down list in the order of the dialog, except
// the two target fields; of the radio buttons only the checked one, and no disabled control.
TEST_F(MainDialogControls, TabVisitsTheControlsInOrder) {
    runMainDialog(dialog, [&](HWND w, DWORD thread) {
        auto walk = [&](int from) {
            HWND start = GetDlgItem(w, from), at = start;
            onDialogThread(w, [start] { SetFocus(start); });
            std::vector<int> visited;
            do {
                visited.push_back(GetDlgCtrlID(at));
                PostMessageA(at, WM_KEYDOWN, VK_TAB, 0);
                waitUntil([&] { return focusOf(thread) != at; }, 3000);
                at = focusOf(thread);
            } while (at != start && at != nullptr && visited.size() < 40);
            return visited;
        };
        const std::vector<int> rest = {IDC_FOLDER_PREFIX, IDC_SEPARATOR,
                                       IDC_REPLACE,       IDC_REPLACE_FIND,
                                       IDC_REPLACE_WITH,  IDC_FIRST_ONLY,
                                       IDC_SWAP,          IDC_SWAP_PIVOT,
                                       IDC_INSERT,        IDC_INSERT_TEXT,
                                       IDC_INSERT_POS,    IDC_ERASE,
                                       IDC_ERASE_UNTIL,   IDC_CASE,
                                       IDC_CASE_STYLE,    IDC_NUMERATE,
                                       IDC_START_NUMBER,  IDC_DIGITS,
                                       IDC_RENAME,        IDC_PREVIEW,
                                       IDC_ABOUT,         IDOK};
        for (int box : {IDC_FOLDER_PREFIX, IDC_REPLACE, IDC_SWAP, IDC_INSERT, IDC_ERASE, IDC_CASE,
                        IDC_NUMERATE})
            click(w, box);
        std::vector<int> expected = {IDC_MODE_PATH, IDC_BROWSE_PATH, IDC_BROWSE_FILES, IDC_SUBDIRS};
        expected.insert(expected.end(), rest.begin(), rest.end());
        EXPECT_EQ(walk(IDC_MODE_PATH), expected);

        click(w, IDC_MODE_LIST); // the subfolder box is disabled
        expected = {IDC_MODE_LIST, IDC_BROWSE_FILES};
        expected.insert(expected.end(), rest.begin(), rest.end());
        expected.push_back(IDC_BROWSE_PATH);
        EXPECT_EQ(walk(IDC_MODE_LIST), expected);
    });
}

// Each spin, at the right edge of the field before it, steps the field within its range, without
// wrapping round and without thousands separators; the arrow keys leave the field alone. The
// fields take digits only and show them on the right.
TEST_F(MainDialogControls, SpinsStepTheirFieldsWithinTheirRange) {
    struct Spin {
        int id, field, low, high;
    };
    runMainDialog(dialog, [&](HWND w, DWORD) {
        click(w, IDC_NUMERATE);
        click(w, IDC_INSERT);
        for (const Spin& spin : {Spin{IDC_SPIN_INSERT, IDC_INSERT_POS, 0, 215},
                                 Spin{IDC_SPIN_START, IDC_START_NUMBER, 0, 32767},
                                 Spin{IDC_SPIN_DIGITS, IDC_DIGITS, 1, 215}}) {
            SCOPED_TRACE(spin.id);
            HWND control = GetDlgItem(w, spin.id), field = GetDlgItem(w, spin.field);
            RECT arrows = {};
            GetClientRect(control, &arrows);
            auto press = [&](bool up) {
                const LPARAM at = MAKELPARAM(arrows.right / 2, up ? 1 : arrows.bottom - 2);
                SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
                SendMessageA(control, WM_LBUTTONUP, 0, at);
                return itemText(w, spin.field);
            };
            type(w, spin.field, std::to_string(spin.high - 1));
            EXPECT_EQ(press(true), std::to_string(spin.high));
            EXPECT_EQ(press(true), std::to_string(spin.high));
            type(w, spin.field, std::to_string(spin.low));
            EXPECT_EQ(press(false), std::to_string(spin.low));
            EXPECT_EQ(press(true), std::to_string(spin.low + 1));
            SendMessageA(field, WM_KEYDOWN, VK_UP, 0);
            SendMessageA(field, WM_CHAR, 'x', 0);
            EXPECT_EQ(itemText(w, spin.field), std::to_string(spin.low + 1));
            RECT box = {}, spinAt = {}, fieldAt = {};
            GetClientRect(field, &box);
            EXPECT_GT(LOWORD(SendMessageA(field, EM_POSFROMCHAR, 0, 0)), box.right / 2);
            GetWindowRect(control, &spinAt);
            GetWindowRect(field, &fieldAt);
            EXPECT_NEAR(spinAt.left, fieldAt.right, 2); // at the right edge of the field
        }
    });
}

// Each option box switches its fields; they keep their contents while disabled.
TEST_F(MainDialogControls, OptionBoxesSwitchTheirFields) {
    struct Rule {
        int box;
        std::vector<int> fields;
    };
    const Rule rules[] = {
        {IDC_NUMERATE, {IDC_START_NUMBER, IDC_DIGITS}},
        {IDC_FOLDER_PREFIX, {IDC_SEPARATOR}},
        {IDC_REPLACE, {IDC_REPLACE_FIND, IDC_REPLACE_WITH, IDC_FIRST_ONLY}},
        {IDC_SWAP, {IDC_SWAP_PIVOT}},
        {IDC_INSERT, {IDC_INSERT_TEXT, IDC_INSERT_POS}},
        {IDC_ERASE, {IDC_ERASE_UNTIL}},
        {IDC_CASE, {IDC_CASE_STYLE}},
    };
    const int allFields[] = {IDC_START_NUMBER, IDC_DIGITS,      IDC_SEPARATOR,  IDC_REPLACE_FIND,
                             IDC_REPLACE_WITH, IDC_FIRST_ONLY,  IDC_SWAP_PIVOT, IDC_INSERT_TEXT,
                             IDC_INSERT_POS,   IDC_ERASE_UNTIL, IDC_CASE_STYLE};
    runMainDialog(dialog, [&](HWND w, DWORD) {
        for (const Rule& rule : rules) {
            click(w, rule.box);
            EXPECT_TRUE(checked(w, rule.box));
            for (int field : allFields) {
                const bool own =
                    std::find(rule.fields.begin(), rule.fields.end(), field) != rule.fields.end();
                EXPECT_EQ(enabled(w, field), own) << "box " << rule.box << " field " << field;
            }
            if (rule.box == IDC_REPLACE)
                click(w, IDC_FIRST_ONLY);
            else if (rule.box != IDC_CASE)
                type(w, rule.fields[0], "7");
            click(w, rule.box);
            for (int field : rule.fields)
                EXPECT_FALSE(enabled(w, field)) << field;
            for (int spin : {IDC_SPIN_START, IDC_SPIN_INSERT, IDC_SPIN_DIGITS})
                EXPECT_TRUE(enabled(w, spin)) << spin;
        }
        EXPECT_TRUE(checked(w, IDC_FIRST_ONLY));
        EXPECT_EQ(itemText(w, IDC_START_NUMBER), "7");
        EXPECT_EQ(itemText(w, IDC_ERASE_UNTIL), "7");
    });
}

// Separate files disables the subfolder box without touching its mark or the flag.
TEST_F(MainDialogControls, TargetModeSwitchesTheSubfolderBox) {
    runMainDialog(dialog, [&](HWND w, DWORD) {
        click(w, IDC_SUBDIRS);
        EXPECT_TRUE(options(w).includeSubdirs);
        click(w, IDC_MODE_LIST);
        EXPECT_TRUE(checked(w, IDC_MODE_LIST));
        EXPECT_FALSE(checked(w, IDC_MODE_PATH));
        EXPECT_FALSE(enabled(w, IDC_SUBDIRS));
        EXPECT_TRUE(checked(w, IDC_SUBDIRS));
        EXPECT_TRUE(options(w).includeSubdirs);
        EXPECT_EQ(options(w).targetMode, TargetMode::listMode);
        click(w, IDC_MODE_PATH);
        EXPECT_TRUE(enabled(w, IDC_SUBDIRS));
        EXPECT_TRUE(checked(w, IDC_SUBDIRS));
        EXPECT_EQ(options(w).targetMode, TargetMode::folderMode);
        click(w, IDC_SUBDIRS);
        EXPECT_FALSE(options(w).includeSubdirs);
        // The options follow the flag, which only a click on the box changes.
        SendDlgItemMessageA(w, IDC_SUBDIRS, BM_SETCHECK, BST_CHECKED, 0);
        EXPECT_FALSE(options(w).includeSubdirs);
    });
}

TEST_F(MainDialogControls, ReadOptionsReadsEveryControl) {
    runMainDialog(dialog, [&](HWND w, DWORD) {
        EXPECT_EQ(describe(options(w)), "folder '' '' -subfolders -numbers 0/1 -prefix '' -replace "
                                        "''->'' -first -swap '' -insert ''@0 -erase '' -case 0");

        typeOptions(w, "C:\\Data", "a.txt:b.txt",
                    {{IDC_NUMERATE, {"40000", "3"}}, // the start beyond the spin's end
                     {IDC_FOLDER_PREFIX, {" - "}},
                     {IDC_REPLACE, {"old", "new"}},
                     {IDC_SWAP, {"_"}},
                     {IDC_INSERT, {"x", "12"}},
                     {IDC_ERASE, {"#"}}});
        for (int box : {IDC_FIRST_ONLY, IDC_CASE, IDC_SUBDIRS, IDC_MODE_LIST})
            click(w, box);
        SendDlgItemMessageA(w, IDC_CASE_STYLE, CB_SETCURSEL, 2, 0);

        EXPECT_EQ(
            describe(options(w)),
            "list 'C:\\Data' 'a.txt:b.txt' +subfolders +numbers 40000/3 +prefix ' - ' +replace "
            "'old'->'new' +first +swap '_' +insert 'x'@12 +erase '#' +case 2");

        type(w, IDC_DIGITS, "");
        EXPECT_EQ(options(w).digitCount, 0);
    });
}

// The status area on its controls. Steps inside the range reach the bar late, but before
// anything else shows; the bar then stands where a bar given every message would stand.
TEST_F(MainDialogControls, StatusAreaKeepsPaceWithAPlainProgressBar) {
    runMainDialog(dialog, [&](HWND w, DWORD) {
        onDialogThread(w, [&] {
            HWND plain = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD, 0, 0, 100, 10, w,
                                         nullptr, nullptr, nullptr);
            auto both = [&](int steps) {
                for (int i = 0; i < steps; ++i) {
                    dialog.stepProgress();
                    SendMessageA(plain, PBM_STEPIT, 0, 0);
                }
                dialog.setStatusText(std::to_string(steps) + " files found.");
                EXPECT_EQ(SendDlgItemMessageA(w, IDC_PROGRESS, PBM_GETPOS, 0, 0),
                          SendMessageA(plain, PBM_GETPOS, 0, 0))
                    << steps;
            };
            // A count beyond the largest int stops there.
            auto setUp = [&](std::size_t count, int step) {
                dialog.startProgress(count, step);
                const int max = static_cast<int>(std::min<std::size_t>(count, INT_MAX));
                SendMessageA(plain, PBM_SETRANGE32, 0, max);
                SendMessageA(plain, PBM_SETPOS, 0, 0);
                SendMessageA(plain, PBM_SETSTEP, static_cast<WPARAM>(step), 0);
            };
            setUp(1000, 1);
            both(999);
            both(3); // over the end: the bar wraps around
            setUp(250, 250);
            both(1);
            dialog.clearProgress();
            SendMessageA(plain, PBM_SETPOS, 0, 0);
            both(1);
            both(1);
            setUp(std::size_t{1} << 32, 1 << 30);
            both(2);
            EXPECT_EQ(SendDlgItemMessageA(w, IDC_PROGRESS, PBM_GETRANGE, FALSE, 0), INT_MAX);
            setUp(0, 0);
            both(2);
            DestroyWindow(plain);
        });
        EXPECT_EQ(itemText(w, IDC_STATUS_TEXT), "2 files found.");
        onDialogThread(w, [&] { dialog.setStepLabel("Step 3 of 8"); });
        EXPECT_EQ(itemText(w, IDC_STEP_LABEL), "Step 3 of 8");
        EXPECT_EQ(GetWindowLongPtrA(GetDlgItem(w, IDC_STEP_LABEL), GWL_STYLE) & SS_TYPEMASK,
                  SS_RIGHT);
    });
}

TEST_F(MainDialogControls, SystemMenuEndsWithTheAboutAndTheUndoEntry) {
    runMainDialog(dialog, [&](HWND w, DWORD thread) {
        HMENU menu = GetSystemMenu(w, FALSE);
        ASSERT_NE(menu, nullptr);
        const int count = GetMenuItemCount(menu);
        ASSERT_GE(count, 3);
        EXPECT_EQ(GetMenuItemID(menu, count - 2), static_cast<UINT>(IDM_ABOUTBOX));
        EXPECT_EQ(GetMenuItemID(menu, count - 1), 32u);
        char text[64] = {};
        GetMenuStringA(menu, count - 2, text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, "&About Tarnwick");
        GetMenuStringA(menu, count - 1, text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, "&Undo last rename");
        EXPECT_TRUE(GetMenuState(menu, count - 1, MF_BYPOSITION) & MF_GRAYED); // nothing to undo
        EXPECT_TRUE(GetMenuState(menu, count - 3, MF_BYPOSITION) & MF_SEPARATOR);

        // The entry and the About button open the About dialog.
        for (int way = 0; way < 2; ++way) {
            if (way == 0)
                PostMessageA(w, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
            else
                clickButton(w, IDC_ABOUT);
            HWND about = waitForWindow("About Tarnwick", thread);
            ASSERT_NE(about, nullptr) << way;
            EXPECT_EQ(GetWindow(about, GW_OWNER), w);
            clickButton(about, IDOK);
            EXPECT_TRUE(waitUntil([about] { return !IsWindow(about); }));
        }
    });
}

// Exit and Enter end with OK, Escape and the close box with Cancel; every way ends the dialog.
TEST_F(MainDialogControls, EveryWayOutClosesTheProgram) {
    const std::function<void(HWND)> ways[] = {
        [](HWND w) { clickButton(w, IDOK); },
        [](HWND w) {
            HWND edit = GetDlgItem(w, IDC_PATH_NAME);
            onDialogThread(w, [edit] { SetFocus(edit); });
            PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
        },
        [](HWND w) { PostMessageA(GetDlgItem(w, IDC_MODE_PATH), WM_KEYDOWN, VK_ESCAPE, 0); },
        [](HWND w) { PostMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0); },
    };
    const INT_PTR expected[] = {IDOK, IDOK, IDCANCEL, IDCANCEL};
    for (int i = 0; i < 4; ++i) {
        TestMainDialog fresh{fileSystem, shell};
        const INT_PTR result = runMainDialog(fresh, [&](HWND w, DWORD) {
            ways[i](w);
            EXPECT_TRUE(waitUntil([w] { return !IsWindow(w); })) << i;
        });
        EXPECT_EQ(result, expected[i]) << i;
    }
}

} // namespace
} // namespace tarnwick
