// The program's strings (WTF-8, see core/wtf8_characters.h) and UTF-16, the platform's own text:
// every conversion between the two goes through here, exact both ways, a lone surrogate included,
// so that a name names its own entry and no sibling spelled with the replacement character U+FFFD.
// This file needs no Windows header; the host builds and tests it too.
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

// UTF-16 of a program string that is what programFromWide gives for some UTF-16 text, in wide;
// false, leaving wide alone, for any other: no conversion of the platform's gives it, so it could
// name another entry than the one meant.
bool exactWideFromProgram(const std::string& text, std::wstring& wide);

} // namespace tarnwick
