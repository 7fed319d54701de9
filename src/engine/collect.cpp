// Target collection: the files of a folder by mask (optionally with its subfolders) or the files
// of a colon-separated list, and the order the list is sorted in.
#include "run_pipeline.h"

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

} // namespace

bool compareEntries(const FileEntry& a, const FileEntry& b) {
    const int byFolder = compareBytes(a.folder, b.folder);
    if (byFolder != 0)
        return byFolder < 0;
    return compareBytes(a.oldName, b.oldName) < 0;
}

void RunPipeline::collectTargets(const std::string& folder, const std::string& pattern) {
    if (options_.targetMode == TargetMode::folderMode) {
        walkFolder(folder, pattern);
    } else {
        // Every name is followed by a colon; text after the last colon is ignored.
        std::size_t start = 0;
        for (std::size_t colon = pattern.find(':'); colon != std::string::npos;
             colon = pattern.find(':', start)) {
            std::string name = pattern.substr(start, colon - start);
            files_.push_back(FileEntry{folder, name, name});
            start = colon + 1;
        }
    }
    const std::size_t found = files_.size();
    window_.setStatusText(std::to_string(found) + (found == 1 ? " file found." : " files found."));
}

void RunPipeline::walkFolder(const std::string& folder, const std::string& mask) {
    if (options_.includeSubdirs && (mask == "*.*" || mask == "*")) {
        // The mask takes every name, so one search of the folder serves both: its subfolders
        // are walked in the order delivered, then its own files follow in the order delivered.
        // Each folder is read once instead of twice.
        std::vector<std::string> subfolders;
        std::vector<std::string> names;
        fileSystem_.search(folder + mask, [&](const std::string& name, bool isFolder) {
            if (!isFolder)
                names.push_back(name);
            else if (name != "." && name != "..")
                subfolders.push_back(name);
        });
        for (const std::string& name : subfolders)
            walkFolder(folder + name + "\\", mask);
        for (std::string& name : names)
            files_.push_back(FileEntry{folder, name, std::move(name)});
        return;
    }
    if (options_.includeSubdirs) {
        // Subfolders first, depth first, in the order the platform delivers them.
        fileSystem_.search(folder + "*.*", [&](const std::string& name, bool isFolder) {
            if (isFolder && name != "." && name != "..")
                walkFolder(folder + name + "\\", mask);
        });
    }
    fileSystem_.search(folder + mask, [&](const std::string& name, bool isFolder) {
        if (!isFolder)
            files_.push_back(FileEntry{folder, name, name});
    });
}

} // namespace tarnwick
