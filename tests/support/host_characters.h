// The letters and capitals of every script as the machine running the tests tells them, through
// the interface the platform fills for the program: on Linux the C library's Unicode tables, on
// Windows the platform's own. Neither is the program's code.
#pragma once

#include "core/wtf8_characters.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <clocale>
#include <cwctype>
#include <locale.h>
#endif

namespace tarnwick::testing {

inline const PlatformLetters& hostLetters() {
#ifdef _WIN32
    static const PlatformLetters letters{[](std::uint32_t code) {
                                             if (code > 0xFFFF)
                                                 return code >= 0x20000 && code <= 0x3FFFF;
                                             const wchar_t c = static_cast<wchar_t>(code);
                                             WORD type = 0;
                                             return GetStringTypeW(CT_CTYPE1, &c, 1, &type) &&
                                                    (type & C1_ALPHA) != 0;
                                         },
                                         [](std::uint32_t code) -> std::uint32_t {
                                             if (code > 0xFFFF)
                                                 return code;
                                             const wchar_t c = static_cast<wchar_t>(code);
                                             wchar_t big = c;
                                             LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE,
                                                           &c, 1, &big, 1, nullptr, nullptr, 0);
                                             return big;
                                         }};
#else
    static const locale_t unicode = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(0));
    static const PlatformLetters letters{
        [](std::uint32_t code) { return iswalpha_l(static_cast<wint_t>(code), unicode) != 0; },
        [](std::uint32_t code) {
            return static_cast<std::uint32_t>(towupper_l(static_cast<wint_t>(code), unicode));
        }};
#endif
    return letters;
}

// UTF-8 with the host's letters and capitals.
inline const Wtf8Characters& testCharacters() {
    static const Wtf8Characters characters = Wtf8Characters(hostLetters());
    return characters;
}

} // namespace tarnwick::testing
