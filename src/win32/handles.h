// Handles of the platform, each given back by the object that holds it.
#pragma once

#include <windows.h>

#include <utility>

namespace tarnwick {

// A handle that release gives back when its owner goes or takes another. Null and
// INVALID_HANDLE_VALUE hold nothing: the platform's calls answer with one or the other when they
// fail.
template <class Handle, auto release> class Owned {
public:
    explicit Owned(Handle handle = nullptr) : handle_(handle) {}
    ~Owned() { reset(); }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;

    bool valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    Handle get() const { return handle_; }
    // Gives the handle up without releasing it.
    Handle take() { return std::exchange(handle_, nullptr); }
    void reset(Handle handle = nullptr) {
        if (valid())
            release(handle_);
        handle_ = handle;
    }

private:
    Handle handle_;
};

// An open file or folder, and a folder search.
using FileHandle = Owned<HANDLE, CloseHandle>;
using FindHandle = Owned<HANDLE, FindClose>;

} // namespace tarnwick
