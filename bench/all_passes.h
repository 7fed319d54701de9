// The options of the formatting benchmarks: every operation on, on names like
// 'Artist_-_Song Title 0042.mp3' in folders like 'C:\Music\Album 00042\'.
#pragma once

#include "core/run_model.h"

namespace tarnwick {

inline Options allPassesOn() {
    Options options;
    options.numerate = options.folderPrefix = options.replaceOn = options.swapOn =
        options.insertOn = options.eraseOn = options.caseOn = true;
    options.startNumber = 1;
    options.digitCount = 4;
    options.separator = "_-_";
    options.replaceFind = "_";
    options.replaceWith = " ";
    options.swapPivot = " - ";
    options.insertText = " (live)";
    options.insertPosition = 99;
    options.eraseUntil = "Album ";
    options.caseStyle = capitalInitials;
    return options;
}

} // namespace tarnwick
