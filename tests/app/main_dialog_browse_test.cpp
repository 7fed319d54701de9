// What the Main dialog does with the answers of the folder browser and the file chooser; the
// two shell dialogs are stood in for, the Main dialog is real.
#include "win32/win32_file_system.h"
#include "main_dialog_harness.h"
#include "support/temp_folder.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace tarnwick {
namespace {

using namespace testing;

class ScriptedShellDialogs : public ShellDialogs {
public:
    // The next answers; not chosen means Cancel.
    bool folderChosen = false;
    std::string folder;
    bool filesChosen = false;
    std::string filesFolder;
    std::vector<std::string> names;

    // What the dialog asked with.
    std::vector<std::string> initialFolders;
    HWND chooserOwner = nullptr;

    bool browseFolder(const std::string& initialFolder, std::string& chosenFolder) override {
        initialFolders.push_back(initialFolder);
        if (folderChosen)
            chosenFolder = folder;
        return folderChosen;
    }
    bool chooseFiles(HWND owner, std::string& chosenFolder,
                     std::vector<std::string>& chosenNames) override {
        chooserOwner = owner;
        if (filesChosen) {
            chosenFolder = filesFolder;
            chosenNames = names;
        }
        return filesChosen;
    }
};

class MainDialogBrowse : public ::testing::Test {
protected:
    Win32FileSystem fileSystem;
    ScriptedShellDialogs shell;
    TestMainDialog dialog{fileSystem, shell};

