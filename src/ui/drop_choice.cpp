#include "drop_choice.h"

#include "core/paths.h"

namespace tarnwick {

DropChoice classifyDrop(const std::vector<DroppedItem>& items) {
    DropChoice target;
    if (items.size() == 1 && items.front().isFolder) {
        target.kind = DropChoice::Kind::folder;
        target.folder = items.front().path;
        return target;
    }
    for (const DroppedItem& item : items) {
        std::string folder;
        std::string name;
        if (item.isFolder || !splitPath(item.path, folder, name) || name.empty() ||
            (!target.names.empty() && folder != target.folder))
            return DropChoice{};
        target.folder = folder;
        target.names.push_back(name);
    }
    if (!target.names.empty())
        target.kind = DropChoice::Kind::files;
    return target;
}

} // namespace tarnwick
