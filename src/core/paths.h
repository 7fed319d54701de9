// Splitting a full path into its folder and its name.
#pragma once

#include <string>

namespace tarnwick {

// Splits path at its last backslash: folder is what comes before it, except that a drive's root
// keeps its backslash ("C:\"), and name what comes after it. False, leaving both alone, when the
// path has no backslash.
bool splitPath(const std::string& path, std::string& folder, std::string& name);

} // namespace tarnwick
