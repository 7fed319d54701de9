// Drives modal windows from a second thread while the test's thread runs them: finds a window
// by caption, reads control texts, clicks buttons. Messages sent across threads are served by
// the modal loop of the test's thread.
#pragma once

#include "ui/window_text.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace tarnwick::testing {

struct WindowSearch {
    const char* caption;
    DWORD thread;
    HWND found;
};

inline BOOL CALLBACK matchWindow(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    char text[256] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    if (IsWindowVisible(hwnd) && std::string(text) == search->caption) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// Waits until a visible top-level window of the given thread has the caption; null on timeout.
inline HWND waitForWindow(const char* caption, DWORD thread, int timeoutMs = 10000) {
    for (int waited = 0; waited < timeoutMs; waited += 20) {
        WindowSearch search{caption, thread, nullptr};
        EnumThreadWindows(thread, matchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr)
            return search.found;
        Sleep(20);
    }
    return nullptr;
}

using tarnwick::windowText;

// Waits until condition holds; false on timeout.
inline bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 10000) {
    for (int waited = 0; waited < timeoutMs; waited += 20) {
        if (condition())
            return true;
        Sleep(20);
    }
    return condition();
}

inline std::string itemText(HWND dialog, int id) {
    return windowText(GetDlgItem(dialog, id));
}

// The text of a message box (its static control has the id 0xFFFF).
inline std::string messageBoxText(HWND box) {
    return itemText(box, 0xFFFF);
}

// What a message box shows besides its text: the ids of its visible buttons in window order, and
// its icon (null when it shows none).
struct BoxLook {
    std::vector<int> buttons;
    HICON icon = nullptr;
};

inline BoxLook messageBoxLook(HWND box) {
    BoxLook look;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        char kind[16] = {};
        GetClassNameA(child, kind, sizeof kind);
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        if (lstrcmpiA(kind, "Button") == 0 && IsWindowVisible(child))
            look.buttons.push_back(GetDlgCtrlID(child));
        else if (lstrcmpiA(kind, "Static") == 0 && (style & SS_TYPEMASK) == SS_ICON)
            look.icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
    }
    return look;
}

// The look of a box shown with MB_OK | MB_ICONERROR: the error (stop) icon and OK alone.
inline BoxLook errorBoxLook() {
    return {{IDOK}, LoadIconW(nullptr, IDI_ERROR)};
}

inline bool operator==(const BoxLook& a, const BoxLook& b) {
    return a.buttons == b.buttons && a.icon == b.icon;
}

inline std::ostream& operator<<(std::ostream& out, const BoxLook& look) {
    out << "buttons";
    for (int id : look.buttons)
        out << ' ' << id;
    return out << ", icon " << static_cast<const void*>(look.icon);
}

// Clicks a button the way the user does: the dialog gets BN_CLICKED from the control. Posted, so
// that a click which opens a modal window does not block the driver.
inline void clickButton(HWND dialog, int id) {
    PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

// Clicks a control and returns when its handler has run (for clicks that open no window).
inline void click(HWND dialog, int id) {
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

// The window that has the keyboard focus in a thread; null when none has.
inline HWND focusOf(DWORD thread) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

// Runs drive(thread of the caller) on a second thread for the lifetime of this object.
class Driver {
public:
    explicit Driver(std::function<void(DWORD)> drive)
        : thread_([drive, caller = GetCurrentThreadId()] { drive(caller); }) {}
    ~Driver() { thread_.join(); }
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

private:
    std::thread thread_;
};

// Runs run on this thread while a second thread waits for the window with the caption that run
// opens and hands it to drive, with run's thread; returns what run returns. A window that does
// not come is reported, and run is left to the test's time limit.
template <typename Run>
auto whileShown(const char* caption, const std::function<void(HWND, DWORD)>& drive, Run run,
                int timeoutMs = 10000) {
    Driver driver([&](DWORD thread) {
        if (HWND window = waitForWindow(caption, thread, timeoutMs))
            drive(window, thread);
        else
            std::fprintf(stderr, "No window \"%s\" came up.\n", caption);
    });
    return run();
}

// Runs work on this thread while a second thread sends window message after message until
// work clears open: the longest any of them waited for its answer, in milliseconds.
inline DWORD longestAnswer(HWND window, const std::function<void(std::atomic<bool>& open)>& work) {
    std::atomic<bool> open{true}, sending{true};
    DWORD longest = 0;
    std::thread sender([&] {
        for (DWORD start = GetTickCount(); open; Sleep(10), start = GetTickCount()) {
            SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 60000, nullptr);
            longest = std::max(longest, GetTickCount() - start);
        }
        sending = false;
    });
    work(open);
    open = false;
    for (MSG message; sending;)
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
    sender.join();
    return longest;
}

} // namespace tarnwick::testing
