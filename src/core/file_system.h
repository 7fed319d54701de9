// The file system as the engine uses it.
#pragma once

#include <functional>
#include <string>

namespace tarnwick {

class FileSystem {
public:
    using Visitor = std::function<void(const std::string& name, bool isFolder)>;

    virtual ~FileSystem() = default;

    // Delivers every entry matching pattern (a folder path followed by a wildcard mask), in the
    // order the platform delivers them. A search that fails delivers nothing.
    virtual void search(const std::string& pattern, const Visitor& visit) = 0;

    // True when path names an existing file or folder.
    virtual bool exists(const std::string& path) = 0;

    // Renames within one folder, never replacing an existing file or folder.
    // Returns 0 on success, otherwise the errno value of the failure (17 when newPath exists).
    virtual int rename(const std::string& oldPath, const std::string& newPath) = 0;

    // A run of renames. Within a run the file system may keep what it has learned of a folder
    // (the names it holds, how it takes a change of letter case) instead of asking again for
    // every file; its own renames keep that up to date. Each run starts afresh.
    virtual void beginRun() {}
    virtual void endRun() {}

    // A run for as long as it lives.
    class Run {
    public:
        explicit Run(FileSystem& fileSystem) : fileSystem_(fileSystem) { fileSystem_.beginRun(); }
        ~Run() { fileSystem_.endRun(); }
        Run(const Run&) = delete;
        Run& operator=(const Run&) = delete;

    private:
        FileSystem& fileSystem_;
    };
};

} // namespace tarnwick
