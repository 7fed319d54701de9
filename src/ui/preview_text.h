// The text of the Preview dialog: one line per file entry, old name beside new name.
#pragma once

#include "core/run_model.h"

#include <cstddef>
#include <string>

namespace tarnwick {

// oldName " ---> " newName "\r\n" for every entry, in list order; with showPath each side is
// preceded by the entry's folder. The last line ends in "\r\n" too; an empty list gives "".
std::string buildPreviewText(const FileList& files, bool showPath);
// The same of the entries first to last (not included), which makes the text of the whole list
// when the pieces are put one after the other.
std::string buildPreviewText(const FileList& files, std::size_t first, std::size_t last,
                             bool showPath);

} // namespace tarnwick
