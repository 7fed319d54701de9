// Renaming the files of the list, each within its folder, never replacing another file.
#pragma once

#include "core/file_system.h"
#include "core/main_surface.h"
#include "core/run_model.h"

namespace tarnwick {

// Renames every entry from its old to its new name, in list order. A new name that is taken is
// passed over without a word; any other failure is reported and the run goes on with the next
// entry. The progress bar steps once per entry renamed or reported. Returns the number renamed.
int renameAll(const FileList& files, FileSystem& fileSystem, MainSurface& window);

} // namespace tarnwick
