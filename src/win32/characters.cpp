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

std::uint32_t capital(std::uint32_t code) {
    return code > 0xFFFF ? code : nameCapitals(std::wstring(1, static_cast<wchar_t>(code)))[0];
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

int compareNames(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                static_cast<int>(b.size()), TRUE) -
           CSTR_EQUAL;
}

std::wstring nameCapitals(const std::wstring& text) {
    std::wstring capitals = text;
    const int size = static_cast<int>(text.size());
    if (size > 0)
        LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, text.data(), size, &capitals[0], size,
                      nullptr, nullptr, 0);
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] >= 0xD800 && text[i] <= 0xDFFF) // a surrogate keeps its value
            capitals[i] = text[i];
    return capitals;
}

} // namespace tarnwick
