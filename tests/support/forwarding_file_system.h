// The real file system of Windows behind hooks that a test sets: before each search, and before
// and after each rename (with its result and whether the new name was taken before).
#pragma once

#include "win32/win32_file_system.h"

#include <windows.h>

#include <functional>
#include <string>

namespace tarnwick::testing {

class ForwardingFileSystem : public FileSystem {
public:
    std::function<void(const std::string& pattern)> beforeSearch;
    std::function<void(const std::string& oldPath)> beforeRename;
    std::function<void(const std::string& oldPath, const std::string& newPath, int result,
                       bool targetExisted)>
        afterRename;

    const Wtf8Characters& characters() const override { return real_.characters(); }
    void search(const std::string& pattern, const Visitor& visit) override {
        if (beforeSearch)
            beforeSearch(pattern);
        real_.search(pattern, visit);
    }
    std::string fullPath(const std::string& path) override { return real_.fullPath(path); }
    bool exists(const std::string& path) override { return real_.exists(path); }
    int rename(const std::string& oldPath, const std::string& newPath) override {
        if (beforeRename)
            beforeRename(oldPath);
        const bool existed = afterRename && real_.exists(newPath);
        const int result = real_.rename(oldPath, newPath);
        if (afterRename)
            afterRename(oldPath, newPath, result, existed);
        return result;
    }
    void beginCacheScope() override { real_.beginCacheScope(); }
    void endCacheScope() override { real_.endCacheScope(); }
    void setInUseWaits(InUseWaits* waits) override { real_.setInUseWaits(waits); }

private:
    Win32FileSystem real_;
};

} // namespace tarnwick::testing
