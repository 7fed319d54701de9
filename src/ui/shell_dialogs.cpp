#include "shell_dialogs.h"

#include "file_selection.h"

#include "core/paths.h"
#include "core/texts.h"

#include <commdlg.h>
#include <shlobj.h>

#include <cstring>
#include <utility>

namespace tarnwick {

bool parseMultiSelection(const char* buffer, std::size_t size, std::string& folder,
                         std::vector<std::string>& names, const CodePage& codePage) {
    folder.clear();
    names.clear();
    // The strings of the buffer, up to the first empty one; never read past its end.
    std::vector<std::string> strings;
    std::size_t at = 0;
    while (at < size && buffer[at] != '\0') {
        const void* end = std::memchr(buffer + at, '\0', size - at);
        const std::size_t length =
            end != nullptr ? static_cast<const char*>(end) - (buffer + at) : size - at;
        strings.emplace_back(buffer + at, length);
        at += length + 1;
    }
    if (strings.empty())
        return false;
    if (strings.size() > 1) {
        folder = strings.front();
        names.assign(strings.begin() + 1, strings.end());
        return true;
    }
    // One chosen file, given as a full path.
    const std::string& path = strings.front();
    // A drive root keeps its backslash ("C:\"), as the chooser delivers it in a multiple selection.
    std::string name;
    if (!splitPath(path, folder, name, codePage))
        name = path;
    names.push_back(name);
    return true;
}

namespace {

// The shell's allocator, given back when it goes.
class ShellAllocator {
public:
    ShellAllocator() {
        if (FAILED(SHGetMalloc(&malloc_)))
            malloc_ = nullptr;
    }
    ~ShellAllocator() {
        if (malloc_ != nullptr)
            malloc_->Release();
    }
    ShellAllocator(const ShellAllocator&) = delete;
    ShellAllocator& operator=(const ShellAllocator&) = delete;
    IMalloc* get() const { return malloc_; }

private:
    IMalloc* malloc_ = nullptr;
};

// An item identifier list obtained from the shell, freed with the shell's allocator.
class ItemIdList {
public:
    ItemIdList(IMalloc* allocator, LPITEMIDLIST list) : allocator_(allocator), list_(list) {}
    ~ItemIdList() {
        if (list_ != nullptr)
            allocator_->Free(list_);
    }
    ItemIdList(const ItemIdList&) = delete;
    ItemIdList& operator=(const ItemIdList&) = delete;
    LPITEMIDLIST get() const { return list_; }

private:
    IMalloc* allocator_;
    LPITEMIDLIST list_;
};

const std::size_t chooserBufferSize = 102400;

} // namespace

// The shell's folder browser with a folder preselected, spoken to in UTF-16, so that whatever
// the code page a path reaches as far as the shell's own limit.
class SystemShellDialogs::FolderBrowser {
public:
    FolderBrowser(HWND owner, const WideText& wideText) : owner_(owner), wideText_(wideText) {}

    // True when a file-system folder was chosen; chosenFolder() is then its path.
    bool browse(const std::string& initialFolder) {
        initialFolder_ = wideText_.fromProgram(initialFolder);
        if (initialFolder_.size() >= MAX_PATH)
            initialFolder_.clear(); // more than the browser takes: nothing preselected
        ShellAllocator allocator;
        if (allocator.get() == nullptr)
            return false;
        LPITEMIDLIST desktop = nullptr;
        if (FAILED(SHGetSpecialFolderLocation(owner_, CSIDL_DESKTOP, &desktop)))
            desktop = nullptr;
        const ItemIdList root(allocator.get(), desktop);

        const std::wstring title = wideText_.fromProgram(texts::chooseFolder);
        wchar_t displayName[MAX_PATH] = {};
        BROWSEINFOW info = {};
        info.hwndOwner = owner_;
        info.pidlRoot = root.get();
        info.pszDisplayName = displayName;
        info.lpszTitle = title.c_str();
        info.ulFlags = 0;
        info.lpfn = preselect;
        info.lParam = reinterpret_cast<LPARAM>(initialFolder_.c_str());
        const ItemIdList chosen(allocator.get(), SHBrowseForFolderW(&info));
        if (chosen.get() == nullptr)
            return false;
        // A file-system path holds fewer than MAX_PATH UTF-16 units.
        wchar_t path[MAX_PATH] = {};
        if (!SHGetPathFromIDListW(chosen.get(), path))
            return false;
        path[MAX_PATH - 1] = L'\0';
        chosenFolder_ = wideText_.toProgram(path);
        return true;
    }

    const std::string& chosenFolder() const { return chosenFolder_; }

private:
    // Selects the initial folder once the browser is up; an empty one selects nothing.
    static int CALLBACK preselect(HWND browser, UINT message, LPARAM, LPARAM data) {
        const wchar_t* folder = reinterpret_cast<const wchar_t*>(data);
        if (message == BFFM_INITIALIZED && folder[0] != L'\0')
            SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, data);
        return 0;
    }

    HWND owner_;
    const WideText& wideText_;
    std::wstring initialFolder_;
    std::string chosenFolder_;
};

// Made before the Main dialog's window exists: the folder browser has no owner.
SystemShellDialogs::SystemShellDialogs(const CodePage& codePage, WideText wideText)
    : wideText_(std::move(wideText)),
      folderBrowser_(std::make_unique<FolderBrowser>(nullptr, wideText_)), codePage_(codePage) {}

SystemShellDialogs::~SystemShellDialogs() = default;

bool SystemShellDialogs::browseFolder(const std::string& initialFolder, std::string& chosenFolder) {
    if (!folderBrowser_->browse(initialFolder))
        return false;
    chosenFolder = folderBrowser_->chosenFolder();
    return true;
}

bool SystemShellDialogs::chooseFiles(HWND owner, std::string& folder,
                                     std::vector<std::string>& names) {
    std::vector<char> buffer(chooserBufferSize, '\0');
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.lpstrTitle = texts::selectFiles;
    dialog.Flags = OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST |
                   OFN_FILEMUSTEXIST;
    if (!GetOpenFileNameA(&dialog))
        return false;
    return parseMultiSelection(buffer.data(), buffer.size(), folder, names, codePage_);
}

} // namespace tarnwick