    bool previewReady(HWND w) {
        bool ready = false;
        onDialogThread(w, [&] { ready = dialog.commands().state().previewReady; });
        return ready;
    }
    void setPreviewReadyWithEntries(HWND w) {
        onDialogThread(w, [&] {
            dialog.commands().state().previewReady = true;
            dialog.commands().fileList().assign(3, FileEntry{"C:\\", "x", "x"});
        });
    }
    std::size_t entries(HWND w) {
        std::size_t count = 0;
        onDialogThread(w, [&] { count = dialog.commands().fileList().size(); });
        return count;
    }
    // Drops the paths on the dialog as the shell does: a global block of names that are not wide
    // (fWide unset), ended by an empty one, that the receiver hands back.
    static void drop(HWND w, const std::vector<std::string>& paths) {
        std::size_t size = sizeof(DROPFILES) + 1;
        for (const std::string& path : paths)
            size += path.size() + 1;
        HGLOBAL memory = GlobalAlloc(GHND, size);
        auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
        files->pFiles = sizeof(DROPFILES);
        files->fWide = FALSE;
        char* at = reinterpret_cast<char*>(files) + sizeof(DROPFILES);
        for (const std::string& path : paths) {
            std::memcpy(at, path.c_str(), path.size() + 1);
            at += path.size() + 1;
        }
        GlobalUnlock(memory);
        SendMessageA(w, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
    }
    // What a choice leaves, from Browse or a drop: the folder, and the mask "*.*" in folder mode
    // with the subfolder box usable, or the names in list mode with the box disabled; no ready
    // preview either way.
    void expectChosen(HWND w, const std::string& path, const std::string& list = "*.*") {
        const bool folder = list == "*.*";
        EXPECT_EQ(itemText(w, IDC_PATH_NAME), path);
        EXPECT_EQ(itemText(w, IDC_FILE_LIST), list);
        EXPECT_EQ(checked(w, IDC_MODE_PATH), folder);
        EXPECT_EQ(checked(w, IDC_MODE_LIST), !folder);
        EXPECT_EQ(enabled(w, IDC_SUBDIRS), folder);
        EXPECT_FALSE(previewReady(w));
    }
    static bool acceptsDrops(HWND w) {
        return (GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0;
    }
};

TEST_F(MainDialogBrowse, BrowsePathFillsFolderAndMask) {
    struct Case {
        const char* chosen;
        const char* shown;
    };
    runMainDialog(dialog, [&](HWND w, DWORD) {
        click(w, IDC_MODE_LIST);
        EXPECT_FALSE(enabled(w, IDC_SUBDIRS));
        type(w, IDC_FILE_LIST, "*.jpg");
        shell.folderChosen = true;
        for (const Case& c : {Case{"C:\\", "C:\\"}, Case{"C:\\Data", "C:\\Data\\"}}) {
            setPreviewReadyWithEntries(w);
            shell.folder = c.chosen;
            click(w, IDC_BROWSE_PATH);
            expectChosen(w, c.shown);
            EXPECT_EQ(entries(w), 3u); // the list stays until the next command
        }
        // The browser opens on the folder chosen last; the first time on nothing.
        EXPECT_EQ(shell.initialFolders, (std::vector<std::string>{"", "C:\\"}));
    });
}

// Cancel switches the radio buttons and nothing else.
TEST_F(MainDialogBrowse, CancelOnlySwitchesTheRadioButtons) {
    runMainDialog(dialog, [&](HWND w, DWORD) {
        type(w, IDC_PATH_NAME, "D:\\Pictures");
        type(w, IDC_FILE_LIST, "*.jpg");
        click(w, IDC_MODE_LIST);
        setPreviewReadyWithEntries(w);
        click(w, IDC_BROWSE_PATH);
        EXPECT_TRUE(checked(w, IDC_MODE_PATH));
        EXPECT_FALSE(checked(w, IDC_MODE_LIST));
        EXPECT_FALSE(enabled(w, IDC_SUBDIRS));

        click(w, IDC_BROWSE_FILES);
        EXPECT_TRUE(checked(w, IDC_MODE_LIST));
        EXPECT_FALSE(checked(w, IDC_MODE_PATH));
        EXPECT_EQ(shell.chooserOwner, w);

        click(w, IDC_MODE_PATH);
        click(w, IDC_BROWSE_FILES);
        EXPECT_TRUE(enabled(w, IDC_SUBDIRS));
        EXPECT_EQ(itemText(w, IDC_PATH_NAME), "D:\\Pictures");
        EXPECT_EQ(itemText(w, IDC_FILE_LIST), "*.jpg");
        EXPECT_TRUE(previewReady(w));
        EXPECT_EQ(entries(w), 3u);
    });
}

TEST_F(MainDialogBrowse, BrowseFilesFillsFolderAndNameList) {
    struct Case {
        const char* folder;
        std::vector<std::string> names;
        const char* path;
        const char* list;
    };
    const Case cases[] = {
        {"C:\\Data", {"a.txt", "b.txt"}, "C:\\Data\\", "a.txt:b.txt"},
        {"C:\\Data", {"a.txt"}, "C:\\Data\\", "a.txt"},
        {"C:\\", {"readme.txt"}, "C:\\", "readme.txt"},
    };
    runMainDialog(dialog, [&](HWND w, DWORD) {
        click(w, IDC_SUBDIRS);
        shell.filesChosen = true;
        for (const Case& c : cases) {
            setPreviewReadyWithEntries(w);
            shell.filesFolder = c.folder;
            shell.names = c.names;
            click(w, IDC_BROWSE_FILES);
            expectChosen(w, c.path, c.list);
            EXPECT_TRUE(checked(w, IDC_SUBDIRS)); // the tick kept
            EXPECT_EQ(entries(w), 0u);
        }
        // Browse path afterwards starts from the files' folder.
        click(w, IDC_BROWSE_PATH);
        EXPECT_EQ(shell.initialFolders, (std::vector<std::string>{"C:\\"}));
    });
}

// A drop does exactly what the Browse buttons do with the same choice, and starts no command.
TEST_F(MainDialogBrowse, DropOfAFolderOrOfFilesOfOneFolder) {
    TempFolder temp;
    temp.files({"a.txt", "b.txt"});
    temp.folder("sub");
    const std::string folder = temp.path().substr(0, temp.path().size() - 1);
    runMainDialog(dialog, [&](HWND w, DWORD) {
        EXPECT_TRUE(acceptsDrops(w));
        click(w, IDC_SUBDIRS);
        click(w, IDC_MODE_LIST);
        setPreviewReadyWithEntries(w);
        drop(w, {folder});
        expectChosen(w, temp.path());
        EXPECT_TRUE(checked(w, IDC_SUBDIRS));
        EXPECT_EQ(entries(w), 3u); // the list stays until the next command, as after Browse
        EXPECT_EQ(itemText(w, IDC_STATUS_TEXT), "Still nothing to do.");

        setPreviewReadyWithEntries(w);
        drop(w, {temp.path() + "b.txt", temp.path() + "a.txt"});
        expectChosen(w, temp.path(), "b.txt:a.txt");
        EXPECT_EQ(entries(w), 0u);
        EXPECT_EQ(itemText(w, IDC_STATUS_TEXT), "Still nothing to do.");
    });
}

// A folder deeper than 260 characters is a folder too: it becomes the path, and is never taken for
// a file of its parent, which a Rename would then rename.
TEST_F(MainDialogBrowse, DropOfAFolderDeeperThan260Characters) {
    TempFolder temp;
    std::string deep = temp.path();
    std::wstring wide = temp.longPath();
    for (int i = 0; deep.size() < 300; ++i) {
        const std::string part = std::string(60, 'd') + std::to_string(i);
        deep += part + "\\";
        wide += wideFromUtf8(part) + L"\\";
        ASSERT_TRUE(CreateDirectoryW(wide.c_str(), nullptr));
    }
    runMainDialog(dialog, [&](HWND w, DWORD) {
        drop(w, {deep.substr(0, deep.size() - 1)});
        expectChosen(w, deep);
    });
}

// The shell's dialogs and links need COM on the program's thread, as long as the window is up.
TEST_F(MainDialogBrowse, ComIsReadyOnTheDialogsThread) {
    runMainDialog(dialog, [&](HWND w, DWORD) {
        HRESULT again = E_FAIL;
        onDialogThread(w, [&] {
            again = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
            if (SUCCEEDED(again))
                CoUninitialize();
        });
        EXPECT_EQ(again, S_FALSE); // already initialised, in the same apartment model
    });
}

TEST_F(MainDialogBrowse, AnyOtherDropChangesNothingAndSaysWhatADropCanBe) {
    TempFolder temp;
    temp.files({"a.txt", "sub\\b.txt"});
    temp.folder("other");
    const std::string sub = temp.path() + "sub";
    const std::vector<std::vector<std::string>> drops = {
        {sub, temp.path() + "other"},
        {sub, temp.path() + "a.txt"},
        {temp.path() + "a.txt", sub + "\\b.txt"},
    };
    runMainDialog(dialog, [&](HWND w, DWORD) {
        type(w, IDC_PATH_NAME, "D:\\Pictures");
        type(w, IDC_FILE_LIST, "*.jpg");
        setPreviewReadyWithEntries(w);
        for (const auto& paths : drops) {
            type(w, IDC_STATUS_TEXT, "");
            drop(w, paths);
            EXPECT_EQ(itemText(w, IDC_STATUS_TEXT),
                      "Drop one folder, or one or more files of one folder.");
            EXPECT_EQ(itemText(w, IDC_PATH_NAME), "D:\\Pictures");
            EXPECT_EQ(itemText(w, IDC_FILE_LIST), "*.jpg");
            EXPECT_TRUE(checked(w, IDC_MODE_PATH));
            EXPECT_TRUE(enabled(w, IDC_SUBDIRS));
            EXPECT_TRUE(previewReady(w));
            EXPECT_EQ(entries(w), 3u);
        }
    });
}

// While a command runs, the window takes no drop; one that arrives all the same is ignored.
TEST_F(MainDialogBrowse, NoDropWhileACommandRuns) {
    TempFolder temp;
    temp.file("a.txt");
    temp.folder("other");
    runMainDialog(dialog, [&](HWND w, DWORD thread) {
        type(w, IDC_PATH_NAME, temp.path());
        type(w, IDC_FILE_LIST, "*.txt");
        clickButton(w, IDC_RENAME);
        HWND confirm = waitForWindow("Attention!", thread);
        ASSERT_NE(confirm, nullptr);
        EXPECT_FALSE(acceptsDrops(w));
        drop(w, {temp.path() + "other"});
        EXPECT_EQ(itemText(w, IDC_PATH_NAME), temp.path());
        EXPECT_EQ(itemText(w, IDC_FILE_LIST), "*.txt");
        clickButton(confirm, IDCANCEL);
        EXPECT_TRUE(waitUntil([confirm] { return !IsWindow(confirm); }));
        EXPECT_TRUE(waitUntil([w] { return acceptsDrops(w); }));
    });
    EXPECT_EQ(temp.list(), (std::vector<std::string>{"a.txt", "other"}));
}

} // namespace
} // namespace tarnwick
