// The shell's folder browser and the multi-select file chooser, behind one seam so that the Main
// dialog's handling of their results can be driven without a person clicking in them.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace tarnwick {

class ShellDialogs {
public:
    virtual ~ShellDialogs() = default;

    // Shows the folder browser with initialFolder preselected. True when a file-system folder
    // was chosen; chosenFolder is then its path as the shell gives it (no closing backslash
    // except for a drive root such as C:\).
    virtual bool browseFolder(const std::string& initialFolder, std::string& chosenFolder) = 0;

    // Shows the file chooser owned by owner. True on OK; folder is then the folder of the
    // chosen files (as delivered, a closing backslash only for a drive root) and names the
    // chosen file names in the order the chooser delivered them.
    virtual bool chooseFiles(HWND owner, std::string& folder, std::vector<std::string>& names) = 0;
};

// COM, initialised for the calling thread as long as it lives: the shell's folder browser and
// ShellExecute require it (their documentation says so), and the shell's file chooser uses it.
class ComApartment {
public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialised_;
};

// The real dialogs of the shell and of comdlg32, spoken to in UTF-16 so that a path of any depth
// and in any script arrives whole, converted exactly into the program's strings.
class SystemShellDialogs : public ShellDialogs {
public:
    SystemShellDialogs();
    ~SystemShellDialogs() override;
    SystemShellDialogs(const SystemShellDialogs&) = delete;
    SystemShellDialogs& operator=(const SystemShellDialogs&) = delete;
    bool browseFolder(const std::string& initialFolder, std::string& chosenFolder) override;
    bool chooseFiles(HWND owner, std::string& folder, std::vector<std::string>& names) override;

private:
    class FolderBrowser;
    std::unique_ptr<FolderBrowser> folderBrowser_;
};

} // namespace tarnwick
