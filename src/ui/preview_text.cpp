#include "preview_text.h"

namespace tarnwick {

namespace {
const char arrow[] = " ---> ";
const char lineEnd[] = "\r\n";
} // namespace

std::string buildPreviewText(const FileList& files, bool showPath) {
    // One pass for the size, one for the text: long lists are built without reallocating.
    std::size_t size = 0;
    for (const FileEntry& entry : files) {
        size += entry.oldName.size() + entry.newName.size() + sizeof arrow - 1 + sizeof lineEnd - 1;
        if (showPath)
            size += 2 * entry.folder.size();
    }
    std::string text;
    text.reserve(size);
    for (const FileEntry& entry : files) {
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
