#include "shell_dialogs.h"

namespace tarnwick {

// Placeholder until the shell dialogs are built: both act as if cancelled.
class SystemShellDialogs::FolderBrowser {};

SystemShellDialogs::SystemShellDialogs() : folderBrowser_(new FolderBrowser) {}

SystemShellDialogs::~SystemShellDialogs() { delete folderBrowser_; }

bool SystemShellDialogs::browseFolder(const std::string&, std::string&) { return false; }

bool SystemShellDialogs::chooseFiles(HWND, std::string&, std::vector<std::string>&) {
    return false;
}

} // namespace tarnwick
