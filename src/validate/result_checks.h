// The checks of the generated names before anything is renamed.
#pragma once

#include "core/main_surface.h"
#include "core/run_model.h"

namespace tarnwick {

// No new name may be empty or longer than maxNameLength characters.
bool checkEmptyOrLongNames(const FileList& files, MainSurface& window);

// No two entries of one folder may get new names that differ at most in letter case.
bool checkIdenticalNames(const FileList& files, MainSurface& window);

} // namespace tarnwick
