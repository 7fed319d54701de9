// Opens the program's four dialogs one after another, takes a picture of each from the screen
// and closes it again: dialog_shots.exe <folder>. Writes main.bmp, preview.bmp, confirm.bmp and
// about.bmp there. tools/screenshot.sh runs it at a raised DPI to show how the dialogs scale.
// dialog_shots.exe <folder> scripts opens only the Preview dialog, with names in several scripts
// renamed by the program's own formatting, and writes preview-scripts.bmp.
// dialog_shots.exe fonts names the face Wine draws each font of the dialogs with, and fails when
// the prefix lacks Marlett, the face of the caption buttons and the marks of menus.
#include "app/main_dialog.h"
#include "core/wtf8_characters.h"
#include "format/format_names.h"
#include "support/dialog_driver.h"
#include "support/null_window.h"
#include "win32/characters.h"
#include "win32/text_conversion.h"
#include "ui/about_dialog.h"
#include "ui/confirm_dialog.h"
#include "ui/preview_dialog.h"
#include "ui/shell_dialogs.h"
#include "version.h"
#include "win32/win32_file_system.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using tarnwick::testing::Driver;
using tarnwick::testing::waitForWindow;

// Moves the pointer to a corner of the screen outside the window, so that no control of it is
// lit up as the pointer's: the same dialog gives the same picture wherever the pointer was.
void movePointerAway(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    POINT corner{GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1};
    if (PtInRect(&frame, corner))
        corner = {0, 0};
    SetCursorPos(corner.x, corner.y);
}

// Writes what the screen shows of the window as a 24-bit BMP file.
bool saveWindow(HWND window, const std::string& path) {
    RECT frame{};
    GetWindowRect(window, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height; // bottom-up, as a BMP file stores its rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP picture = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool saved = false;
    if (picture != nullptr && bits != nullptr) {
        HGDIOBJ old = SelectObject(memory, picture);
        BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);
        GdiFlush();
        SelectObject(memory, old);
        const DWORD rowBytes = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
        const DWORD imageBytes = rowBytes * static_cast<DWORD>(height);
        BITMAPFILEHEADER file{};
        file.bfType = 0x4D42; // "BM"
        file.bfOffBits = sizeof file + sizeof info.bmiHeader;
        file.bfSize = file.bfOffBits + imageBytes;
        if (FILE* out = std::fopen(path.c_str(), "wb")) {
            saved = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                    std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
                    std::fwrite(bits, imageBytes, 1, out) == 1;
            saved = std::fclose(out) == 0 && saved;
        }
    }
    if (picture != nullptr)
        DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return saved;
}

struct Shot {
    const char* caption;
    const char* file;
};

// Old names in several scripts, in the order of the program's list (by the bytes of the names),
// given the folder's name as a prefix and "_" for every blank.
tarnwick::FileList namesInScripts() {
    const char* folder = "C:\\Users\\Public\\Sammlung\\";
    tarnwick::FileList files;
    for (const char* name : {"Weiß.txt", "emoji 😀.txt", "Čapek – R.U.R.txt", "Αθήνα.png",
                             "Москва 2024.jpg", "中文.txt", "日本の写真.jpg", "한국어 문서.txt"})
        files.push_back({folder, name, ""});
    tarnwick::testing::NullWindow window;
    window.options.folderPrefix = true;
    window.options.separator = "_";
    window.options.replaceOn = true;
    window.options.replaceFind = " ";
    window.options.replaceWith = "_";
    tarnwick::formatNewNames(window.options, files, window, tarnwick::programCharacters());
    return files;
}

// The Preview dialog with names in several scripts; true when its picture is written.
bool shootScripts(const std::string& folder) {
    const tarnwick::FileList files = namesInScripts();
    bool saved = false;
    {
        Driver driver([&](DWORD thread) {
            HWND dialog = waitForWindow("Preview", thread);
            if (dialog == nullptr) {
                std::fprintf(stderr, "Preview did not open\n");
                return;
            }
            movePointerAway(dialog);
            Sleep(1500); // let it paint
            saved = saveWindow(dialog, folder + "preview-scripts.bmp");
            if (!saved)
                std::fprintf(stderr, "Preview: no picture\n");
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        tarnwick::PreviewDialog(nullptr, files).run();
    }
    return saved;
}

// The face Wine gives for a face name asked for at the dialogs' size, 8 points: "lfHeight =
// -MulDiv(PointSize, GetDeviceCaps(hDC, LOGPIXELSY), 72)"
// (https://learn.microsoft.com/en-us/windows/win32/api/wingdi/ns-wingdi-logfontw).
std::string drawnFace(const wchar_t* asked) {
    HDC screen = GetDC(nullptr);
    LOGFONTW font{};
    font.lfHeight = -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72);
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(font.lfFaceName, asked, LF_FACESIZE);
    HFONT handle = CreateFontIndirectW(&font);
    HGDIOBJ old = SelectObject(screen, handle);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(screen, LF_FACESIZE, face);
    SelectObject(screen, old);
    DeleteObject(handle);
    ReleaseDC(nullptr, screen);
    return tarnwick::programFromWide(face);
}

int showFonts() {
    for (const wchar_t* asked :
         {L"MS Shell Dlg", L"MS Sans Serif", L"Marlett", L"WenQuanYi Micro Hei", L"Symbola"})
        std::printf("%s: %s\n", tarnwick::programFromWide(asked).c_str(), drawnFace(asked).c_str());
    if (drawnFace(L"Marlett") == "Marlett")
        return 0;
    std::fprintf(stderr,
                 "The prefix has no Marlett: caption buttons and menu marks show letters\n");
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "fonts")
        return showFonts();
    const bool scripts = argc == 3 && std::string(argv[2]) == "scripts";
    if (argc != 2 && !scripts) {
        std::fprintf(stderr, "usage: dialog_shots <folder> [scripts] | dialog_shots fonts\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "\\";
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                  ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    if (scripts)
        return shootScripts(folder) ? 0 : 1;

    const Shot shots[] = {{TARNWICK_TITLE, "main.bmp"},
                          {"Preview", "preview.bmp"},
                          {"Attention!", "confirm.bmp"},
                          {"About Tarnwick", "about.bmp"}};
    int failures = 0;
    {
        // The pictures are taken from a second thread while this one runs each dialog.
        Driver driver([&](DWORD thread) {
            for (const Shot& shot : shots) {
                HWND dialog = waitForWindow(shot.caption, thread);
                if (dialog == nullptr) {
                    std::fprintf(stderr, "%s did not open\n", shot.caption);
                    ++failures;
                    return;
                }
                movePointerAway(dialog);
                Sleep(1500); // let it paint
                if (!saveWindow(dialog, folder + shot.file)) {
                    std::fprintf(stderr, "%s: no picture\n", shot.caption);
                    ++failures;
                }
                PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            }
        });
        tarnwick::Win32FileSystem fileSystem;
        tarnwick::SystemShellDialogs shellDialogs;
        tarnwick::MainDialog(fileSystem, shellDialogs).run();
        const tarnwick::FileList files = {
            {"C:\\Photos\\Rome\\", "IMG_4711.JPG", "rome - 001.jpg"},
            {"C:\\Photos\\Rome\\", "IMG_4712.JPG", "rome - 002.jpg"},
            {"C:\\Photos\\Rome\\", "IMG_4713.JPG", "rome - 003.jpg"},
        };
        tarnwick::PreviewDialog(nullptr, files).run();
        tarnwick::ConfirmDialog(nullptr).run();
        tarnwick::AboutDialog(nullptr).run();
    }
    return failures == 0 ? 0 : 1;
}
