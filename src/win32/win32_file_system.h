// The file system of Windows: folder search, existence test and rename.
#pragma once

#include "core/file_system.h"

#include <functional>
#include <map>
#include <set>
#include <string>

namespace tarnwick {

class Win32FileSystem : public FileSystem {
public:
    Win32FileSystem();

    const CodePage& codePage() const override;
    void search(const std::string& pattern, const Visitor& visit) override;
    bool exists(const std::string& path) override;
    int rename(const std::string& oldPath, const std::string& newPath) override;
    void beginRun() override;
    void endRun() override;

protected:
    // The platform's rename, never replacing: false on failure, with the reason left in
    // GetLastError. Every step of a rename goes through here.
    virtual bool move(const std::string& from, const std::string& to);
    // Delivers the name of every entry of folder (ends in a backslash) as the platform stores it.
    virtual void readFolder(const std::string& folder,
                            const std::function<void(const std::wstring& name)>& visit);

private:
    // Orders names as the file system matches them: without regard to letter case.
    struct IgnoringCase {
        bool operator()(const std::wstring& a, const std::wstring& b) const;
    };
    // How a direct rename that changes letter case alone turns out in a folder.
    enum class DirectCaseRename { untried, keepsNewSpelling, keepsOldSpelling };
    // What the current run has learned of one folder.
    struct Folder {
        DirectCaseRename direct = DirectCaseRename::untried;
        bool namesRead = false;
        std::multiset<std::wstring, IgnoringCase> names;
        bool finalRead = false;
        std::wstring finalPath; // as the platform resolves the folder, in capitals
    };

    Folder& folderOf(const std::string& path);
    // False when a rename of path would rename another file than the entry it names.
    bool renamesTheEntry(const std::string& path);
    bool hasCaseTwin(const std::string& path);
    void noteRenamed(const std::string& oldPath, const std::string& newPath);
    int renameCaseOnly(const std::string& oldPath, const std::string& newPath,
                       const std::string& platformPath);
    int renameThroughTemporary(const std::string& oldPath, const std::string& newPath);

    bool inRun_ = false;
    std::map<std::string, Folder> folders_; // by folder path, ending in a backslash
    unsigned temporaryNumber_;
};

} // namespace tarnwick
