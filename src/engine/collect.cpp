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

// The long loops of a collection and a sort keep the window answering once per this many
// entries or comparisons, and a collection looks at the clock as often.
constexpr unsigned answerEvery = 256;
// A collection shows the files found so far once it has run this long, and then at most this
// often.
constexpr std::uint64_t countAfterMs = 1000;
constexpr std::uint64_t countEveryMs = 250;

// A count with its thousands set apart: 120000 as "120,000".
std::string groupedNumber(std::size_t number) {
    std::string digits = std::to_string(number);
    for (std::size_t at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, 1, ',');
    return digits;
}

// The window's side of a collection: kept answering for every entry the platform delivers and
// every folder searched; after about a second, the status text tells how many files have been
// found so far.
class Collecting {
public:
    explicit Collecting(MainSurface& window) : window_(window), start_(window.milliseconds()) {}

    // Before a folder is searched.
    void folder() {
        window_.keepAnswering();
        showCount();
    }
    // Every entry delivered, and whether it was taken.
    void entry(bool taken) {
        found_ += taken ? 1 : 0;
        window_.keepAnswering();
        if (++entries_ % answerEvery == 0)
            showCount();
    }

private:
    void showCount() {
        const std::uint64_t now = window_.milliseconds();
        if (now - start_ < countAfterMs || (shown_ && now - lastShown_ < countEveryMs))
            return;
        shown_ = true;
        lastShown_ = now;
        window_.setStatusText(fillIn(texts::collectingCount, {{"count", groupedNumber(found_)}}));
    }

    MainSurface& window_;
    std::uint64_t start_;
    std::uint64_t lastShown_ = 0;
    bool shown_ = false;
    std::size_t found_ = 0;
    unsigned entries_ = 0;
};

// The files of one folder, taken in the order delivered. The list grows once for all of them
// instead of doubling its size while they come, and by at least as much as it holds.
void appendFiles(FileList& files, const FolderText& folder, std::vector<std::string>& names) {
    const std::size_t needed = files.size() + names.size();
    if (needed > files.capacity())
        files.reserve(std::max(needed, 2 * files.capacity()));
    for (std::string& name : names) {
        std::string newName = name;
        files.push_back(FileEntry{folder, std::move(name), std::move(newName)});
    }
}

bool isDotEntry(const std::string& name) {
    return name == "." || name == "..";
}

void walkFolder(const std::string& folder, const std::string& mask, bool includeSubdirs,
                FileSystem& fileSystem, Collecting& collecting, FileList& files) {
    // The entries of the folder share one text of it.
    const FolderText shared(folder);
    if (includeSubdirs && (mask == "*.*" || mask == "*")) {
        // The mask takes every name, so one search of the folder serves both: its subfolders
        // are walked in the order delivered, then its own files follow in the order delivered.
        // Each folder is read once instead of twice. A folder link is never walked (a link to a
        // folder above would repeat the tree, one elsewhere would bring in files from outside).
        std::vector<std::string> subfolders;
        std::vector<std::string> names;
        collecting.folder();
        fileSystem.search(folder + mask,
                          [&](const std::string& name, bool isFolder, bool isFolderLink) {
                              if (!isFolder)
                                  names.push_back(name);
                              else if (!isFolderLink && !isDotEntry(name))
                                  subfolders.push_back(name);
                              collecting.entry(!isFolder);
                          });
        for (const std::string& name : subfolders)
            walkFolder(folder + name + "\\", mask, includeSubdirs, fileSystem, collecting, files);
        appendFiles(files, shared, names);
        return;
    }
    if (includeSubdirs) {
        // Subfolders first, depth first, in the order the platform delivers them; folder links
        // are passed over.
        collecting.folder();
        fileSystem.search(folder + "*.*",
                          [&](const std::string& name, bool isFolder, bool isFolderLink) {
                              collecting.entry(false);
                              if (isFolder && !isFolderLink && !isDotEntry(name))
                                  walkFolder(folder + name + "\\", mask, includeSubdirs, fileSystem,
                                             collecting, files);
                          });
    }
    // The platform's search also matches a mask against the short 8.3 form of each name (on
    // Windows "*.doc" finds "Report2.docx" by "REPORT~1.DOC"): only a name that matches by
    // itself is taken.
    const Wtf8Characters& characters = fileSystem.characters();
    std::vector<std::string> names;
    collecting.folder();
    fileSystem.search(folder + mask, [&](const std::string& name, bool isFolder, bool) {
        const bool taken = !isFolder && matchesMask(name, mask, characters);
        if (taken)
            names.push_back(name);
        collecting.entry(taken);
    });
    appendFiles(files, shared, names);
}

} // namespace

