#include "win32_file_system.h"

#include "errno_table.h"
#include "handles.h"
#include "system_code_page.h"
#include "text_conversion.h"

#include "core/paths.h"
#include "core/texts.h"

#include <windows.h>

#include <string>

namespace tarnwick {

namespace {

// The final path of what the platform opens under path, in capitals (as the file system compares
// names); empty when it cannot be had. A file is opened as itself, never as what it links to,
// where the platform can (Windows can, Wine cannot for a Linux link); a folder is followed.
std::wstring finalPathOf(const std::wstring& path, bool folder) {
    const DWORD flags = FILE_FLAG_BACKUP_SEMANTICS | (folder ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
    const FileHandle handle(CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, flags, nullptr));
    if (!handle.valid())
        return {};
    std::wstring final(MAX_PATH, L'\0');
    DWORD length = GetFinalPathNameByHandleW(handle.get(), &final[0],
                                             static_cast<DWORD>(final.size()), VOLUME_NAME_DOS);
    if (length >= final.size()) {
        final.assign(length + 1, L'\0');
        length = GetFinalPathNameByHandleW(handle.get(), &final[0],
                                           static_cast<DWORD>(final.size()), VOLUME_NAME_DOS);
    }
    if (length == 0 || length >= final.size())
        return {};
    final.resize(length);
    CharUpperBuffW(&final[0], length);
    return final;
}

} // namespace

Win32FileSystem::Win32FileSystem()
    : caseRenames_(
          systemCodePage(),
          [this](const std::string& from, const std::string& to) { return move(from, to); },
          [this](const std::string& folder,
                 const std::function<void(const std::wstring& name)>& visit) {
              readFolder(folder, visit);
          }) {}

const CodePage& Win32FileSystem::codePage() const {
    return systemCodePage();
}

void Win32FileSystem::search(const std::string& pattern, const Visitor& visit) {
    WIN32_FIND_DATAW data;
    FindHandle find(FindFirstFileW(widePath(pattern).c_str(), &data));
    if (!find.valid())
        return;
    do {
        // The find data holds the reparse tag in dwReserved0 when the reparse attribute is set.
        visit(programFromWide(data.cFileName),
              (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
              isFolderLink(data.dwFileAttributes, data.dwReserved0));
    } while (FindNextFileW(find.get(), &data));
}

bool Win32FileSystem::exists(const std::string& path) {
    return GetFileAttributesW(widePath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Win32FileSystem::beginCacheScope() {
    caseRenames_.forget();
    folderFinals_.clear();
    inCacheScope_ = true;
}

void Win32FileSystem::endCacheScope() {
    caseRenames_.forget();
    folderFinals_.clear();
    inCacheScope_ = false;
}

int Win32FileSystem::rename(const std::string& oldPath, const std::string& newPath) {
    if (!inCacheScope_) {
        // A rename on its own learns what it needs afresh and forgets it afterwards.
        const CacheScope cache(*this);
        return rename(oldPath, newPath);
    }
    if (oldPath == newPath) {
        // The file keeps its name: nothing is touched, only a missing file is reported. A name
        // with a character the code page lacks was found as "?" there, which the ANSI functions
        // take for a wildcard or refuse: such a name is looked for by the search instead.
        if (oldPath.find('?') != std::string::npos) {
            WIN32_FIND_DATAW data;
            const FindHandle find(FindFirstFileW(widePath(oldPath).c_str(), &data));
            return find.valid() ? 0 : renameError::notFound;
        }
        if (GetFileAttributesW(widePath(oldPath).c_str()) != INVALID_FILE_ATTRIBUTES)
            return 0;
        return lastErrno();
    }
    if (!renamesTheEntry(oldPath))
        return renameError::linkToOtherFile;
    // The platform drops trailing dots and blanks from the new name, so "Name. " may be no more
    // than a change of letter case of "name".
    std::string platformPath = newPath;
    while (!platformPath.empty() && (platformPath.back() == '.' || platformPath.back() == ' '))
        platformPath.pop_back();
    if (sameIgnoringCase(oldPath, platformPath))
        return caseRenames_.rename(oldPath, newPath, platformPath);
    if (!move(oldPath, newPath))
        return lastErrno();
    caseRenames_.noteRenamed(oldPath, platformPath);
    return 0;
}

bool Win32FileSystem::move(const std::string& from, const std::string& to) {
    // No replace flag: an existing target makes the move fail instead of being overwritten.
    return MoveFileExW(widePath(from).c_str(), widePath(to).c_str(), 0) != 0;
}

void Win32FileSystem::readFolder(const std::string& folder,
                                 const std::function<void(const std::wstring& name)>& visit) {
    WIN32_FIND_DATAW data;
    FindHandle find(FindFirstFileW(widePath(folder + "*").c_str(), &data));
    if (!find.valid())
        return;
    do {
        visit(data.cFileName);
    } while (FindNextFileW(find.get(), &data));
}

// Under Wine a Linux link to a file looks like a plain file, and a rename of it renames the file
// it leads to, under the link's new name: such an entry is not renamed. What the platform opens
// under the entry's path must be the entry itself, in its folder as the platform resolves it
// (read once per folder and run); a file that cannot be opened is left to the rename to report.
bool Win32FileSystem::renamesTheEntry(const std::string& path) {
    const std::wstring wide = widePath(path);
    const std::wstring fileFinal = finalPathOf(wide, false);
    if (fileFinal.empty())
        return true;
    const std::string folder = path.substr(0, nameStart(path, codePage()));
    auto known = folderFinals_.find(folder);
    if (known == folderFinals_.end())
        known = folderFinals_.emplace(folder, finalPathOf(widePath(folder), true)).first;
    const std::wstring& folderFinal = known->second;
    if (folderFinal.empty())
        return true;
    std::wstring name = wideFromProgram(path.substr(nameStart(path, codePage())));
    CharUpperBuffW(&name[0], static_cast<DWORD>(name.size()));
    if (isTheEntryItself(folderFinal, fileFinal, name, name))
        return true;
    // A name given in its short form (list mode) is the entry of its long form.
    std::wstring longPath(wide.size() + MAX_PATH, L'\0');
    const DWORD length =
        GetLongPathNameW(wide.c_str(), &longPath[0], static_cast<DWORD>(longPath.size()));
    if (length == 0 || length >= longPath.size())
        return false;
    longPath.resize(length);
    std::wstring longName = longPath.substr(longPath.find_last_of(L"\\/") + 1);
    CharUpperBuffW(&longName[0], static_cast<DWORD>(longName.size()));
    return isTheEntryItself(folderFinal, fileFinal, name, longName);
}

} // namespace tarnwick
