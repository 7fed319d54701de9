#include "format_names.h"

namespace tarnwick {

void formatNewNames(const Options& options, FileList& files, MainSurface& window) {
    (void)options;
    const int count = static_cast<int>(files.size());
    window.setProgressRange(count);
    window.setProgressPos(0);
    window.setProgressStep(1);
    for (FileEntry& entry : files) {
        entry.newName = entry.oldName;
        window.stepProgress();
    }
}

} // namespace tarnwick
