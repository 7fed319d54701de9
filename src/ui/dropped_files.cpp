#include "dropped_files.h"

#include <string>

namespace tarnwick {

std::vector<DroppedItem> DroppedFiles::items() const {
    std::vector<DroppedItem> items;
    const UINT count = DragQueryFileA(drop_, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileA(drop_, i, nullptr, 0);
        std::string path(length + 1, '\0');
        path.resize(DragQueryFileA(drop_, i, &path[0], length + 1));
        const DWORD attributes = GetFileAttributesA(path.c_str());
        const bool isFolder =
            attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        items.push_back(DroppedItem{path, isFolder});
    }
    return items;
}

} // namespace tarnwick
