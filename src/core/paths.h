// Splitting a full path into its folder and its name, and the closing backslash of a folder.
#pragma once

#include "code_page.h"

#include <string>

namespace tarnwick {

// Splits path at its last backslash character: folder is what comes before it, except that a
// drive's root keeps its backslash ("C:\"), and name what comes after it. False, leaving both
// alone, when the path has no backslash.
bool splitPath(const std::string& path, std::string& folder, std::string& name,
               const CodePage& codePage = CodePage::windows1252());

// The folder with a closing backslash character, added when it has none (also to an empty one).
std::string withClosingBackslash(std::string folder,
                                 const CodePage& codePage = CodePage::windows1252());

} // namespace tarnwick
