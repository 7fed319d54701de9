// The checks of the user's options before a run, and the numbering capacity check.
#pragma once

#include "core/file_system.h"
#include "core/main_surface.h"
#include "core/run_model.h"

#include <cstddef>

namespace tarnwick {

// True when the run may go on; then state.targetFolder and state.targetPattern hold the run's
// folder (with a closing backslash) and pattern (the mask, or the list with a closing colon).
bool validateOptions(const Options& options, MainSurface& window, FileSystem& fileSystem,
                     RunState& state);

// True when the numbers of fileCount files fit into the chosen number of digits.
bool checkNumberingCapacity(const Options& options, std::size_t fileCount, MainSurface& window);

} // namespace tarnwick
