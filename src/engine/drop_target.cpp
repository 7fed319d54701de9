#include "drop_target.h"

namespace tarnwick {

namespace {

// Splits a path at its last backslash; false when it has none or names nothing after it.
bool splitPath(const std::string& path, std::string& folder, std::string& name) {
    const std::size_t slash = path.rfind('\\');
    if (slash == std::string::npos || slash + 1 == path.size())
        return false;
    const bool driveRoot = slash > 0 && path[slash - 1] == ':';
    folder = path.substr(0, driveRoot ? slash + 1 : slash);
    name = path.substr(slash + 1);
    return true;
}

} // namespace

DropTarget chooseDropTarget(const std::vector<DroppedItem>& items) {
    DropTarget target;
    if (items.size() == 1 && items.front().isFolder) {
        target.kind = DropTarget::Kind::folder;
        target.folder = items.front().path;
        return target;
    }
    for (const DroppedItem& item : items) {
        std::string folder;
        std::string name;
        if (item.isFolder || !splitPath(item.path, folder, name) ||
            (!target.names.empty() && folder != target.folder))
            return DropTarget{};
        target.folder = folder;
        target.names.push_back(name);
    }
    if (!target.names.empty())
        target.kind = DropTarget::Kind::files;
    return target;
}

} // namespace tarnwick
