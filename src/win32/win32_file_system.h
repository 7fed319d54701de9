// The file system of Windows: folder search, existence test and rename.
#pragma once

#include "case_rename.h"

#include "core/file_system.h"

#include <functional>
#include <map>
#include <string>

namespace tarnwick {

class Win32FileSystem : public FileSystem {
public:
    Win32FileSystem();

    const CodePage& codePage() const override;
    void search(const std::string& pattern, const Visitor& visit) override;
    std::string fullPath(const std::string& path) override;
    bool exists(const std::string& path) override;
    int rename(const std::string& oldPath, const std::string& newPath) override;
    void beginCacheScope() override;
    void endCacheScope() override;

protected:
    // The platform's rename, never replacing: false on failure, with the reason left in
    // GetLastError. Every step of a rename goes through here.
    virtual bool renameEntry(const std::string& from, const std::string& to);
    // Delivers the name of every entry of folder (ends in a backslash) as the platform stores it.
    virtual void readFolder(const std::string& folder,
                            const std::function<void(const std::wstring& name)>& visit);

private:
    // One step of a rename through renameEntry, tried again while another program has the file
    // open (FileSystem::tryStep): false on failure, with the reason left in GetLastError.
    bool renameStep(const std::string& from, const std::string& to);
    // False when the file opened under path (wide, as the platform takes it) is another file than
    // the entry that path names.
    bool openedIsEntry(void* file, const std::string& path, const std::wstring& wide);

    bool inCacheScope_ = false;
    CaseRenames caseRenames_;
    // The final path of each folder (ending in a backslash) as the platform resolves it, in
    // capitals, read once in a run.
    std::map<std::string, std::wstring> folderFinals_;
};

} // namespace tarnwick
