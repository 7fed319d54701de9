// Computing each entry's new name from its old name by the chosen operations.
#pragma once

#include "engine/main_surface.h"
#include "engine/run_model.h"

namespace tarnwick {

void formatNewNames(const Options& options, FileList& files, MainSurface& window);

} // namespace tarnwick
