#include "shell_dialogs.h"

#include "file_selection.h"

#include "core/paths.h"
#include "core/texts.h"

#include <commdlg.h>
#include <shlobj.h>

#include <cstring>

namespace tarnwick {

bool copyInitialFolder(const std::string& folder, char* buffer, std::size_t size) {
    if (size == 0)
        return false;
    if (folder.size() >= size) {
        buffer[0] = '\0';
        return false;
    }
    std::memcpy(buffer, folder.c_str(), folder.size() + 1);
    return true;
}

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

// The shell's folder browser with a folder preselected.
class SystemShellDialogs::FolderBrowser {
public:
    explicit FolderBrowser(HWND owner) : owner_(owner) {
        initialFolder_[0] = '\0';
        chosenFolder_[0] = '\0';
    }

    // True when a file-system folder was chosen; chosenFolder() is then its path.
    bool browse(const std::string& initialFolder) {
        copyInitialFolder(initialFolder, initialFolder_, sizeof initialFolder_);
        ShellAllocator allocator;
        if (allocator.get() == nullptr)
            return false;
        LPITEMIDLIST desktop = nullptr;
        if (FAILED(SHGetSpecialFolderLocation(owner_, CSIDL_DESKTOP, &desktop)))
            desktop = nullptr;
        const ItemIdList root(allocator.get(), desktop);

        BROWSEINFOA info = {};
        info.hwndOwner = owner_;
        info.pidlRoot = root.get();
        info.pszDisplayName = chosenFolder_;
        info.lpszTitle = texts::chooseFolder;
        info.ulFlags = 0;
        info.lpfn = preselect;
        info.lParam = reinterpret_cast<LPARAM>(initialFolder_);
        const ItemIdList chosen(allocator.get(), SHBrowseForFolderA(&info));
        if (chosen.get() == nullptr)
            return false;
        return SHGetPathFromIDListA(chosen.get(), chosenFolder_) != FALSE;
    }

    const char* chosenFolder() const { return chosenFolder_; }

private:
    // Selects the initial folder once the browser is up; an empty one selects nothing.
    static int CALLBACK preselect(HWND browser, UINT message, LPARAM, LPARAM data) {
        const char* folder = reinterpret_cast<const char*>(data);
        if (message == BFFM_INITIALIZED && folder[0] != '\0')
            SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, data);
        return 0;
    }

    HWND owner_;
    char initialFolder_[MAX_PATH];
    char chosenFolder_[MAX_PATH];
};

// Made before the Main dialog's window exists: the folder browser has no owner.
SystemShellDialogs::SystemShellDialogs(const CodePage& codePage)
    : folderBrowser_(std::make_unique<FolderBrowser>(nullptr)), codePage_(codePage) {}

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