bool compareEntries(const FileEntry& a, const FileEntry& b) {
    // The strings compare their bytes as unsigned values; a string sorts before those it begins.
    if (a.folder != b.folder)
        return a.folder < b.folder;
    return a.oldName < b.oldName;
}

void sortEntries(FileList& files, MainSurface* window) {
    const std::size_t n = files.size();
    // The window is kept answering every few thousand comparisons and entries.
    unsigned counted = 0;
    auto answer = [&] {
        if (window != nullptr && ++counted % answerEvery == 0)
            window->keepAnswering();
    };
    // The entries of one folder come together from the collection: folders are compared where
    // they change, and each entry carries its folder's rank among the folders of the list.
    std::vector<std::size_t> groups; // the first entry of each group with one folder
    for (std::size_t i = 0; i < n; ++i) {
        answer();
        if (i == 0 || files[i].folder != files[i - 1].folder)
            groups.push_back(i);
    }
    std::vector<std::size_t> byFolder(groups.size());
    std::iota(byFolder.begin(), byFolder.end(), std::size_t{0});
    std::stable_sort(byFolder.begin(), byFolder.end(), [&](std::size_t a, std::size_t b) {
        answer();
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
        answer();
        if (group + 1 < groups.size() && i == groups[group + 1])
            ++group;
        keys.push_back(
            Key{rank[group], static_cast<std::uint32_t>(i), leadingBytes(files[i].oldName)});
    }
    // The keys stand in list order, so a stable sort keeps equal entries in that order.
    std::stable_sort(keys.begin(), keys.end(), [&](const Key& a, const Key& b) {
        answer();
        if (a.folder != b.folder)
            return a.folder < b.folder;
        if (a.lead != b.lead)
            return a.lead < b.lead;
        return files[a.index].oldName < files[b.index].oldName;
    });
    // The entries move into their order in place, a cycle of the order at a time: each moves
    // once, and no second list is allocated.
    for (std::size_t start = 0; start < n; ++start) {
        if (keys[start].index == start)
            continue;
        FileEntry held = std::move(files[start]);
        for (std::size_t at = start;;) {
            answer();
            const std::size_t from = keys[at].index;
            keys[at].index = static_cast<std::uint32_t>(at);
            if (from == start) {
                files[at] = std::move(held);
                break;
            }
            files[at] = std::move(files[from]);
            at = from;
        }
    }
}

void collectTargets(TargetMode mode, bool includeSubdirs, const std::string& folder,
                    const std::string& pattern, FileSystem& fileSystem, MainSurface& window,
                    FileList& files) {
    if (mode == TargetMode::folderMode) {
        Collecting collecting(window);
        walkFolder(folder, pattern, includeSubdirs, fileSystem, collecting, files);
    } else {
        const FolderText shared(folder);
        for (const std::string& name : splitNameList(pattern))
            files.push_back(FileEntry{shared, name, name});
    }
    const std::size_t found = files.size();
    window.setStatusText(fillIn(found == 1 ? texts::oneFileFound : texts::filesFound,
                                {{"count", std::to_string(found)}}));
}

} // namespace tarnwick
