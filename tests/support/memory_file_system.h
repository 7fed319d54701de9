// An in-memory file system for the platform-free tests: folders and files by full path, searched
// with the wildcard rules of the Windows folder search, renamed without replacing.
#pragma once

#include "core/file_system.h"
#include "host_characters.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace tarnwick::testing {

// "*" any run, "?" one character, letters without regard to case; "*.*" matches every name.
inline bool matchesMask(const std::string& name, const std::string& mask) {
    if (mask == "*.*" || mask == "*")
        return true;
    auto lower = [](char c) {
        return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    };
    std::size_t n = 0, m = 0, starM = std::string::npos, starN = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || lower(mask[m]) == lower(name[n]))) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == '*') {
            starM = m++;
            starN = n;
        } else if (starM != std::string::npos) {
            m = starM + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

class MemoryFileSystem : public FileSystem {
public:
    explicit MemoryFileSystem(const Wtf8Characters& characters = testCharacters())
        : characters_(&characters) {}
    const Wtf8Characters& characters() const override { return *characters_; }

    // Paths are full paths; folders are given without their closing backslash.
    void addFolder(const std::string& path) { entries_.push_back({path, true}); }
    // A folder that is a link (a junction or symbolic link): what is added below it stands for
    // what the link leads to.
    void addFolderLink(const std::string& path) { entries_.push_back({path, true, true}); }
    void addFile(const std::string& path) { entries_.push_back({path, false}); }
    // Entries below folder (a full path with its closing backslash) in the order given, a name
    // with a closing backslash as a folder; the folder itself first, unless it is a root or there.
    void add(const std::string& folder, std::initializer_list<std::string> names) {
        const std::string self = folder.substr(0, folder.size() - 1);
        if (self.size() > 2 && find(self) == nullptr)
            addFolder(self);
        for (const std::string& name : names) {
            if (endsWith(name, '\\'))
                addFolder(folder + name.substr(0, name.size() - 1));
            else
                addFile(folder + name);
        }
    }
    void removeEntry(const std::string& path) {
        entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                      [&](const Entry& e) { return e.path == path; }),
                       entries_.end());
    }
    // The next rename of oldPath fails with this errno.
    void failRename(const std::string& oldPath, int error) { failures_[oldPath] = error; }
    // The next times renames of oldPath find it in use (another program has it open).
    void holdOpen(const std::string& oldPath, int times) { held_[oldPath] = times; }
    // The renames tried of each path held open or told to fail.
    std::map<std::string, int> tries;

    std::vector<std::string> files() const {
        std::vector<std::string> result;
        for (const Entry& e : entries_)
            if (!e.isFolder)
                result.push_back(e.path);
        return result;
    }

    // Every search pattern asked for, in order.
    std::vector<std::string> searches;

    void search(const std::string& pattern, const Visitor& visit) override {
        searches.push_back(pattern);
        const std::size_t slash = findLastOf(pattern, "\\", pattern.size());
        const std::string folder = pattern.substr(0, slash + 1);
        const std::string mask = pattern.substr(slash + 1);
        if (!folderExists(folder))
            return;
        if (matchesMask(".", mask))
            visit(".", true, false);
        if (matchesMask("..", mask))
            visit("..", true, false);
        for (const Entry& e : entries_) {
            if (e.path.size() <= folder.size() || e.path.compare(0, folder.size(), folder) != 0)
                continue;
            const std::string name = e.path.substr(folder.size());
            if (!holdsAny(name, "\\") && matchesMask(name, mask))
                visit(name, e.isFolder, e.isLink);
        }
    }

    // A path with a closing backslash names a folder: nothing exists below a file.
    bool exists(const std::string& path) override {
        std::string p = path;
        const bool asFolder = p.size() > 3 && endsWith(p, '\\');
        if (asFolder)
            p.pop_back();
        if (p.size() <= 3)
            return true;
        const Entry* e = find(p);
        return e != nullptr && (e->isFolder || !asFolder);
    }

    int rename(const std::string& oldPath, const std::string& newPath) override {
        return tryStep([&] { return renameOnce(oldPath, newPath); });
    }

private:
    int renameOnce(const std::string& oldPath, const std::string& newPath) {
        const auto held = held_.find(oldPath);
        auto failure = failures_.find(oldPath);
        if (held != held_.end() || failure != failures_.end())
            ++tries[oldPath];
        if (held != held_.end() && held->second > 0) {
            --held->second;
            return renameError::inUse;
        }
        if (failure != failures_.end()) {
            const int error = failure->second;
            failures_.erase(failure);
            return error;
        }
        Entry* from = find(oldPath);
        if (from == nullptr)
            return 2;
        Entry* to = find(newPath);
        if (to != nullptr && to != from)
            return 17;
        from->path = newPath;
        return 0;
    }

    struct Entry {
        std::string path;
        bool isFolder;
        bool isLink = false;
    };

    // Names match regardless of letter case, character by character.
    bool sameIgnoringCase(const std::string& a, const std::string& b) const {
        if (a.size() != b.size())
            return false;
        std::string x = a;
        std::string y = b;
        characters_->toSmall(x);
        characters_->toSmall(y);
        return x == y;
    }
    Entry* find(const std::string& path) {
        for (Entry& e : entries_)
            if (sameIgnoringCase(e.path, path))
                return &e;
        return nullptr;
    }
    bool folderExists(const std::string& folderWithSlash) {
        if (folderWithSlash.size() <= 3)
            return true;
        Entry* e = find(folderWithSlash.substr(0, folderWithSlash.size() - 1));
        return e != nullptr && e->isFolder;
    }

    const Wtf8Characters* characters_;
    std::vector<Entry> entries_;
    std::map<std::string, int> failures_;
    std::map<std::string, int> held_;
};

} // namespace tarnwick::testing
