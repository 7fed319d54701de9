#include "preview_text.h"

namespace tarnwick {

namespace {
const char arrow[] = " ---> ";
const char lineEnd[] = "\r\n";
} // namespace

std::string buildPreviewText(const FileList& files, bool showPath) {
    return buildPreviewText(files, 0, files.size(), showPath);
}

std::string buildPreviewText(const FileList& files, std::size_t first, std::size_t last,
                             bool showPath) {
    // One pass for the size, one for the text: long lists are built without reallocating.
    const auto begin = files.begin() + static_cast<std::ptrdiff_t>(first);
    const auto end = files.begin() + static_cast<std::ptrdiff_t>(last);
    std::size_t size = 0;
    for (auto entry = begin; entry != end; ++entry) {
        size +=
            entry->oldName.size() + entry->newName.size() + sizeof arrow - 1 + sizeof lineEnd - 1;
        if (showPath)
            size += 2 * entry->folder.size();
    }
    std::string text;
    text.reserve(size);
    for (auto at = begin; at != end; ++at) {
        const FileEntry& entry = *at;
        if (showPath)
            text += entry.folder;
        text += entry.oldName;
        text += arrow;
        if (showPath)
            text += entry.folder;
        text += entry.newName;
        text += lineEnd;
    }
    return text;
}

} // namespace tarnwick
