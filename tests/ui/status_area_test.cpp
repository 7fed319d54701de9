// The status area's wait for a file in use: the window answers the whole time.
#include "ui/status_area.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <thread>

namespace tarnwick {
namespace {

// A second thread sends the window message after message during a wait of a second and a half:
// none waits a second for its answer (Windows takes a window for hung after 5), and the wait
// lasts as long as asked.
TEST(StatusArea, AWaitAnswersTheMessagesSentMeanwhile) {
    HWND window =
        CreateWindowExA(0, "STATIC", "", 0, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
    StatusArea status; // with no controls: the messages alone
    std::atomic<bool> waiting{true}, sending{true};
    DWORD longest = 0;
    std::thread sender([&] {
        for (DWORD start = GetTickCount(); waiting; Sleep(10), start = GetTickCount()) {
            SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 60000, nullptr);
            longest = std::max(longest, GetTickCount() - start);
        }
        sending = false;
    });
    const ULONGLONG start = GetTickCount64();
    status.wait(1500);
    const ULONGLONG waited = GetTickCount64() - start;
    waiting = false;
    for (MSG message; sending;)
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
    sender.join();
    DestroyWindow(window);
    EXPECT_GE(waited, 1500u);
    EXPECT_LT(longest, 1000u);
}

} // namespace
} // namespace tarnwick
