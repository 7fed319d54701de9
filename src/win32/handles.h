// Handles of the platform's files and searches, each closed by the object that holds it.
#pragma once

#include <windows.h>

namespace tarnwick {

// A handle that close gives back when the object goes; INVALID_HANDLE_VALUE holds nothing.
template <BOOL(WINAPI* close)(HANDLE)> class OwnedHandle {
public:
    explicit OwnedHandle(HANDLE handle) : handle_(handle) {}
    ~OwnedHandle() {
        if (valid())
            close(handle_);
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

// An open file or folder, and a folder search.
using FileHandle = OwnedHandle<CloseHandle>;
using FindHandle = OwnedHandle<FindClose>;

} // namespace tarnwick
