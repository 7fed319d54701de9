#include "engine/commands.h"
#include "win32/win32_file_system.h"
#include "res/resource.h"
#include "support/dialog_driver.h"
#include "support/recording_window.h"
#include "support/temp_folder.h"
#include "support/option_changes.h"
#include "ui/preview_dialog.h"
#include "ui/preview_text.h"
#include "ui/status_area.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>

namespace tarnwick {
namespace {

using namespace testing::changes;
using testing::click;
using testing::clickButton;
using testing::focusOf;
using testing::itemText;
using testing::waitForWindow;
using testing::whileShown;

const char names[] = "IMG_1.JPG ---> img_1.jpg\r\n"
                     "same.txt ---> same.txt\r\n"
                     "IMG_1.JPG ---> img_1.jpg\r\n";
const char paths[] = "C:\\Photos\\IMG_1.JPG ---> C:\\Photos\\img_1.jpg\r\n"
                     "C:\\Photos\\same.txt ---> C:\\Photos\\same.txt\r\n"
                     "C:\\Photos\\Old\\IMG_1.JPG ---> C:\\Photos\\Old\\img_1.jpg\r\n";

FileList photos() {
    return {{"C:\\Photos\\", "IMG_1.JPG", "img_1.jpg"},
            {"C:\\Photos\\", "same.txt", "same.txt"},
            {"C:\\Photos\\Old\\", "IMG_1.JPG", "img_1.jpg"}};
}

// Posts a key to the control that has the focus in the dialog's thread.
void pressKey(DWORD thread, WPARAM key) {
    HWND focus = focusOf(thread);
    PostMessageA(focus, WM_KEYDOWN, key, 1);
    PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
}

TEST(PreviewDialog, ShowsTheListAndFollowsShowPathName) {
    const FileList files = photos();
    std::string opened, ticked, cleared;
    HWND focused = nullptr, renameButton = nullptr;
    LONG editStyle = 0;
    bool editBordered = false;
    bool checkedAtOpen = true;
    const INT_PTR result = whileShown(
        "Preview",
        [&](HWND dialog, DWORD thread) {
            opened = itemText(dialog, IDC_PREVIEW_TEXT);
            HWND edit = GetDlgItem(dialog, IDC_PREVIEW_TEXT);
            editStyle = GetWindowLongA(edit, GWL_STYLE);
            // The dialog manager draws a bordered edit with a sunken client edge.
            editBordered = (editStyle & WS_BORDER) != 0 ||
                           (GetWindowLongA(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
            checkedAtOpen = IsDlgButtonChecked(dialog, IDC_SHOW_PATH) == BST_CHECKED;
            focused = focusOf(thread);
            renameButton = GetDlgItem(dialog, IDOK);
            EXPECT_EQ(itemText(dialog, IDOK), "Rename");
            EXPECT_EQ(itemText(dialog, IDCANCEL), "Cancel");
            EXPECT_EQ(itemText(dialog, IDC_SHOW_PATH), "Show path name");
            click(dialog, IDC_SHOW_PATH);
            ticked = itemText(dialog, IDC_PREVIEW_TEXT);
            click(dialog, IDC_SHOW_PATH);
            cleared = itemText(dialog, IDC_PREVIEW_TEXT);
            clickButton(dialog, IDOK);
        },
        [&] { return PreviewDialog(nullptr, files).run(); });
    EXPECT_EQ(opened, names);
    EXPECT_FALSE(checkedAtOpen);
    EXPECT_EQ(ticked, paths);
    EXPECT_EQ(cleared, opened);
    EXPECT_EQ(focused, renameButton);
    const LONG wanted = ES_MULTILINE | ES_READONLY | ES_AUTOHSCROLL | ES_AUTOVSCROLL |
                        ES_WANTRETURN | WS_VSCROLL | WS_HSCROLL;
    EXPECT_EQ(editStyle & wanted, wanted);
    EXPECT_TRUE(editBordered);
    EXPECT_EQ(result, IDOK);
}

TEST(PreviewDialog, EmptyListGivesEmptyTextAndRenameStillAnswersOk) {
    const FileList files;
    std::string shown = "not read";
    const INT_PTR result = whileShown(
        "Preview",
        [&](HWND dialog, DWORD) {
            shown = itemText(dialog, IDC_PREVIEW_TEXT);
            clickButton(dialog, IDOK);
        },
        [&] { return PreviewDialog(nullptr, files).run(); });
    EXPECT_EQ(shown, "");
    EXPECT_EQ(result, IDOK);
}

struct Closing {
    const char* what;
    void (*close)(HWND dialog, DWORD thread);
    INT_PTR result;
};

TEST(PreviewDialog, ClosingAnswers) {
    const Closing closings[] = {
        // clang-format off
        {"Cancel button", [](HWND dialog, DWORD) { clickButton(dialog, IDCANCEL); }, IDCANCEL},
        {"Escape", [](HWND, DWORD thread) { pressKey(thread, VK_ESCAPE); }, IDCANCEL},
        {"close box", [](HWND d, DWORD) { PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }, IDCANCEL},
        {"Enter on the focused Rename button", [](HWND, DWORD t) { pressKey(t, VK_RETURN); }, IDOK},
        // clang-format on
        {"Enter in the text field is kept by the field",
         [](HWND dialog, DWORD thread) {
             SendMessageA(dialog, WM_NEXTDLGCTL,
                          reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDC_PREVIEW_TEXT)), TRUE);
             pressKey(thread, VK_RETURN);
             clickButton(dialog, IDCANCEL); // reached only when Enter left the dialog open
         },
         IDCANCEL},
    };
    const FileList files = photos();
    for (const Closing& closing : closings) {
        EXPECT_EQ(whileShown("Preview", closing.close,
                             [&] { return PreviewDialog(nullptr, files).run(); }),
                  closing.result)
            << closing.what;
    }
}

TEST(PreviewDialog, ShowsAHundredThousandLines) {
    FileList files;
    files.reserve(100000);
    for (int i = 0; i < 100000; ++i) {
        const std::string n = std::to_string(100000 + i);
        files.push_back({"C:\\Many\\", "IMG_" + n + ".JPG", "img_" + n + ".jpg"});
    }
    LRESULT lines = 0;
    int length = 0;
    std::string last;
    whileShown(
        "Preview",
        [&](HWND dialog, DWORD) {
            HWND edit = GetDlgItem(dialog, IDC_PREVIEW_TEXT);
            lines = SendMessageA(edit, EM_GETLINECOUNT, 0, 0);
            length = GetWindowTextLengthA(edit);
            char line[64] = {};
            *reinterpret_cast<WORD*>(line) = sizeof line - 1;
            const LRESULT got =
                SendMessageA(edit, EM_GETLINE, 99999, reinterpret_cast<LPARAM>(line));
            last.assign(line, static_cast<std::size_t>(got));
            clickButton(dialog, IDCANCEL);
        },
        [&] { return PreviewDialog(nullptr, files).run(); }, 60000);
    EXPECT_EQ(lines, 100001); // the closing "\r\n" leaves an empty last line
    EXPECT_EQ(length, 100000 * 36);
    EXPECT_EQ(last, "IMG_199999.JPG ---> img_199999.jpg");
}

// The engine's window with the real Preview dialog; everything else is recorded.
class PreviewingWindow : public testing::RecordingWindow {
public:
    std::string previewText;
    bool runPreviewDialog(const FileList& files) override {
        calls.push_back("previewDialog");
        ++previewDialogs;
        return PreviewDialog(nullptr, files).run() == IDOK;
    }
};

TEST(PreviewDialog, RenameFromThePreviewTakesTheShortPath) {
    testing::TempFolder folder;
    folder.files({"IMG_2.JPG", "IMG_1.JPG"});
    PreviewingWindow window;
    window.options.targetMode = TargetMode::folderMode;
    window.options.pathSpec = folder.path();
    window.options.maskOrList = "*.JPG";
    replace("IMG", "pic")(window.options);
    Win32FileSystem fileSystem;
    Commands commands(window, fileSystem);
    std::string shown;
    whileShown(
        "Preview",
        [&](HWND dialog, DWORD) {
            shown = itemText(dialog, IDC_PREVIEW_TEXT);
            clickButton(dialog, IDOK);
        },
        [&] { commands.runPreview(); });
    EXPECT_EQ(shown, "IMG_1.JPG ---> pic_1.JPG\r\nIMG_2.JPG ---> pic_2.JPG\r\n");
    EXPECT_EQ(folder.list(), (std::vector<std::string>{"pic_1.JPG", "pic_2.JPG"}));
    // The preview's own steps count to 4, then the rename goes on from "Step 1 of 4".
    EXPECT_EQ(std::count(window.stepLabels.begin(), window.stepLabels.end(), "Step 1 of 4"), 2);
    EXPECT_EQ(std::count(window.stepLabels.begin(), window.stepLabels.end(), "Step 1 of 8"), 0);
    EXPECT_EQ(window.statusText, "2 file(s) successfully renamed.");
}

// While a Preview of 100,000 entries opens, a second thread sends the owner message after
// message: none waits a second (Windows takes a window for hung after 5); the field holds all.
TEST(PreviewDialog, ALongListKeepsTheWindowAnsweringWhileTheFieldFills) {
    FileList files;
    for (int i = 0; i < 100000; ++i)
        files.push_back({"C:\\", "IMG_" + std::to_string(i), "img_" + std::to_string(i)});
    HWND owner =
        CreateWindowExA(0, "STATIC", "", 0, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
    StatusArea status; // with no controls: the messages alone
    std::string shown;
    const DWORD longest = testing::longestAnswer(owner, [&](std::atomic<bool>& open) {
        whileShown(
            "Preview",
            [&](HWND dialog, DWORD) {
                shown = itemText(dialog, IDC_PREVIEW_TEXT);
                open = false; // Wine takes its time to destroy windows
                clickButton(dialog, IDCANCEL);
            },
            [&] { return PreviewDialog(owner, files, [&] { status.keepAnswering(); }).run(); },
            60000);
    });
    DestroyWindow(owner);
    EXPECT_TRUE(shown == buildPreviewText(files, false)) << shown.size() << " characters";
    EXPECT_LT(longest, 1000u);
}

// The same during the status area's wait for a file in use, which lasts as long as asked.
TEST(PreviewDialog, TheWaitForAFileInUseKeepsTheWindowAnswering) {
    HWND owner =
        CreateWindowExA(0, "STATIC", "", 0, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
    StatusArea status;
    ULONGLONG waited = GetTickCount64();
    EXPECT_LT(testing::longestAnswer(owner, [&](std::atomic<bool>&) { status.wait(1500); }), 1000u);
    EXPECT_GE(GetTickCount64() - waited, 1500u);
    DestroyWindow(owner);
}

} // namespace
} // namespace tarnwick
