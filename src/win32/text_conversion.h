// The program's strings (UTF-8) and UTF-16, the platform's own text: every conversion between the
// two goes through here, exact both ways. NTFS holds names with a UTF-16 surrogate that has no
// partner; such a unit is written as the three bytes of its generalized UTF-8 form (ED A0 80 to
// ED BF BF), which no valid UTF-8 text holds, and read back as the same unit, so that the name
// names its own entry and no sibling spelled with the replacement character U+FFFD. This file
// needs no Windows header; the host builds and tests it too.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarnwick {

// UTF-16 of a program string. A byte that begins no character (no conversion gives one) becomes
// U+FFFD.
std::wstring wideFromProgram(const std::string& text);

// The program string of a UTF-16 text, every unit kept.
std::string programFromWide(std::wstring_view text);

// True when text is what programFromWide gives for some UTF-16 text, so that wideFromProgram
// gives that text back.
bool isExactProgramText(const std::string& text);

} // namespace tarnwick
