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

} // namespace tarnwick
