// The checks of the generated names before anything is renamed.
#pragma once

#include "core/code_page.h"
#include "core/main_surface.h"
#include "core/run_model.h"

namespace tarnwick {

// No new name may be empty or longer than maxNameLength UTF-16 units.
bool checkEmptyOrLongNames(const FileList& files, MainSurface& window);

// No two entries of one folder may get new names that differ at most in letter case, as the
// case operation's small letters fold it, character by character.
bool checkIdenticalNames(const FileList& files, MainSurface& window, const CodePage& codePage);

} // namespace tarnwick
