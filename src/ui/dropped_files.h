// Files and folders dropped from the shell onto a window, given back to the shell when done.
#pragma once

#include "drop_choice.h"
#include "win32/handles.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

namespace tarnwick {

using DroppedFiles = Owned<HDROP, DragFinish>;

// Every dropped path in the order dropped, each marked folder or not.
std::vector<DroppedItem> droppedItems(HDROP drop);

} // namespace tarnwick
