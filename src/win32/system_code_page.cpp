#include "system_code_page.h"

#include "windows_rules.h"

#include <windows.h>

namespace tarnwick {

namespace {

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
    return CodePage(static_cast<int>(number), lead, decode, encode);
}

} // namespace

const CodePage& systemCodePage() {
    static const CodePage& page = []() -> const CodePage& {
        const UINT number = GetACP();
        if (number == CP_UTF8)
            return CodePage::utf8();
        if (number == 1252)
            return CodePage::windows1252();
        static const CodePage other = describe(number);
        return other;
    }();
    return page;
}

} // namespace tarnwick
