#include "paths.h"

namespace tarnwick {

bool splitPath(const std::string& path, std::string& folder, std::string& name,
               const CodePage& codePage) {
    const std::size_t slash = codePage.findLastOf(path, "\\", path.size());
    if (slash == std::string::npos)
        return false;
    const bool driveRoot = slash > 0 && path[slash - 1] == ':';
    folder = path.substr(0, driveRoot ? slash + 1 : slash);
    name = path.substr(slash + 1);
    return true;
}

std::string withClosingBackslash(std::string folder, const CodePage& codePage) {
    if (!codePage.endsWith(folder, '\\'))
        folder += '\\';
    return folder;
}

} // namespace tarnwick
