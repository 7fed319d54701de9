#include "rename.h"

#include "core/texts.h"

#include <string>

namespace tarnwick {

namespace {

std::string failureReason(int error) {
    switch (error) {
    case renameError::notFound: return texts::reasonNotFound;
    case renameError::accessDenied: return texts::reasonAccessDenied;
    case renameError::invalid: return texts::reasonInvalid;
    default: return texts::reasonUnknown + std::to_string(error);
    }
}

} // namespace

int renameAll(const FileList& files, FileSystem& fileSystem, MainSurface& window) {
    window.setProgressRange(static_cast<int>(files.size()));
    window.setProgressPos(0);
    window.setProgressStep(1);
    const FileSystem::Run run(fileSystem);
    int renamed = 0;
    for (const FileEntry& entry : files) {
        const std::string oldPath = entry.folder + entry.oldName;
        const std::string newPath = entry.folder + entry.newName;
        const int error = fileSystem.rename(oldPath, newPath);
        if (error == 0) {
            ++renamed;
        } else if (error == renameError::exists) {
            continue; // the new name is taken: passed over without a word
        } else {
            window.showError(texts::renameFailedHead + oldPath + texts::renameFailedMiddle +
                                 newPath + "\n\n" + failureReason(error),
                             texts::errorCaption);
        }
        window.stepProgress();
    }
    return renamed;
}

} // namespace tarnwick
