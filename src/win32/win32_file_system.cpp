#include "win32_file_system.h"

#include "errno_table.h"
#include "handles.h"
#include "characters.h"
#include "text_conversion.h"
#include "wide_paths.h"
#include "windows_rules.h"

#include "core/texts.h"

#include <windows.h>

#include <algorithm>
#include <iterator>
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
    return nameCapitals(path);
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
// A path in the long form (\\?\C:\a or \\?\UNC\server\share\a) as the platform's own path
// names it.
std::wstring ntPathForm(const std::wstring& longForm) {
    return L"\\??\\" + longForm.substr(4);
}

// What tells one file from every other: "You can compare the VolumeSerialNumber and FileIndex
// members returned in the BY_HANDLE_FILE_INFORMATION structure to determine if two paths map to
// the same target" (BY_HANDLE_FILE_INFORMATION). ReFS needs the 128 bits of FILE_ID_INFO, which
// Windows 8 and later give (the class FileIdInfo, 18, which the headers of Windows 7 lack);
// Windows 7 gives the 64 of the older call.
struct FileIdentity {
    ULONGLONG volume = 0;
    BYTE id[16] = {};
    bool operator==(const FileIdentity& other) const {
        return volume == other.volume && std::equal(std::begin(id), std::end(id), other.id);
    }
};

bool identityOf(HANDLE file, FileIdentity& identity) {
    constexpr auto fileIdInfo = static_cast<FILE_INFO_BY_HANDLE_CLASS>(18);
    if (GetFileInformationByHandleEx(file, fileIdInfo, &identity, sizeof identity))
        return true;
    BY_HANDLE_FILE_INFORMATION older;
    if (!GetFileInformationByHandle(file, &older))
        return false;
    identity = FileIdentity{};
    identity.volume = older.dwVolumeSerialNumber;
    const ULONGLONG index = (ULONGLONG{older.nFileIndexHigh} << 32) | older.nFileIndexLow;
    std::copy_n(reinterpret_cast<const BYTE*>(&index), sizeof index, identity.id);
    return true;
}

// The failure of the call just made; never 0, which would read as success.
DWORD lastFailure() {
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? error : ERROR_GEN_FAILURE;
}

} // namespace

Win32FileSystem::Win32FileSystem()
    : caseRenames_([this](const std::wstring& from, const std::wstring& to,
                          bool betweenSteps) { return renameStep(from, to, betweenSteps); },
                   [this](const std::wstring& folder,
                          const std::function<void(const std::wstring& name)>& visit) {
                       readFolder(folder, visit);
                   }) {}

const Wtf8Characters& Win32FileSystem::characters() const {
    return programCharacters();
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
    const std::wstring full =
        completedFolderForm(fullPathOf(pathToComplete(wideFromProgram(path))));
    return full.empty() ? std::string() : programFromWide(full);
}

