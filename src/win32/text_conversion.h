// The program's strings (bytes in the process's ANSI code page) and UTF-16, the platform's own
// text: every conversion between the two goes through here, exact both ways and without a limit
// of its own on the length.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarnwick {

// UTF-16 of a program string. A byte that begins no character of the code page becomes the
// replacement character, as the platform's ANSI functions take it too.
std::wstring wideFromProgram(const std::string& text);

// The program string of a UTF-16 text. In a legacy code page a character it lacks becomes "?",
// never a look-alike: a name of U+0141 (L with stroke) and ".txt" must not come back as "L.txt",
// which would name another file of the folder, l.txt, and have it renamed in its place.
std::string programFromWide(std::wstring_view text);

// The UTF-16 units of a program string: what the platform's length limits count.
std::size_t wideLength(const std::string& text);

// The full path of a path, as the platform completes it (slashes turned into backslashes,
// trailing dots and blanks of the name dropped); empty when it cannot be had.
std::wstring fullPathOf(const std::wstring& path);

// A path as the platform's wide functions take it: beyond their 260 characters in the long form
// of the full path, which the platform builds as it would for the short one (slashes turned
// into backslashes, trailing dots and blanks of the name dropped).
std::wstring widePath(const std::string& path);
std::wstring widePath(const std::wstring& path);

} // namespace tarnwick
