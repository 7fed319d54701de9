// The text of the Preview dialog: one line per file entry, old name beside new name.
#pragma once

#include "core/run_model.h"

#include <string>

namespace tarnwick {

// oldName " ---> " newName "\r\n" for every entry, in list order; with showPath each side is
// preceded by the entry's folder. The last line ends in "\r\n" too; an empty list gives "".
std::string buildPreviewText(const FileList& files, bool showPath);

} // namespace tarnwick
