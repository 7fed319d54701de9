// The file system as the engine uses it.
#pragma once

#include "wtf8_characters.h"
#include "texts.h"

#include <algorithm>
#include <functional>
#include <string>
#include <utility>

namespace tarnwick {

// The errno values that FileSystem::rename reports and the program tells apart.
namespace renameError {
inline constexpr int notFound = 2;      // ENOENT
inline constexpr int accessDenied = 13; // EACCES
inline constexpr int exists = 17;       // EEXIST: the new name is taken
inline constexpr int invalid = 22;      // EINVAL
// No errno: the name is a link that the platform would follow, renaming the file it leads to.
inline constexpr int linkToOtherFile = 1000;
// No errno of its own (the runtime says EACCES): another program has the file open without
// sharing it, or a part of it locked. Reported as access denied, once waiting has not helped.
inline constexpr int inUse = 1001;
} // namespace renameError

// A file that another program holds open for a moment (a virus scanner checking a file just
// touched, the search indexer, a thumbnail, a sync client) is no failure: the step of a rename
// that finds it in use is tried again after short waits that grow, for about a second on one
// file, and a run waits at most a few seconds in all. Every other failure is final at once.
class InUseWaits {
public:
    // Lets the milliseconds pass, the window answering meanwhile; betweenSteps is set while the
    // file waits under a temporary name between the two steps of its rename, when nothing may
    // come between them. False when no step is to be tried again (the session ends).
    using Wait = std::function<bool(unsigned milliseconds, bool betweenSteps)>;

    explicit InUseWaits(Wait wait) : wait_(std::move(wait)) {}

    // The next file begins: a second of its own, as far as what is left of the run's reaches.
    void nextFile() {
        fileWaited_ = 0;
        nextWait_ = inUseFirstWait;
    }

    // Runs step (0, or the errno of its failure) again after each wait for as long as it finds
    // the file in use and the budgets allow; the errno of its last run.
    int attempt(const std::function<int()>& step, bool betweenSteps) {
        int error = step();
        while (error == renameError::inUse) {
            const unsigned left =
                std::min(inUseFileBudget - fileWaited_, inUseRunBudget - runWaited_);
            if (left == 0)
                break;
            const unsigned pause = std::min(nextWait_, left);
            const bool goOn = wait_(pause, betweenSteps);
            fileWaited_ += pause;
            runWaited_ += pause;
            nextWait_ *= 2;
            if (!goOn)
                break;
            error = step();
        }
        return error;
    }

private:
    Wait wait_;
    unsigned fileWaited_ = 0;
    unsigned runWaited_ = 0;
    unsigned nextWait_ = inUseFirstWait;
};

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

    // The waits for files in use of the run under way; without them (nullptr) every step of a
    // rename is tried once. A file system runs each step of a rename through tryStep.
    virtual void setInUseWaits(InUseWaits* waits) { inUseWaits_ = waits; }

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

    // The waits for files in use, for as long as it lives.
    class InUseScope {
    public:
        InUseScope(FileSystem& fileSystem, InUseWaits& waits) : fileSystem_(fileSystem) {
            fileSystem_.setInUseWaits(&waits);
        }
        ~InUseScope() { fileSystem_.setInUseWaits(nullptr); }
        InUseScope(const InUseScope&) = delete;
        InUseScope& operator=(const InUseScope&) = delete;

    private:
        FileSystem& fileSystem_;
    };

protected:
    // One step of a rename (0, or the errno of its failure), tried again while the file is in
    // use and the run's waits allow; betweenSteps while the file is under a temporary name.
    int tryStep(const std::function<int()>& step, bool betweenSteps = false) {
        return inUseWaits_ != nullptr ? inUseWaits_->attempt(step, betweenSteps) : step();
    }

private:
    InUseWaits* inUseWaits_ = nullptr;
};

} // namespace tarnwick
