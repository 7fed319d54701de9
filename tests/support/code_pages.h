// Code pages for the platform-free tests beside the built-in 1252 and UTF-8: Shift-JIS (932) with
// the few characters the tests use, as Windows converts them.
#pragma once

#include "core/code_page.h"

#include <cstring>
#include <map>
#include <string>

namespace tarnwick::testing {

// ア 83 41, イ 83 43, ウ 83 45, ヂ 83 61, ソ 83 5C, ポ 83 7C, 表 95 5C, 影 89 65, 右 89 45,
// － 81 7C (full-width hyphen-minus); the half-width katakana are single bytes A1-DF.
inline const CodePage& shiftJis() {
    static const CodePage page = [] {
        std::array<bool, 256> lead{};
        for (int b = 0x81; b <= 0x9F; ++b)
            lead[b] = true;
        for (int b = 0xE0; b <= 0xFC; ++b)
            lead[b] = true;
        static const std::map<std::string, std::uint32_t> known = {
            {"\x83\x41", 0x30A2}, {"\x83\x43", 0x30A4}, {"\x83\x45", 0x30A6}, {"\x83\x61", 0x30C2},
            {"\x83\x5C", 0x30BD}, {"\x83\x7C", 0x30DD}, {"\x95\x5C", 0x8868}, {"\x89\x65", 0x5F71},
            {"\x89\x45", 0x53F3}, {"\x81\x7C", 0xFF0D}};
        auto decode = [](const char* bytes, std::size_t size) -> std::uint32_t {
            const auto b = static_cast<unsigned char>(bytes[0]);
            if (size == 1)
                return b < 0x80
                           ? b
                           : (b >= 0xA1 && b <= 0xDF ? 0xFF61 + (b - 0xA1) : CodePage::noCharacter);
            const auto found = known.find(std::string(bytes, size));
            return found == known.end() ? CodePage::noCharacter : found->second;
        };
        // Shift-JIS has no Ä, Ö, Ü.
        auto encode = [](std::uint32_t code) {
            return code < 0x80 ? std::string(1, static_cast<char>(code)) : std::string();
        };
        return CodePage(932, lead, decode, encode);
    }();
    return page;
}

} // namespace tarnwick::testing
