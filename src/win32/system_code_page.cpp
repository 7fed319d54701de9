#include "system_code_page.h"

#include "windows_rules.h"

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

CodePage describe(UINT number) {
    std::array<bool, 256> lead{};
    CPINFO info{};
    if (GetCPInfo(number, &info) && info.MaxCharSize == 2)
        for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2)
            for (int b = info.LeadByte[i]; b <= info.LeadByte[i + 1]; ++b)
                lead[b] = true;
    auto decode = [number](const char* bytes, std::size_t size) -> std::uint32_t {
        wchar_t wide[2];
        const int length = MultiByteToWideChar(number, MB_ERR_INVALID_CHARS, bytes,
                                               static_cast<int>(size), wide, 2);
        if (length == 1)
            return wide[0];
        if (length == 2 && wide[0] >= 0xD800 && wide[0] < 0xDC00)
            return 0x10000 + ((wide[0] - 0xD800u) << 10) + (wide[1] - 0xDC00u);
        return CodePage::noCharacter;
    };
    auto encode = [number](std::uint32_t code) -> std::string {
        if (code > 0xFFFF)
            return std::string();
        const wchar_t wide = static_cast<wchar_t>(code);
        char bytes[8];
        // A code page that refuses the exact flags holds every character.
        const bool exact = takesExactConversionFlags(static_cast<int>(number));
        BOOL lossy = FALSE;
        const int length =
            WideCharToMultiByte(number, exact ? WC_NO_BEST_FIT_CHARS : 0, &wide, 1, bytes,
                                sizeof bytes, nullptr, exact ? &lossy : nullptr);
        return length > 0 && !lossy ? std::string(bytes, static_cast<std::size_t>(length))
                                    : std::string();
    };
    return CodePage(static_cast<int>(number), lead, decode, encode, platformCharacters());
}

} // namespace

const PlatformCharacters& platformCharacters() {
    static const PlatformCharacters characters{isLetter, capital};
    return characters;
}

const CodePage& systemCodePage() {
    static const CodePage& page = []() -> const CodePage& {
        const UINT number = GetACP();
        if (number == CP_UTF8) {
            static const CodePage utf8 = CodePage::utf8(platformCharacters());
            return utf8;
        }
        if (number == 1252)
            return CodePage::windows1252();
        static const CodePage other = describe(number);
        return other;
    }();
    return page;
}

} // namespace tarnwick
