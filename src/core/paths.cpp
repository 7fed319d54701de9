#include "paths.h"

namespace tarnwick {

std::size_t nameStart(const std::string& path) {
    const std::size_t slash = findLastOf(path, "\\/", path.size());
    return slash == std::string::npos ? 0 : slash + 1;
}

bool splitPath(const std::string& path, std::string& folder, std::string& name) {
    const std::size_t start = nameStart(path);
    if (start == 0)
        return false;
    const std::size_t slash = start - 1;
    const bool driveRoot = slash > 0 && path[slash - 1] == ':';
    folder = path.substr(0, driveRoot ? slash + 1 : slash);
    name = path.substr(slash + 1);
    return true;
}

std::string withClosingBackslash(std::string folder) {
    if (!endsWith(folder, '\\'))
        folder += '\\';
    return folder;
}

std::vector<std::string> splitNameList(const std::string& list) {
    std::vector<std::string> names;
    std::size_t start = 0;
    for (std::size_t colon = list.find(':'); colon != std::string::npos;
         colon = list.find(':', start)) {
        names.push_back(list.substr(start, colon - start));
        start = colon + 1;
    }
    return names;
}

std::string joinNameList(const std::vector<std::string>& names) {
    std::string joined;
    for (const std::string& name : names) {
        if (&name != &names.front())
            joined += ':';
        joined += name;
    }
    return joined;
}

} // namespace tarnwick
