#include "collect.h"

#include "core/file_names.h"
#include "core/fill_in.h"
#include "core/paths.h"
#include "core/texts.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <utility>
#include <vector>

namespace tarnwick {

namespace {

// The first eight bytes of a name as one number, so that most names are told apart by one
// comparison of numbers; a shorter name is filled with zero bytes, which sort first.
std::uint64_t leadingBytes(const std::string& name) {
    std::uint64_t key = 0;
    for (std::size_t i = 0; i < 8; ++i)
        key = (key << 8) | (i < name.size() ? static_cast<unsigned char>(name[i]) : 0u);
    return key;
}

void append(FileList& files, const std::string& folder, const std::string& name) {
    files.emplace_back();
    FileEntry& entry = files.back();
    entry.folder = folder;
    entry.oldName = name;
    entry.newName = name;
}

bool isDotEntry(const std::string& name) {
    return name == "." || name == "..";
}

void walkFolder(const std::string& folder, const std::string& mask, bool includeSubdirs,
                FileSystem& fileSystem, FileList& files) {
    if (includeSubdirs && (mask == "*.*" || mask == "*")) {
        // The mask takes every name, so one search of the folder serves both: its subfolders
        // are walked in the order delivered, then its own files follow in the order delivered.
        // Each folder is read once instead of twice. A folder link is never walked (a link to a
        // folder above would repeat the tree, one elsewhere would bring in files from outside).
        std::vector<std::string> subfolders;
        std::vector<std::string> names;
        fileSystem.search(folder + mask,
                          [&](const std::string& name, bool isFolder, bool isFolderLink) {
                              if (!isFolder)
                                  names.push_back(name);
                              else if (!isFolderLink && !isDotEntry(name))
                                  subfolders.push_back(name);
                          });
        for (const std::string& name : subfolders)
            walkFolder(folder + name + "\\", mask, includeSubdirs, fileSystem, files);
        for (const std::string& name : names)
            append(files, folder, name);
        return;
    }
    if (includeSubdirs) {
        // Subfolders first, depth first, in the order the platform delivers them; folder links
        // are passed over.
        fileSystem.search(
            folder + "*.*", [&](const std::string& name, bool isFolder, bool isFolderLink) {
                if (isFolder && !isFolderLink && !isDotEntry(name))
                    walkFolder(folder + name + "\\", mask, includeSubdirs, fileSystem, files);
            });
    }
    // The platform's search also matches a mask against the short 8.3 form of each name (on
    // Windows "*.doc" finds "Report2.docx" by "REPORT~1.DOC"): only a name that matches by
    // itself is taken.
    const CodePage& codePage = fileSystem.codePage();
    fileSystem.search(folder + mask, [&](const std::string& name, bool isFolder, bool) {
        if (!isFolder && matchesMask(name, mask, codePage))
            append(files, folder, name);
    });
}

} // namespace

bool compareEntries(const FileEntry& a, const FileEntry& b) {
    // The strings compare their bytes as unsigned values; a string sorts before those it begins.
    if (a.folder != b.folder)
        return a.folder < b.folder;
    return a.oldName < b.oldName;
}

void sortEntries(FileList& files) {
    const std::size_t n = files.size();
    // The entries of one folder come together from the collection: folders are compared where
    // they change, and each entry carries its folder's rank among the folders of the list.
    std::vector<std::size_t> groups; // the first entry of each group with one folder
    for (std::size_t i = 0; i < n; ++i)
        if (i == 0 || files[i].folder != files[i - 1].folder)
            groups.push_back(i);
    std::vector<std::size_t> byFolder(groups.size());
    std::iota(byFolder.begin(), byFolder.end(), std::size_t{0});
    std::stable_sort(byFolder.begin(), byFolder.end(), [&](std::size_t a, std::size_t b) {
        return files[groups[a]].folder < files[groups[b]].folder;
    });
    std::vector<std::uint32_t> rank(groups.size());
    std::uint32_t next = 0;
    for (std::size_t k = 0; k < byFolder.size(); ++k) {
        if (k > 0 && files[groups[byFolder[k]]].folder != files[groups[byFolder[k - 1]]].folder)
            ++next;
        rank[byFolder[k]] = next;
    }

    struct Key {
        std::uint32_t folder;
        std::uint32_t index;
        std::uint64_t lead;
    };
    std::vector<Key> keys;
    keys.reserve(n);
    for (std::size_t i = 0, group = 0; i < n; ++i) {
        if (group + 1 < groups.size() && i == groups[group + 1])
            ++group;
        keys.push_back(
            Key{rank[group], static_cast<std::uint32_t>(i), leadingBytes(files[i].oldName)});
    }
    // The keys stand in list order, so a stable sort keeps equal entries in that order.
    std::stable_sort(keys.begin(), keys.end(), [&](const Key& a, const Key& b) {
        if (a.folder != b.folder)
            return a.folder < b.folder;
        if (a.lead != b.lead)
            return a.lead < b.lead;
        return files[a.index].oldName < files[b.index].oldName;
    });
    FileList sorted;
    sorted.reserve(n);
    for (const Key& key : keys)
        sorted.push_back(std::move(files[key.index]));
    files.swap(sorted);
}

void collectTargets(TargetMode mode, bool includeSubdirs, const std::string& folder,
                    const std::string& pattern, FileSystem& fileSystem, MainSurface& window,
                    FileList& files) {
    if (mode == TargetMode::folderMode) {
        walkFolder(folder, pattern, includeSubdirs, fileSystem, files);
    } else {
        for (const std::string& name : splitNameList(pattern))
            files.push_back(FileEntry{folder, name, name});
    }
    const std::size_t found = files.size();
    window.setStatusText(fillIn(found == 1 ? texts::oneFileFound : texts::filesFound,
                                {{"count", std::to_string(found)}}));
}

} // namespace tarnwick
