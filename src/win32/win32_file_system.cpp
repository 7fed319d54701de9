#include "win32_file_system.h"

#include "errno_table.h"
#include "handles.h"
#include "characters.h"
#include "text_conversion.h"
#include "wide_paths.h"
#include "windows_rules.h"

#include "core/paths.h"
#include "core/texts.h"

#include <windows.h>

#include <string>
#include <vector>

namespace tarnwick {

namespace {

// The platform's final path of an open file or folder, with its volume (\\?\C:\a or
// \\?\UNC\server\share\a), in capitals as the file system compares names; empty when it cannot be
// had.
std::wstring finalPathOf(HANDLE file) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetFinalPathNameByHandleW(file, &path[0], static_cast<DWORD>(path.size()),
                                      FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(length); // too small: length counts the closing null
    }
    CharUpperBuffW(&path[0], static_cast<DWORD>(path.size()));
    return path;
}

// The same of a folder, which is followed where it is a link.
std::wstring folderFinalPath(const std::wstring& folder) {
    const FileHandle handle(CreateFileW(folder.c_str(), FILE_READ_ATTRIBUTES,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                                        nullptr));
    return handle.valid() ? finalPathOf(handle.get()) : std::wstring();
}

// An absolute path (or its long form) as the platform's own path names it.
std::wstring ntPathForm(const std::wstring& path) {
    const std::wstring longForm = longPathForm(path); // \\?\C:\a or \\?\UNC\server\share\a
    return L"\\??\\" + longForm.substr(4);
}

// The last part of a path, in capitals as the file system compares names.
std::wstring capitalNameOf(const std::wstring& path) {
    std::wstring name = path.substr(path.find_last_of(L"\\/") + 1);
    CharUpperBuffW(&name[0], static_cast<DWORD>(name.size()));
    return name;
}

} // namespace

Win32FileSystem::Win32FileSystem()
    : caseRenames_(
          programCodePage(),
          [this](const std::string& from, const std::string& to) { return renameStep(from, to); },
          [this](const std::string& folder,
                 const std::function<void(const std::wstring& name)>& visit) {
              readFolder(folder, visit);
          }) {}

const CodePage& Win32FileSystem::codePage() const {
    return programCodePage();
}

// The mask matches the names themselves, never their short 8.3 forms, so the search asks for no
// short names: FindExInfoBasic "does not query the short file name, improving overall enumeration
// speed" (FINDEX_INFO_LEVELS). FIND_FIRST_EX_LARGE_FETCH "uses a larger buffer for directory
// queries, which can increase performance of the find operation" (FindFirstFileExW).
void Win32FileSystem::search(const std::string& pattern, const Visitor& visit) {
    WIN32_FIND_DATAW data;
    FindHandle find(FindFirstFileExW(widePath(pattern).c_str(), FindExInfoBasic, &data,
                                     FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find.valid())
        return;
    do {
        // The find data holds the reparse tag in dwReserved0 when the reparse attribute is set.
        visit(programFromWide(data.cFileName),
              (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
              isFolderLink(data.dwFileAttributes, data.dwReserved0));
    } while (FindNextFileW(find.get(), &data));
}

std::string Win32FileSystem::fullPath(const std::string& path) {
    const std::wstring full = fullPathOf(wideFromProgram(path));
    return full.empty() ? std::string() : programFromWide(full);
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
    // A name this program cannot hold exactly (no conversion of the platform's gives it) could
    // name another entry than the one meant.
    if (!isExactProgramText(oldPath) || !isExactProgramText(newPath))
        return renameError::invalid;
    if (oldPath == newPath) {
        // The file keeps its name: nothing is touched, only a missing file is reported.
        if (GetFileAttributesW(widePath(oldPath).c_str()) != INVALID_FILE_ATTRIBUTES)
            return 0;
        return lastErrno();
    }
    if (sameIgnoringCase(oldPath, newPath))
        return caseRenames_.rename(oldPath, newPath);
    if (!renameStep(oldPath, newPath))
        return lastErrno();
    caseRenames_.noteRenamed(oldPath, newPath);
    return 0;
}

bool Win32FileSystem::renameStep(const std::string& from, const std::string& to) {
    DWORD error = ERROR_SUCCESS;
    tryStep([&] {
        error = renameEntry(from, to) ? ERROR_SUCCESS : GetLastError();
        return error == ERROR_SUCCESS ? 0 : errnoFor(error);
    });
    SetLastError(error);
    return error == ERROR_SUCCESS;
}

// The file is opened once, as itself where the platform can, checked to be the entry its path
// names (see openedIsEntry) and renamed through that handle, never replacing: an existing target
// makes the rename fail instead of being overwritten.
bool Win32FileSystem::renameEntry(const std::string& from, const std::string& to) {
    const std::wstring source = widePath(from);
    const FileHandle file(
        CreateFileW(source.c_str(), DELETE | SYNCHRONIZE | FILE_READ_ATTRIBUTES,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.valid())
        return false;
    if (!openedIsEntry(file.get(), from, source)) {
        SetLastError(linkToOtherFileError); // another entry than the one named: through a link
        return false;
    }
    const std::wstring ntPath = ntPathForm(widePath(to));
    std::vector<DWORD> buffer(
        (sizeof(FILE_RENAME_INFO) + ntPath.size() * sizeof(wchar_t)) / sizeof(DWORD) + 1);
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    info->ReplaceIfExists = FALSE;
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>(ntPath.size() * sizeof(wchar_t));
    std::copy(ntPath.begin(), ntPath.end(), info->FileName);
    return SetFileInformationByHandle(file.get(), FileRenameInfo, info,
                                      static_cast<DWORD>(buffer.size() * sizeof(DWORD))) != FALSE;
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
// it leads to, under the link's new name: such an entry is not renamed. What the platform opened
// under the entry's path must be the entry itself, in its folder as the platform resolves it
// (read once per folder and run). Where either path cannot be read, the rename goes ahead.
bool Win32FileSystem::openedIsEntry(void* file, const std::string& path, const std::wstring& wide) {
    const std::wstring fileFinal = finalPathOf(file);
    if (fileFinal.empty())
        return true;
    const std::size_t nameAt = nameStart(path, codePage());
    const std::string folder = path.substr(0, nameAt);
    auto known = folderFinals_.find(folder);
    if (known == folderFinals_.end())
        known = folderFinals_.emplace(folder, folderFinalPath(widePath(folder))).first;
    const std::wstring& folderFinal = known->second;
    if (folderFinal.empty())
        return true;
    std::wstring name = wideFromProgram(path.substr(nameAt));
    CharUpperBuffW(&name[0], static_cast<DWORD>(name.size()));
    if (finalPathsNameEntry(folderFinal, fileFinal, name, name))
        return true;
    // A name given in its short form (list mode) is the entry of its long form.
    std::wstring longPath(wide.size() + MAX_PATH, L'\0');
    const DWORD length =
        GetLongPathNameW(wide.c_str(), &longPath[0], static_cast<DWORD>(longPath.size()));
    if (length == 0 || length >= longPath.size())
        return false;
    longPath.resize(length);
    return finalPathsNameEntry(folderFinal, fileFinal, name, capitalNameOf(longPath));
}

} // namespace tarnwick
