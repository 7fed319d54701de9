// The file system of Windows: folder search, existence test and rename.
#pragma once

#include "core/file_system.h"

namespace tarnwick {

class Win32FileSystem : public FileSystem {
public:
    void search(const std::string& pattern, const Visitor& visit) override;
    bool exists(const std::string& path) override;
    int rename(const std::string& oldPath, const std::string& newPath) override;
};

} // namespace tarnwick
