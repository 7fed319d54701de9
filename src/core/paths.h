// Splitting a full path into its folder and its name, the closing backslash of a folder, and the
// colon-separated list of names of one folder.
#pragma once

#include "wtf8_characters.h"

#include <string>
#include <vector>

namespace tarnwick {

// Where the name of path begins: after its last backslash or slash (0 when it has none).
std::size_t nameStart(const std::string& path);

// Splits path at its last backslash or slash: folder is what comes before it, except that
// a drive's root keeps its backslash ("C:\"), and name what comes after it. False, leaving both
// alone, when the path has no backslash.
bool splitPath(const std::string& path, std::string& folder, std::string& name);

// The folder with a closing backslash, added when it has none (also to an empty one).
std::string withClosingBackslash(std::string folder);

// The names of a list in which every name is followed by a colon; text after the last colon is
// no name. Empty names are kept.
std::vector<std::string> splitNameList(const std::string& list);

// The names joined by colons, without one at the end.
std::string joinNameList(const std::vector<std::string>& names);

} // namespace tarnwick
