#include "shell_dialogs.h"

#include "file_selection.h"

#include "core/paths.h"
#include "core/texts.h"
#include "win32/handles.h"
#include "win32/text_conversion.h"

#include <commdlg.h>
#include <shlobj.h>

#include <cstring>

namespace tarnwick {

bool parseMultiSelection(const char* buffer, std::size_t size, std::string& folder,
                         std::vector<std::string>& names) {
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
    if (!splitPath(path, folder, name))
        name = path;
    names.push_back(name);
    return true;
}

namespace {

// An item identifier list obtained from the shell, freed with the task allocator, which is the
// shell's own: "programs can call the equivalent (and easier to use) CoTaskMemAlloc and
// CoTaskMemFree" (Microsoft's documentation of SHGetMalloc).
using ItemIdList = Owned<LPITEMIDLIST, CoTaskMemFree>;

const std::size_t chooserBufferSize = 102400;
// The longest path the platform's wide functions take.
const std::size_t longestPath = 32768;

// The file-system path of a shell item, of any depth; false when the item has none.
// SHGetPathFromIDListW writes into a buffer of MAX_PATH characters and fails for a deeper folder;
// SHGetPathFromIDListEx takes the buffer's size (Microsoft's documentation of both).
// Wine's shell builds no item beyond MAX_PATH, so only Windows hands such a folder over.
bool fileSystemPath(LPCITEMIDLIST item, std::string& path) {
    std::wstring wide(longestPath, L'\0');
    if (!SHGetPathFromIDListEx(item, &wide[0], static_cast<DWORD>(wide.size()), GPFIDL_DEFAULT))
        return false;
    wide.resize(wide.find(L'\0'));
    path = programFromWide(wide);
    return true;
}

} // namespace

ComApartment::ComApartment()
    : initialised_(
          SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}

ComApartment::~ComApartment() {
    if (initialised_)
        CoUninitialize();
}

// The shell's folder browser with a folder preselected.
class SystemShellDialogs::FolderBrowser {
public:
    explicit FolderBrowser(HWND owner) : owner_(owner) {}

    // True when a file-system folder was chosen; chosenFolder() is then its path.
    bool browse(const std::string& initialFolder) {
        initialFolder_ = wideFromProgram(initialFolder);
        if (initialFolder_.size() >= MAX_PATH)
            initialFolder_.clear(); // more than the browser takes: nothing preselected
        LPITEMIDLIST desktop = nullptr;
        if (FAILED(SHGetSpecialFolderLocation(owner_, CSIDL_DESKTOP, &desktop)))
            desktop = nullptr;
        const ItemIdList root(desktop);

        const std::wstring title = wideFromProgram(texts::chooseFolder);
        wchar_t displayName[MAX_PATH] = {};
        BROWSEINFOW info = {};
        info.hwndOwner = owner_;
        info.pidlRoot = root.get();
        info.pszDisplayName = displayName;
        info.lpszTitle = title.c_str();
        // Without BIF_NOTRANSLATETARGETS a shortcut chosen gives the folder it leads to, not the
        // shortcut's own item, whose path would be the shortcut (Microsoft's documentation of
        // BROWSEINFO and of SHGetPathFromIDList): the files renamed are the chosen folder's.
        info.ulFlags = 0;
        info.lpfn = preselect;
        info.lParam = reinterpret_cast<LPARAM>(initialFolder_.c_str());
        const ItemIdList chosen(SHBrowseForFolderW(&info));
        if (chosen.get() == nullptr)
            return false;
        return fileSystemPath(chosen.get(), chosenFolder_);
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
    std::wstring initialFolder_;
    std::string chosenFolder_;
};

// Made before the Main dialog's window exists: the folder browser has no owner.
SystemShellDialogs::SystemShellDialogs()
    : folderBrowser_(std::make_unique<FolderBrowser>(nullptr)) {}

SystemShellDialogs::~SystemShellDialogs() = default;

bool SystemShellDialogs::browseFolder(const std::string& initialFolder, std::string& chosenFolder) {
    if (!folderBrowser_->browse(initialFolder))
        return false;
    chosenFolder = folderBrowser_->chosenFolder();
    return true;
}

bool SystemShellDialogs::chooseFiles(HWND owner, std::string& folder,
                                     std::vector<std::string>& names) {
    std::wstring buffer(chooserBufferSize, L'\0');
    const std::wstring title = wideFromProgram(texts::selectFiles);
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFile = &buffer[0];
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.lpstrTitle = title.c_str();
    // A shortcut (.lnk) chosen is the file to rename, not the file it leads to, which may lie in
    // another folder: without OFN_NODEREFERENCELINKS the chooser returns the path of the file the
    // shortcut references (Microsoft's documentation of OPENFILENAME).
    dialog.Flags = OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST |
                   OFN_FILEMUSTEXIST | OFN_NODEREFERENCELINKS;
    if (!GetOpenFileNameW(&dialog))
        return false;
    // The strings up to the empty one that ends them, converted exactly, nulls and all.
    const std::size_t end = buffer.find(std::wstring(2, L'\0'));
    const std::string selection =
        programFromWide(buffer.substr(0, end == std::wstring::npos ? buffer.size() : end + 2));
    return parseMultiSelection(selection.data(), selection.size(), folder, names);
}

} // namespace tarnwick
