// Paths as the platform's wide functions take them. Every call on a name from the disk goes
// through the "\\?\" form of an absolute path the program built, which the platform takes as it
// is: no closing dots or blanks dropped, no "." or ".." resolved, no limit of 260 characters
// (Microsoft, "Naming Files, Paths, and Namespaces"). Only a path the user typed is completed,
// once.
#pragma once

#include <string>

namespace tarnwick {

// The full path of a path as the platform completes a typed one (made absolute, slashes turned
// into backslashes, "." and ".." resolved, closing dots and blanks of each part dropped); empty
// when it cannot be had.
std::wstring fullPathOf(const std::wstring& path);

// An absolute path in the "\\?\" form: "C:\a" as "\\?\C:\a", "\\server\share\a" as
// "\\?\UNC\server\share\a".
std::wstring widePath(const std::string& path);

} // namespace tarnwick
