// The high-resolution clock of the Windows benchmarks.
#pragma once

#include <windows.h>

namespace tarnwick {

// Seconds since an arbitrary start, from the performance counter.
inline double now() {
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Seconds of processor time a thread has used, in user and kernel mode: on a machine shared with
// other work it counts what the thread did, not what it waited for.
inline double cpuSeconds(HANDLE thread) {
    FILETIME created, exited, kernel, user;
    if (!GetThreadTimes(thread, &created, &exited, &kernel, &user))
        return 0;
    auto seconds = [](const FILETIME& time) {
        return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) |
                                   time.dwLowDateTime) /
               1e7;
    };
    return seconds(kernel) + seconds(user);
}

} // namespace tarnwick
