// The Preview dialog on a large list: the time from creating the dialog until it shows its
// filled text field, and the peak memory of the whole process for the Preview command.
//
//   preview_bench <folder> <label>
//
// The folder's files are collected, sorted and formatted through the engine; the real Preview
// dialog opens on them and a second thread closes it once it is on the screen.
#include "ui/preview_text.h"
#include "engine/commands.h"
#include "win32/win32_file_system.h"
#include "res/resource.h"
#include "seconds.h"
#include "support/null_window.h"
#include "ui/preview_dialog.h"
#include "ui/status_area.h"

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace tarnwick {
namespace {

struct Search {
    DWORD thread;
    HWND found;
};

BOOL CALLBACK findPreview(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    char caption[64] = {};
    GetWindowTextA(hwnd, caption, sizeof caption);
    if (IsWindowVisible(hwnd) && std::string(caption) == "Preview") {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// The window of the Main dialog for the engine: silent, except that it opens the real Preview
// dialog and measures how long it takes to appear.
class PreviewSurface : public testing::NullWindow {
public:
    double openSeconds = -1;
    double openCpuSeconds = 0; // of the dialog's thread
    int textLength = 0;
    LOGFONTA textFont{}; // the font of the text field, for the floor
    bool hasFont = false;
    std::size_t entries = 0;

    bool runPreviewDialog(const FileList& files) override {
        entries = files.size();
        const DWORD self = GetCurrentThreadId();
        HANDLE thread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, self);
        const double start = now();
        const double startCpu = cpuSeconds(thread);
        std::atomic<bool> done{false};
        std::thread closer([&] {
            // Polls until the dialog is visible with its text, lets it paint, then cancels it.
            while (!done) {
                Search search{self, nullptr};
                EnumThreadWindows(self, findPreview, reinterpret_cast<LPARAM>(&search));
                if (search.found != nullptr) {
                    HWND text = GetDlgItem(search.found, IDC_PREVIEW_TEXT);
                    textLength = GetWindowTextLengthA(text);
                    HFONT font = reinterpret_cast<HFONT>(SendMessageA(text, WM_GETFONT, 0, 0));
                    hasFont = font != nullptr && GetObjectA(font, sizeof textFont, &textFont) > 0;
                    RedrawWindow(search.found, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
                    openSeconds = now() - start;
                    openCpuSeconds = cpuSeconds(thread) - startCpu;
                    PostMessageA(search.found, WM_COMMAND, IDCANCEL, 0);
                    return;
                }
                Sleep(1);
            }
        });
        // The window is kept answering as the Main dialog's status area keeps it.
        StatusArea status;
        PreviewDialog dialog(nullptr, files, [&] { status.keepAnswering(); });
        dialog.run();
        done = true;
        closer.join();
        CloseHandle(thread);
        return false;
    }
};

// The floor of showing the text: a bare multi-line edit control of the same styles and font in a
// plain window, filled with the same text and painted.
double bareEditSeconds(const std::string& text, const LOGFONTA* font, double* cpu = nullptr) {
    const double start = now();
    const double startCpu = cpuSeconds(GetCurrentThread());
    HWND frame = CreateWindowExA(0, "STATIC", "floor", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600,
                                 500, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND edit =
        CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                        WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL |
                            ES_READONLY | WS_VSCROLL | WS_HSCROLL,
                        10, 10, 560, 440, frame, nullptr, GetModuleHandleA(nullptr), nullptr);
    HFONT handle = font != nullptr ? CreateFontIndirectA(font) : nullptr;
    if (handle != nullptr)
        SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(handle), FALSE);
    SendMessageA(edit, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
    SetWindowTextA(edit, text.c_str());
    UpdateWindow(frame);
    const double seconds = now() - start;
    if (cpu != nullptr)
        *cpu = cpuSeconds(GetCurrentThread()) - startCpu;
    DestroyWindow(frame);
    if (handle != nullptr)
        DeleteObject(handle);
    return seconds;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double megabytes(SIZE_T bytes) {
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

} // namespace
} // namespace tarnwick

int main(int argc, char** argv) {
    using namespace tarnwick;
    if (argc != 3) {
        std::fprintf(stderr, "usage: preview_bench <folder> <label>\n");
        return 2;
    }
    PreviewSurface window;
    window.options.pathSpec = argv[1];
    window.options.maskOrList = "*.*";
    window.options.numerate = true;
    window.options.startNumber = 1;
    window.options.digitCount = 6;
    Win32FileSystem fs;
    Commands commands(window, fs);
    const double start = now();
    commands.runPreview();
    const double total = now() - start;
    if (window.openSeconds < 0) {
        std::fprintf(stderr, "preview_bench: the Preview dialog did not open: %s\n",
                     window.lastError.c_str());
        return 1;
    }
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    std::printf("| %-67s | %9.3f | %9s | %5s |\n",
                (std::string(argv[2]) + ": whole command").c_str(), total, "", "");
    std::printf("| %-67s | %6.1f MB | %6.1f MB | %5s |\n",
                (std::string(argv[2]) + ": peak working set, pagefile").c_str(),
                megabytes(counters.PeakWorkingSetSize), megabytes(counters.PeakPagefileUsage), "");
    const double buildStart = now();
    const std::string text = buildPreviewText(commands.fileList(), false);
    const double build = now() - buildStart;
    // The dialog and its floor open alternately, three times each (the first opening is the
    // command's own); the medians count.
    std::vector<double> opens{window.openSeconds}, openCpus{window.openCpuSeconds};
    std::vector<double> floors, floorCpus;
    for (int run = 0; run < 3; ++run) {
        floors.push_back(bareEditSeconds(text, window.hasFont ? &window.textFont : nullptr,
                                         &floorCpus.emplace_back()));
        if (run + 1 < 3) {
            window.runPreviewDialog(commands.fileList());
            opens.push_back(window.openSeconds);
            openCpus.push_back(window.openCpuSeconds);
        }
    }
    const double open = median(opens);
    const double floor = median(floors);
    const double systemFont = bareEditSeconds(text, nullptr);
    std::printf("| %-67s | %9.3f | %9.3f | %5.2f |\n",
                (std::string(argv[2]) + ": open (floor: bare edit, same font)").c_str(), open,
                floor, open / floor);
    std::fprintf(stderr,
                 "%s: %zu entries, text field holds %d characters in %s; building the text takes "
                 "%.3f s; a bare edit control takes %.3f s with that font (median of three), %.3f "
                 "s with the system font; processor time of the thread: open %.3f s, floor %.3f s "
                 "(ratio %.2f)\n",
                 argv[2], window.entries, window.textLength,
                 window.hasFont ? window.textFont.lfFaceName : "?", build, floor, systemFont,
                 median(openCpus), median(floorCpus), median(openCpus) / median(floorCpus));
    return 0;
}
