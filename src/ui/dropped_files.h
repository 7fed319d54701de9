// Files and folders dropped from the shell onto a window, given back to the shell when done.
#pragma once

#include "drop_target.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

namespace tarnwick {

class DroppedFiles {
public:
    explicit DroppedFiles(HDROP drop) : drop_(drop) {}
    ~DroppedFiles() { DragFinish(drop_); }
    DroppedFiles(const DroppedFiles&) = delete;
    DroppedFiles& operator=(const DroppedFiles&) = delete;

    // Every dropped path in the order dropped, each marked folder or not.
    std::vector<DroppedItem> items() const;

private:
    HDROP drop_;
};

} // namespace tarnwick
