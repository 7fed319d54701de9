// Computing each entry's new name from its old name by the chosen operations.
#pragma once

#include "core/wtf8_characters.h"
#include "core/main_surface.h"
#include "core/run_model.h"

namespace tarnwick {

// Rebuilds every newName from its oldName: the copy pass, then numbering, folder-name prefix,
// replace, swap, insert, erase and letter case, each switched on in the options and each one pass
// over the whole list. The progress bar runs from 0 to passes x entries, one step per entry per
// pass. An unknown case style is reported once per entry; that entry keeps its earlier name.
void formatNewNames(const Options& options, FileList& files, MainSurface& window,
                    const Wtf8Characters& characters);

} // namespace tarnwick
