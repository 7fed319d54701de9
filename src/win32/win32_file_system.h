// The file system of Windows: folder search, existence test and rename.
#pragma once

#include "case_rename.h"

#include "core/file_system.h"

#include <windows.h>

#include <functional>
#include <map>
#include <string>

namespace tarnwick {

class Win32FileSystem : public FileSystem {
public:
    Win32FileSystem();

    const Wtf8Characters& characters() const override;
    void search(const std::string& pattern, const Visitor& visit) override;
    std::string fullPath(const std::string& path) override;
    bool exists(const std::string& path) override;
    int rename(const std::string& oldPath, const std::string& newPath) override;
    void beginCacheScope() override;
    void endCacheScope() override;

protected:
    // The steps below rename take paths in the long form ("\\?\C:\a\b.txt"), converted once.
    // The platform's rename, never replacing: ERROR_SUCCESS, or the error code of the call that
    // failed, read where it failed. Every step of a rename goes through here.
    virtual DWORD renameEntry(const std::wstring& from, const std::wstring& to);
    // Delivers the name of every entry of folder (ends in a backslash) as the platform stores it.
    virtual void readFolder(const std::wstring& folder,
                            const std::function<void(const std::wstring& name)>& visit);

private:
    // One step of a rename through renameEntry, tried again while another program has the file
    // open (FileSystem::tryStep): ERROR_SUCCESS, or the error code of the call that failed.
    // betweenSteps: from a temporary name, where the file waits between two steps.
    DWORD renameStep(const std::wstring& from, const std::wstring& to, bool betweenSteps = false);

    // What a run has learned of a folder for the check of the entry itself.
    struct Folder {
        bool finalRead = false;
        std::wstring final; // its final path as the platform resolves it, in capitals
        bool namesRead = false;
        std::multimap<std::wstring, std::wstring> names; // every name, by its twinKeyOf
    };

    // False when the file opened under path is another file than the entry that path names.
    bool openedIsEntry(void* file, const std::wstring& path);
    // True when another entry of the folder whose name differs from name in closing dots, blanks
    // and letter case alone is (or leads to) the file opened.
    bool twinHasIdentityOf(void* file, const std::wstring& folder, Folder& facts,
                           const std::wstring& name);
    static std::wstring twinKeyOf(const std::wstring& name);
    // Keeps the names of a folder already read up to date after a rename.
    void noteTwinsRenamed(const std::wstring& from, const std::wstring& to);

    bool inCacheScope_ = false;
    CaseRenames caseRenames_;
    std::map<std::wstring, Folder> folders_; // by folder path, ending in a backslash, for a run
};

} // namespace tarnwick
