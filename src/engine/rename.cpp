#include "rename.h"

#include "core/file_names.h"
#include "core/fill_in.h"
#include "core/texts.h"

#include <string>

namespace tarnwick {

namespace {

std::string failureReason(int error) {
    switch (error) {
    case renameError::notFound: return texts::reasonNotFound;
    case renameError::accessDenied:
    case renameError::inUse: return texts::reasonAccessDenied;
    case renameError::invalid: return texts::reasonInvalid;
    case renameError::linkToOtherFile: return texts::reasonLink;
    default: return fillIn(texts::reasonUnknown, {{"errno", std::to_string(error)}});
    }
}

enum class Outcome { renamed, taken, failed };

// The waits for files in use of a run, in the window: none is tried again once the session ends.
InUseWaits waitsIn(MainSurface& window) {
    return InUseWaits([&window](unsigned milliseconds, bool betweenSteps) {
        if (betweenSteps)
            window.waitHoldingMessages(milliseconds);
        else
            window.wait(milliseconds);
        return !window.sessionEnding();
    });
}

// Renames one file of folder from one name to another; a taken name is passed over, or with
// takenIsFailure reported as a name that could not be had.
Outcome renameFile(const std::string& folder, const std::string& from, const std::string& to,
                   bool takenIsFailure, FileSystem& fileSystem, MainSurface& window) {
    const std::string oldPath = folder + from;
    const std::string newPath = folder + to;
    // A name that Windows takes for a device is never given, on any version of Windows, nor a
    // new one that ends in a dot or a blank (an old one from the disk is given back on undo);
    // "." and ".." in a list name no file of the folder.
    const bool refused = (from != to && isReservedDeviceName(to, fileSystem.characters())) ||
                         (!takenIsFailure && from != to && endsInDotOrBlank(to)) || from == "." ||
                         from == "..";
    int error = refused ? renameError::invalid : fileSystem.rename(oldPath, newPath);
    if (error == 0)
        return Outcome::renamed;
    if (error == renameError::exists) {
        if (!takenIsFailure)
            return Outcome::taken;
        error = renameError::accessDenied;
    }
    if (window.sessionEnding())
        return Outcome::failed; // nobody is there to read it
    window.showError(fillIn(texts::renameFailed,
                            {{"old", oldPath}, {"new", newPath}, {"reason", failureReason(error)}}),
                     texts::errorCaption);
    return Outcome::failed;
}

} // namespace

RenameRecord renameAll(const FileList& files, FileSystem& fileSystem, MainSurface& window) {
    window.startProgress(files.size(), 1);
    const FileSystem::CacheScope cache(fileSystem);
    InUseWaits waits = waitsIn(window);
    const FileSystem::InUseScope inUse(fileSystem, waits);
    RenameRecord record;
    record.succeeded.assign(files.size(), false);
    for (std::size_t i = 0; i < files.size() && !window.sessionEnding(); ++i) {
        const FileEntry& entry = files[i];
        waits.nextFile();
        const Outcome outcome =
            renameFile(entry.folder, entry.oldName, entry.newName, false, fileSystem, window);
        if (outcome == Outcome::taken) {
            window.keepAnswering(); // passed over without a word, and without a step of the bar
            continue;
        }
        if (outcome == Outcome::renamed) {
            record.succeeded[i] = true;
            if (entry.newName != entry.oldName)
                record.changed.push_back(entry);
        }
        window.stepProgress();
    }
    return record;
}

RenameRecord renameBack(const FileList& changed, FileSystem& fileSystem, MainSurface& window) {
    window.startProgress(changed.size(), 1);
    const FileSystem::CacheScope cache(fileSystem);
    InUseWaits waits = waitsIn(window);
    const FileSystem::InUseScope inUse(fileSystem, waits);
    RenameRecord record;
    record.succeeded.assign(changed.size(), false);
    for (std::size_t i = changed.size(); i-- > 0 && !window.sessionEnding();) {
        const FileEntry& entry = changed[i];
        waits.nextFile();
        record.succeeded[i] = renameFile(entry.folder, entry.newName, entry.oldName, true,
                                         fileSystem, window) == Outcome::renamed;
        window.stepProgress();
    }
    return record;
}

} // namespace tarnwick
