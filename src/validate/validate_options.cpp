#include "validate_options.h"

namespace tarnwick {

bool validateOptions(const Options& options, MainSurface& window, FileSystem& fileSystem,
                     RunState& state) {
    (void)window;
    (void)fileSystem;
    state.targetFolder = options.pathSpec;
    if (state.targetFolder.empty() || state.targetFolder.back() != '\\')
        state.targetFolder += '\\';
    state.targetPattern = options.fileListText;
    if (options.targetMode == TargetMode::listMode &&
        (state.targetPattern.empty() || state.targetPattern.back() != ':'))
        state.targetPattern += ':';
    return true;
}

bool checkNumberingCapacity(const Options& options, std::size_t fileCount, MainSurface& window) {
    (void)options;
    (void)fileCount;
    (void)window;
    return true;
}

} // namespace tarnwick
