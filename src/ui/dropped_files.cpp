#include "dropped_files.h"

#include "win32/text_conversion.h"
#include "win32/windows_rules.h"

#include <string>

namespace tarnwick {

// Each path is read in UTF-16 and asked for its attributes in the "\\?\" form, so that a deep
// folder is a folder and one whose name ends in a dot is that folder itself.
std::vector<DroppedItem> droppedItems(HDROP drop) {
    std::vector<DroppedItem> items;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        path.resize(DragQueryFileW(drop, i, &path[0], length + 1));
        const DWORD attributes = GetFileAttributesW(longPathForm(path).c_str());
        const bool isFolder =
            attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        items.push_back(DroppedItem{programFromWide(path), isFolder});
    }
    return items;
}

} // namespace tarnwick
