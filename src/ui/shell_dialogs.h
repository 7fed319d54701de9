// The shell's folder browser and the multi-select file chooser, behind one seam so that the Main
// dialog's handling of their results can be driven without a person clicking in them.
#pragma once

#include "core/code_page.h"

#include <windows.h>

#include <functional>
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

// The program's conversions between its strings and UTF-16, handed in by whoever makes the
// dialogs, so that the program converts in one way everywhere.
struct WideText {
    std::function<std::wstring(const std::string&)> fromProgram;
    std::function<std::string(const std::wstring&)> toProgram;
};

// The real dialogs of the shell and of comdlg32.
class SystemShellDialogs : public ShellDialogs {
public:
    // Paths are in codePage.
    SystemShellDialogs(const CodePage& codePage, WideText wideText);
    ~SystemShellDialogs() override;
    SystemShellDialogs(const SystemShellDialogs&) = delete;
    SystemShellDialogs& operator=(const SystemShellDialogs&) = delete;
    bool browseFolder(const std::string& initialFolder, std::string& chosenFolder) override;
    bool chooseFiles(HWND owner, std::string& folder, std::vector<std::string>& names) override;

private:
    class FolderBrowser;
    WideText wideText_;
    std::unique_ptr<FolderBrowser> folderBrowser_;
    const CodePage& codePage_;
};

} // namespace tarnwick
