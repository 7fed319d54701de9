// What a drop from the shell onto the Main dialog chooses: one folder, as Browse beside
// "Path name:" does, or files of one folder, as Browse beside "Separate file(s):" does.
#pragma once

#include <string>
#include <vector>

namespace tarnwick {

struct DroppedItem {
    std::string path; // full path, as the shell delivers it
    bool isFolder = false;
};

struct DropChoice {
    enum class Kind { nothing, folder, files };
    Kind kind = Kind::nothing;
    // The folder: the dropped folder, or the folder of the dropped files; a drive's root keeps
    // its backslash ("C:\"), other folders come without a closing one.
    std::string folder;
    std::vector<std::string> names; // the dropped files' names, in the order dropped
};

// One folder alone gives that folder; one or more files of the same folder give their folder and
// names. Anything else (several folders, folders with files, files of different folders, nothing)
// gives nothing.
DropChoice classifyDrop(const std::vector<DroppedItem>& items);

} // namespace tarnwick
