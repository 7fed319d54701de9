#include "characters.h"

#include <windows.h>

namespace tarnwick {

namespace {

// Windows classifies the characters of every script (GetStringTypeW, C1_ALPHA; no locale is
// involved), one UTF-16 unit at a time; Microsoft's documentation of GetStringTypeW warns that its
// information is incomplete for the supplementary range: there the ideographs of planes 2 and 3 are
// letters, and any other character is one when the platform says so of it.
bool isLetter(std::uint32_t code) {
    if (code >= 0x20000 && code <= 0x3FFFF)
        return true;
    wchar_t units[2];
    int count = 1;
    if (code > 0xFFFF) {
        units[0] = static_cast<wchar_t>(0xD800 + ((code - 0x10000) >> 10));
        units[1] = static_cast<wchar_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        count = 2;
    } else {
        units[0] = static_cast<wchar_t>(code);
    }
    WORD types[2] = {};
    return GetStringTypeW(CT_CTYPE1, units, count, types) && (types[0] & C1_ALPHA) != 0;
}

// The capital by the invariant locale's mapping, the same in every language (no Turkish dotted
// I); the file system's table of capitals holds the Basic Multilingual Plane alone.
std::uint32_t capital(std::uint32_t code) {
    if (code > 0xFFFF)
        return code;
    const wchar_t small = static_cast<wchar_t>(code);
    wchar_t big = small;
    if (LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, &small, 1, &big, 1, nullptr, nullptr,
                      0) != 1)
        return code;
    return big;
}

} // namespace

const PlatformLetters& platformLetters() {
    static const PlatformLetters letters{isLetter, capital};
    return letters;
}

const Wtf8Characters& programCharacters() {
    static const Wtf8Characters characters = Wtf8Characters(platformLetters());
    return characters;
}

} // namespace tarnwick
