#include "collect.h"

#include "core/texts.h"

#include <cstring>
#include <utility>
#include <vector>

namespace tarnwick {

namespace {

// Byte-wise comparison of unsigned values; a string sorts before every string it begins.
int compareBytes(const std::string& a, const std::string& b) {
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    const int c = common == 0 ? 0 : std::memcmp(a.data(), b.data(), common);
    if (c != 0)
        return c;
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

bool isDotEntry(const std::string& name) {
    return name == "." || name == "..";
}

void walkFolder(const std::string& folder, const std::string& mask, bool includeSubdirs,
                FileSystem& fileSystem, FileList& files) {
    if (includeSubdirs && (mask == "*.*" || mask == "*")) {
        // The mask takes every name, so one search of the folder serves both: its subfolders
        // are walked in the order delivered, then its own files follow in the order delivered.
        // Each folder is read once instead of twice.
        std::vector<std::string> subfolders;
        std::vector<std::string> names;
        fileSystem.search(folder + mask, [&](const std::string& name, bool isFolder) {
            if (!isFolder)
                names.push_back(name);
            else if (!isDotEntry(name))
                subfolders.push_back(name);
        });
        for (const std::string& name : subfolders)
            walkFolder(folder + name + "\\", mask, includeSubdirs, fileSystem, files);
        for (std::string& name : names)
            files.push_back(FileEntry{folder, name, std::move(name)});
        return;
    }
    if (includeSubdirs) {
        // Subfolders first, depth first, in the order the platform delivers them.
        fileSystem.search(folder + "*.*", [&](const std::string& name, bool isFolder) {
            if (isFolder && !isDotEntry(name))
                walkFolder(folder + name + "\\", mask, includeSubdirs, fileSystem, files);
        });
    }
    fileSystem.search(folder + mask, [&](const std::string& name, bool isFolder) {
        if (!isFolder)
            files.push_back(FileEntry{folder, name, name});
    });
}

} // namespace

bool compareEntries(const FileEntry& a, const FileEntry& b) {
    const int byFolder = compareBytes(a.folder, b.folder);
    if (byFolder != 0)
        return byFolder < 0;
    return compareBytes(a.oldName, b.oldName) < 0;
}

void collectTargets(TargetMode mode, bool includeSubdirs, const std::string& folder,
                    const std::string& pattern, FileSystem& fileSystem, MainSurface& window,
                    FileList& files) {
    if (mode == TargetMode::folderMode) {
        walkFolder(folder, pattern, includeSubdirs, fileSystem, files);
    } else {
        // Every name is followed by a colon; text after the last colon is ignored.
        std::size_t start = 0;
        for (std::size_t colon = pattern.find(':'); colon != std::string::npos;
             colon = pattern.find(':', start)) {
            std::string name = pattern.substr(start, colon - start);
            files.push_back(FileEntry{folder, name, name});
            start = colon + 1;
        }
    }
    const std::size_t found = files.size();
    window.setStatusText(std::to_string(found) +
                         (found == 1 ? texts::oneFileFound : texts::filesFound));
}

} // namespace tarnwick
