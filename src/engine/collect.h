// Target collection: the files of a folder by mask (optionally with its subfolders) or the files
// of a colon-separated list, and the order the list is sorted in.
#pragma once

#include "core/file_system.h"
#include "core/main_surface.h"
#include "core/run_model.h"

#include <string>

namespace tarnwick {

// True when entry a belongs before entry b: by folder, then by old name, byte-wise.
bool compareEntries(const FileEntry& a, const FileEntry& b);

// Sorts the list by compareEntries; entries that compare equal keep their order. A window given
// is kept answering meanwhile.
void sortEntries(FileList& files, MainSurface* window = nullptr);

// Appends the targets of folder (ends in a backslash) and pattern to files: in folder mode the
// files that match the mask pattern, with those of every subfolder first when includeSubdirs is
// set; in list mode one entry per name of the list, each name followed by a colon. The window is
// kept answering throughout; a collection that runs for more than about a second shows the files
// found so far in the status text. The status text then tells how many files the list holds.
void collectTargets(TargetMode mode, bool includeSubdirs, const std::string& folder,
                    const std::string& pattern, FileSystem& fileSystem, MainSurface& window,
                    FileList& files);

} // namespace tarnwick
