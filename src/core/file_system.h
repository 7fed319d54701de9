// The file system as the engine uses it.
#pragma once

#include "wtf8_characters.h"

#include <functional>
#include <string>

namespace tarnwick {

// The errno values that FileSystem::rename reports and the program tells apart.
namespace renameError {
inline constexpr int notFound = 2;      // ENOENT
inline constexpr int accessDenied = 13; // EACCES
inline constexpr int exists = 17;       // EEXIST: the new name is taken
inline constexpr int invalid = 22;      // EINVAL
// No errno: the name is a link that the platform would follow, renaming the file it leads to.
inline constexpr int linkToOtherFile = 1000;
} // namespace renameError

class FileSystem {
public:
    // isFolderLink is set for a folder that stands for another place: a junction, a symbolic
    // link or a mount point.
    using Visitor = std::function<void(const std::string& name, bool isFolder, bool isFolderLink)>;

    virtual ~FileSystem() = default;

    // The characters of the names the file system delivers and takes.
    virtual const Wtf8Characters& characters() const = 0;

    // Delivers every entry matching pattern (a folder path followed by a wildcard mask), in the
    // order the platform delivers them. A search that fails delivers nothing.
    virtual void search(const std::string& pattern, const Visitor& visit) = 0;

    // The absolute path of a path the user typed, completed as the platform completes typed
    // paths; empty when it has none. Every other path the program builds from it and from the
    // names the file system delivers, and they are taken as they are.
    virtual std::string fullPath(const std::string& path) { return path; }

    // True when path names an existing file or folder.
    virtual bool exists(const std::string& path) = 0;

    // Renames within one folder, never replacing an existing file or folder.
    // Returns 0 on success, otherwise the errno value of the failure (renameError::exists when
    // newPath exists).
    virtual int rename(const std::string& oldPath, const std::string& newPath) = 0;

    // The scope of a cache for a run of renames. Within it the file system may keep what it has
    // learned of a folder (the names it holds, how it takes a change of letter case, where it
    // really is) instead of asking again for every file; its own renames keep that up to date.
    // Each scope starts afresh.
    virtual void beginCacheScope() {}
    virtual void endCacheScope() {}

    // A cache scope for as long as it lives.
    class CacheScope {
    public:
        explicit CacheScope(FileSystem& fileSystem) : fileSystem_(fileSystem) {
            fileSystem_.beginCacheScope();
        }
        ~CacheScope() { fileSystem_.endCacheScope(); }
        CacheScope(const CacheScope&) = delete;
        CacheScope& operator=(const CacheScope&) = delete;

    private:
        FileSystem& fileSystem_;
    };
};

} // namespace tarnwick