bool Win32FileSystem::exists(const std::string& path) {
    return GetFileAttributesW(widePath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Win32FileSystem::beginCacheScope() {
    caseRenames_.forget();
    folders_.clear();
    inCacheScope_ = true;
}

void Win32FileSystem::endCacheScope() {
    caseRenames_.forget();
    folders_.clear();
    inCacheScope_ = false;
}

int Win32FileSystem::rename(const std::string& oldPath, const std::string& newPath) {
    if (!inCacheScope_) {
        // A rename on its own learns what it needs afresh and forgets it afterwards.
        const CacheScope cache(*this);
        return rename(oldPath, newPath);
    }
    // The one conversion of the paths: every step below takes them as the platform does, in the
    // long form. A name this program cannot hold exactly (no conversion of the platform's gives
    // it) could name another entry than the one meant.
    std::wstring from;
    std::wstring to;
    if (!exactWideFromProgram(oldPath, from) || !exactWideFromProgram(newPath, to))
        return renameError::invalid;
    from = longPathForm(from);
    to = longPathForm(to);
    if (from == to) {
        // The file keeps its name: nothing is touched, only a missing file is reported.
        if (GetFileAttributesW(from.c_str()) != INVALID_FILE_ATTRIBUTES)
            return 0;
        return errnoFor(lastFailure());
    }
    if (compareNames(from, to) == 0)
        return caseRenames_.rename(from, to);
    const DWORD error = renameStep(from, to);
    if (error != ERROR_SUCCESS)
        return errnoFor(error);
    caseRenames_.noteRenamed(from, to);
    return 0;
}

DWORD Win32FileSystem::renameStep(const std::wstring& from, const std::wstring& to,
                                  bool betweenSteps) {
    DWORD error = ERROR_SUCCESS;
    tryStep(
        [&] {
            error = renameEntry(from, to);
            return error == ERROR_SUCCESS ? 0 : errnoFor(error);
        },
        betweenSteps);
    return error;
}

// The file is opened once, as itself where the platform can, checked to be the entry its path
// names (see openedIsEntry) and renamed through that handle, never replacing: an existing target
// makes the rename fail instead of being overwritten.
DWORD Win32FileSystem::renameEntry(const std::wstring& from, const std::wstring& to) {
    const FileHandle file(
        CreateFileW(from.c_str(), DELETE | SYNCHRONIZE | FILE_READ_ATTRIBUTES,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.valid())
        return lastFailure();
    if (!openedIsEntry(file.get(), from))
        return linkToOtherFileError; // another entry than the one named: through a link
    const std::wstring ntPath = ntPathForm(to);
    std::vector<DWORD> buffer(
        (sizeof(FILE_RENAME_INFO) + ntPath.size() * sizeof(wchar_t)) / sizeof(DWORD) + 1);
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    info->ReplaceIfExists = FALSE;
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>(ntPath.size() * sizeof(wchar_t));
    std::copy(ntPath.begin(), ntPath.end(), info->FileName);
    if (!SetFileInformationByHandle(file.get(), FileRenameInfo, info,
                                    static_cast<DWORD>(buffer.size() * sizeof(DWORD))))
        return lastFailure();
    noteTwinsRenamed(from, to);
    return ERROR_SUCCESS;
}

void Win32FileSystem::readFolder(const std::wstring& folder,
                                 const std::function<void(const std::wstring& name)>& visit) {
    WIN32_FIND_DATAW data;
    FindHandle find(FindFirstFileW((folder + L"*").c_str(), &data));
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
bool Win32FileSystem::openedIsEntry(void* file, const std::wstring& path) {
    const std::wstring fileFinal = finalPathOf(file);
    if (fileFinal.empty())
        return true;
    const std::size_t nameAt = path.find_last_of(L'\\') + 1;
    const std::wstring folder = path.substr(0, nameAt);
    Folder& facts = folders_[folder];
    if (!facts.finalRead) {
        facts.final = folderFinalPath(folder);
        facts.finalRead = true;
    }
    if (facts.final.empty())
        return true;
    const std::wstring ownName = path.substr(nameAt);
    const std::wstring name = nameCapitals(ownName);
    if (finalPathsNameEntry(facts.final, fileFinal, name, name))
        return true;
    // Windows keeps a name's closing dots and blanks in a final path; Wine drops them ("memo "
    // and "report." come back as "memo" and "report"). Where the paths agree but for these, the
    // handle is the entry itself unless it is the file of a twin whose name differs in them alone
    // ("report" beside "report."), or leads to it.
    if (finalPathsNameEntryWithoutClosingDots(facts.final, fileFinal, name))
        return !twinHasIdentityOf(file, folder, facts, ownName);
    // A name given in its short form (list mode) is the entry of its long form.
    std::wstring longPath(path.size() + MAX_PATH, L'\0');
    const DWORD length =
        GetLongPathNameW(path.c_str(), &longPath[0], static_cast<DWORD>(longPath.size()));
    if (length == 0 || length >= longPath.size())
        return false;
    longPath.resize(length);
    return finalPathsNameEntry(facts.final, fileFinal, name,
                               nameCapitals(longPath.substr(longPath.find_last_of(L"\\/") + 1)));
}

// The names of the folder are read once in a run, by the key that drops closing dots and blanks;
// the run's own renames keep them up to date. A twin that cannot be opened counts as one that
// may be the file.
bool Win32FileSystem::twinHasIdentityOf(void* file, const std::wstring& folder, Folder& facts,
                                        const std::wstring& name) {
    if (!facts.namesRead) {
        readFolder(folder, [&](const std::wstring& entry) {
            if (entry != L"." && entry != L"..")
                facts.names.emplace(twinKeyOf(entry), entry);
        });
        facts.namesRead = true;
    }
    FileIdentity opened;
    if (!identityOf(file, opened))
        return true;
    const auto twins = facts.names.equal_range(twinKeyOf(name));
    for (auto twin = twins.first; twin != twins.second; ++twin) {
        if (twin->second == name)
            continue;
        const FileHandle other(CreateFileW(
            (folder + twin->second).c_str(), FILE_READ_ATTRIBUTES,
            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
            FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        FileIdentity identity;
        if (!other.valid() || !identityOf(other.get(), identity) || identity == opened)
            return true;
    }
    return false;
}

std::wstring Win32FileSystem::twinKeyOf(const std::wstring& name) {
    return nameCapitals(twinKey(name));
}

void Win32FileSystem::noteTwinsRenamed(const std::wstring& from, const std::wstring& to) {
    const std::size_t fromAt = from.find_last_of(L'\\') + 1;
    const auto folder = folders_.find(from.substr(0, fromAt));
    if (folder == folders_.end() || !folder->second.namesRead)
        return;
    auto& names = folder->second.names;
    const std::wstring oldName = from.substr(fromAt);
    const auto twins = names.equal_range(twinKeyOf(oldName));
    for (auto twin = twins.first; twin != twins.second; ++twin)
        if (twin->second == oldName) {
            names.erase(twin);
            break;
        }
    const std::wstring newName = to.substr(to.find_last_of(L'\\') + 1);
    names.emplace(twinKeyOf(newName), newName);
}

} // namespace tarnwick
