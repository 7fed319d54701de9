#include "format_names.h"

#include "name_ops.h"

#include "core/texts.h"

#include <climits>
#include <cstdint>

namespace tarnwick {

namespace {

// Numbering starts again at startNumber whenever the folder changes (byte-wise, case-sensitive).
// The counter is 64-bit so that a start near the top of the int range still counts upwards.
void numberPass(const Options& options, FileList& files, MainSurface& window) {
    std::int64_t counter = options.startNumber;
    const FolderText* previousFolder = nullptr;
    std::string number;
    for (FileEntry& entry : files) {
        if (previousFolder == nullptr || entry.folder != *previousFolder)
            counter = options.startNumber;
        formatNumber(counter, options.digitCount, number);
        applyNumbering(entry.newName, number);
        ++counter;
        previousFolder = &entry.folder;
        window.stepProgress();
    }
}

template <typename Operation>
void runPass(FileList& files, MainSurface& window, Operation operation) {
    for (FileEntry& entry : files) {
        operation(entry);
        window.stepProgress();
    }
}

} // namespace

void formatNewNames(const Options& options, FileList& files, MainSurface& window,
                    const Wtf8Characters& characters) {
    const int passes = 1 + options.numerate + options.folderPrefix + options.replaceOn +
                       options.swapOn + options.insertOn + options.eraseOn + options.caseOn;
    window.startProgress(static_cast<std::size_t>(passes) * files.size(), 1);

    // Every run starts afresh from the old names.
    runPass(files, window, [](FileEntry& entry) { entry.newName = entry.oldName; });
    if (options.numerate)
        numberPass(options, files, window);
    if (options.folderPrefix)
        runPass(files, window, [&](FileEntry& entry) {
            applyFolderPrefix(entry.newName, entry.folder, options.separator, characters);
        });
    if (options.replaceOn)
        runPass(files, window, [&](FileEntry& entry) {
            applyReplace(entry.newName, options.replaceFind, options.replaceWith,
                         options.replaceFirstOnly, characters);
        });
    if (options.swapOn)
        runPass(files, window,
                [&](FileEntry& entry) { applySwap(entry.newName, options.swapPivot, characters); });
    if (options.insertOn)
        runPass(files, window, [&](FileEntry& entry) {
            applyInsert(entry.newName, options.insertText, options.insertPosition, characters);
        });
    if (options.eraseOn)
        runPass(files, window, [&](FileEntry& entry) {
            applyErase(entry.newName, options.eraseUntil, characters);
        });
    if (options.caseOn)
        runPass(files, window, [&](FileEntry& entry) {
            if (!applyCase(entry.newName, options.caseStyle, characters))
                window.showError(texts::wrongCaseStyle, texts::errorCaption);
        });
}

} // namespace tarnwick
