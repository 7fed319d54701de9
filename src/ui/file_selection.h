// The part of the file chooser that needs no window: reading its multiple-selection result.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tarnwick {

// Reads the open-file dialog's Explorer multiple-selection result from buffer (size characters):
// either one full path followed by an empty string, or the folder followed by one string per
// name and an empty string. A single path is split at its last backslash. folder is the folder as
// delivered (a closing backslash only for a drive root, "C:\"); names are in delivered order.
// False when the buffer holds no selection.
bool parseMultiSelection(const char* buffer, std::size_t size, std::string& folder,
                         std::vector<std::string>& names);

} // namespace tarnwick
