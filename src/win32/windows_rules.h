// Rules of the Windows platform that need no Windows header: which entries are folder links, the
// long form of a path, and whether a rename acts on the entry itself. The host builds and tests
// this file too.
#pragma once

#include <cstdint>
#include <string>

namespace tarnwick {

// True when a found entry is a folder link, a folder that stands for another place: a junction,
// a symbolic link or a mount point. attributes and reparseTag are as the Windows folder search
// gives them (the tag counts only when the reparse-point attribute is set). A reparse folder is
// no link only when its tag is one of Microsoft's that is no name surrogate, such as a cloud
// file placeholder's; every other tag, including the values 0 to 2 that no real reparse point
// carries (Wine gives them for a Linux symbolic link), makes it a link.
bool isFolderLink(std::uint32_t attributes, std::uint32_t reparseTag);

// The form of an absolute path in which the platform's wide functions reach beyond 260
// characters: "C:\a" becomes "\\?\C:\a", "\\server\share\a" becomes "\\?\UNC\server\share\a";
// a path already in that form (or in the device form "\\.\") stays as it is.
std::wstring longPathForm(const std::wstring& absolutePath);

// True when what the platform opens under an entry's path is the entry itself, and not a file
// that the entry links to: fileFinal, the final path of what it opens, names the entry (name, or
// its long form longName when name is a short one) in the folder whose final path is folderFinal.
// Final paths as the platform gives them, with or without the long form's prefix, all in one
// letter case. The folder's own spelling (a mapped drive, short names, a link to the folder) does
// not count: both final paths resolve it alike.
bool finalPathsNameEntry(const std::wstring& folderFinal, const std::wstring& fileFinal,
                         const std::wstring& name, const std::wstring& longName);

} // namespace tarnwick
