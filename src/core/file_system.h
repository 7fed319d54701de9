// The file system as the engine uses it.
#pragma once

#include "code_page.h"

#include <cstdint>
#include <functional>
#include <string>

namespace tarnwick {

// True when a found entry is a folder link, a folder that stands for another place: a junction,
// a symbolic link or a mount point. attributes and reparseTag are as the Windows folder search
// gives them (the tag counts only when the reparse-point attribute is set). A reparse folder is
// no link only when its tag is one of Microsoft's that is no name surrogate, such as a cloud
// file placeholder's; every other tag, including the values 0 to 2 that no real reparse point
// carries (Wine gives them for a Linux symbolic link), makes it a link.
bool isFolderLink(std::uint32_t attributes, std::uint32_t reparseTag);

// The form of an absolute path in which the platform's wide functions reach beyond 260
// characters: "C:\a" becomes "\\?\C:\a", "\\server\share\a" becomes "\\?\UNC\server\share\a";
// a path already in that form (or in the device form "\\.\") stays as it is.
std::wstring longPathForm(const std::wstring& absolutePath);

// True when what the platform opens under an entry's path is the entry itself, and not a file
// that the entry links to: fileFinal, the final path of what it opens, names the entry (name, or
// its long form longName when name is a short one) in the folder whose final path is folderFinal.
// Final paths as the platform gives them, with or without the long form's prefix, all in one
// letter case. The folder's own spelling (a mapped drive, short names, a link to the folder) does
// not count: both final paths resolve it alike.
bool isTheEntryItself(const std::wstring& folderFinal, const std::wstring& fileFinal,
                      const std::wstring& name, const std::wstring& longName);

class FileSystem {
public:
    // isFolderLink is set for a folder that is a link (see isFolderLink above).
    using Visitor = std::function<void(const std::string& name, bool isFolder, bool isFolderLink)>;

    virtual ~FileSystem() = default;

    // The code page of the names the file system delivers and takes.
    virtual const CodePage& codePage() const = 0;

    // Delivers every entry matching pattern (a folder path followed by a wildcard mask), in the
    // order the platform delivers them. A search that fails delivers nothing.
    virtual void search(const std::string& pattern, const Visitor& visit) = 0;

    // True when path names an existing file or folder.
    virtual bool exists(const std::string& path) = 0;

    // Renames within one folder, never replacing an existing file or folder.
    // Returns 0 on success, otherwise the errno value of the failure (17 when newPath exists).
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
