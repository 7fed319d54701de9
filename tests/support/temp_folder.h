// A real temporary folder for the Windows tests, removed with everything in it at the end (but
// for folder links, see removeTree); a snapshot of what lies below a folder; and a file held open
// as another program holds it.
#pragma once

#include "../win32/wine_host.h"

#include <windows.h>

#include <algorithm>
#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace tarnwick::testing {

// Everything from an open file's current position to its end.
inline std::string readToEnd(HANDLE file) {
    std::string content;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        content.append(buffer, got);
    return content;
}

// The files below a folder with their contents, and the folders below it, by their paths relative
// to it as the platform keeps them (in UTF-16), of any depth.
struct FolderSnapshot {
    std::map<std::wstring, std::string> files;
    std::set<std::wstring> folders;
};

inline void takeSnapshot(const std::wstring& folder, const std::wstring& relative,
                         FolderSnapshot& snapshot) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + relative + L"*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring name = data.cFileName;
        if (name == L"." || name == L"..")
            continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            snapshot.folders.insert(relative + name);
            takeSnapshot(folder, relative + name + L"\\", snapshot);
            continue;
        }
        HANDLE h = CreateFileW((folder + relative + name).c_str(), GENERIC_READ, FILE_SHARE_READ,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        snapshot.files[relative + name] = h == INVALID_HANDLE_VALUE ? "<unreadable>" : readToEnd(h);
        if (h != INVALID_HANDLE_VALUE)
            CloseHandle(h);
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

// Holds a file open the way another program does that allows reading and writing but not
// deleting or renaming (without FILE_SHARE_DELETE): the file cannot be renamed meanwhile.
class OpenFile {
public:
    explicit OpenFile(const std::string& path)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~OpenFile() {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

class TempFolder {
public:
    TempFolder() {
        char base[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, base);
        static unsigned counter = 0;
        for (;;) {
            path_ = std::string(base) + "tarnwick-test-" + std::to_string(GetCurrentProcessId()) +
                    "-" + std::to_string(++counter) + "\\";
            if (CreateDirectoryA(path_.c_str(), nullptr))
                break;
        }
    }
    ~TempFolder() { removeTree(longPath()); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's full path, ending in a backslash.
    const std::string& path() const { return path_; }
    // The same in UTF-16, in the form that passes the platform's limit of 260 characters.
    std::wstring longPath() const { return L"\\\\?\\" + wideFromUtf8(path_); }

    FolderSnapshot snapshot() const {
        FolderSnapshot taken;
        takeSnapshot(longPath(), L"", taken);
        return taken;
    }

    // Creates a file (and the folders on its way) relative to the folder, each name as it is
    // (a closing dot kept).
    void file(const std::string& relative, const std::string& content = "") const {
        makeFoldersFor(relative);
        HANDLE h = CreateFileW((longPath() + wideFromUtf8(relative)).c_str(), GENERIC_WRITE, 0,
                               nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return;
        DWORD written = 0;
        WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        CloseHandle(h);
    }
    // Creates empty files.
    void files(std::initializer_list<const char*> relatives) const {
        for (const char* relative : relatives)
            file(relative);
    }
    void folder(const std::string& relative) const { makeFoldersFor(relative + "\\"); }

    std::string read(const std::string& relative) const {
        HANDLE h = CreateFileA((path_ + relative).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return {};
        std::string content = readToEnd(h);
        CloseHandle(h);
        return content;
    }

    // The names in a folder (relative to this one) as the folder search lists them, sorted.
    std::vector<std::string> list(const std::string& relative = "") const {
        std::vector<std::string> names;
        WIN32_FIND_DATAA data;
        HANDLE find = FindFirstFileA((path_ + relative + "*").c_str(), &data);
        if (find == INVALID_HANDLE_VALUE)
            return names;
        do {
            const std::string name = data.cFileName;
            if (name != "." && name != "..")
                names.push_back(name);
        } while (FindNextFileA(find, &data));
        FindClose(find);
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    void makeFoldersFor(const std::string& relative) const {
        for (std::size_t slash = relative.find('\\'); slash != std::string::npos;
             slash = relative.find('\\', slash + 1))
            CreateDirectoryW((longPath() + wideFromUtf8(relative.substr(0, slash))).c_str(),
                             nullptr);
    }

    // Removes a tree of any depth and with names of any kind.
    static void removeTree(const std::wstring& folder) {
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW((folder + L"*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = data.cFileName;
                if (name == L"." || name == L"..")
                    continue;
                const std::wstring path = folder + name;
                // A folder link is neither entered nor removed: what it leads to may lie outside
                // this folder (or be this folder), and Wine's RemoveDirectory on a link to an
                // empty folder removes that folder, leaving the link. A test that makes links
                // removes them itself (under Wine a link to a file even looks like a file, and
                // DeleteFile removes what it leads to).
                if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                    (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
                    continue;
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    removeTree(path + L"\\");
                else
                    DeleteFileW(path.c_str());
            } while (FindNextFileW(find, &data));
            FindClose(find);
        }
        RemoveDirectoryW(folder.c_str());
    }

    std::string path_;
};

} // namespace tarnwick::testing
