// Renaming the files of the list, each within its folder, never replacing another file, and
// giving the files of the last run their old names back.
#pragma once

#include "core/file_system.h"
#include "core/main_surface.h"
#include "core/run_model.h"

#include <algorithm>
#include <vector>

namespace tarnwick {

// What one run of renames did.
struct RenameRecord {
    std::vector<bool> succeeded; // for each entry of the list, in list order
    FileList changed;            // the entries that got another name, in the order renamed

    // The entries renamed, those that keep their name included.
    int renamed() const {
        return static_cast<int>(std::count(succeeded.begin(), succeeded.end(), true));
    }
};

// Renames every entry from its old to its new name, in list order. A new name that is taken is
// passed over without a word; a file in use is waited for a moment (InUseWaits); any other
// failure is reported and the run goes on with the next entry. The progress bar steps once per
// entry renamed or reported. Once the session ends, no further entry is touched (both runs).
RenameRecord renameAll(const FileList& files, FileSystem& fileSystem, MainSurface& window);

// Gives each entry of changed (as renameAll recorded them) its old name back, the last renamed
// first, so that a chain of renames unwinds. Here a taken old name is a failure, reported like
// every other, after the waits for a file in use; a file that cannot go back keeps its new name.
// The progress bar steps once per entry. succeeded tells, for each entry of changed, whether it
// went back.
RenameRecord renameBack(const FileList& changed, FileSystem& fileSystem, MainSurface& window);

} // namespace tarnwick
