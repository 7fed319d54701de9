// Code pages for the platform-free tests beside the built-in 1252 and UTF-8: Shift-JIS (932) with
// the few characters the tests use, as Windows converts them.
#pragma once

#include "core/code_page.h"
#include "host_characters.h"

#include <cstring>
#include <map>
#include <string>

namespace tarnwick::testing {

// ア 83 41, イ 83 43, ウ 83 45, ヂ 83 61, ソ 83 5C, ポ 83 7C, 表 95 5C, 影 89 65, 右 89 45,
// － 81 7C (full-width hyphen-minus), by their bytes.
inline const std::map<std::string, std::uint32_t>& shiftJisCharacters() {
    static const std::map<std::string, std::uint32_t> known = {
        {"\x83\x41", 0x30A2}, {"\x83\x43", 0x30A4}, {"\x83\x45", 0x30A6}, {"\x83\x61", 0x30C2},
        {"\x83\x5C", 0x30BD}, {"\x83\x7C", 0x30DD}, {"\x95\x5C", 0x8868}, {"\x89\x65", 0x5F71},
        {"\x89\x45", 0x53F3}, {"\x81\x7C", 0xFF0D}};
    return known;
}

// Those characters and the half-width katakana, single bytes A1-DF.
inline const CodePage& shiftJis() {
    static const CodePage page = [] {
        std::array<bool, 256> lead{};
        for (int b = 0x81; b <= 0x9F; ++b)
            lead[b] = true;
        for (int b = 0xE0; b <= 0xFC; ++b)
            lead[b] = true;
        auto decode = [](const char* bytes, std::size_t size) -> std::uint32_t {
            const auto b = static_cast<unsigned char>(bytes[0]);
            if (size == 1)
                return b < 0x80
                           ? b
                           : (b >= 0xA1 && b <= 0xDF ? 0xFF61 + (b - 0xA1) : CodePage::noCharacter);
            const auto found = shiftJisCharacters().find(std::string(bytes, size));
            return found == shiftJisCharacters().end() ? CodePage::noCharacter : found->second;
        };
        // Shift-JIS has no Ä, Ö, Ü.
        auto encode = [](std::uint32_t code) {
            return code < 0x80 ? std::string(1, static_cast<char>(code)) : std::string();
        };
        return CodePage(932, lead, decode, encode, hostCharacters());
    }();
    return page;
}

namespace detail {

// The code point of the well-formed UTF-8 sequence at text[at] and its size; 0 for a byte that
// begins none.
inline std::size_t decodeUtf8(const std::string& text, std::size_t at, std::uint32_t& code) {
    const auto b = static_cast<unsigned char>(text[at]);
    const std::size_t size = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 ? 2 : 0;
    if (size == 0 || at + size > text.size())
        return 0;
    code = b & (0x7Fu >> size);
    for (std::size_t i = 1; i < size; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (next & 0x3Fu);
    }
    return size;
}

} // namespace detail

// A text written in UTF-8 in the test's source, in the bytes of page: the characters of 1252
// and those of shiftJis() that the tests use. A byte that begins no UTF-8 character, and a
// character the page lacks, stay as they are, so that rows can hold raw bytes too.
inline std::string inPage(const CodePage& page, const std::string& text) {
    if (page.number() == CodePage::utf8Number)
        return text;
    static const std::map<std::uint32_t, char> windows1252Specials = {
        {0x20AC, '\x80'}, {0x0192, '\x83'}, {0x0160, '\x8A'}, {0x0152, '\x8C'}, {0x017D, '\x8E'},
        {0x2013, '\x96'}, {0x0161, '\x9A'}, {0x0153, '\x9C'}, {0x017E, '\x9E'}, {0x0178, '\x9F'}};
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        std::uint32_t code = 0;
        const std::size_t size = detail::decodeUtf8(text, at, code);
        std::string bytes;
        if (size != 0 && page.number() == 1252) {
            const auto special = windows1252Specials.find(code);
            if (special != windows1252Specials.end())
                bytes = std::string(1, special->second);
            else if (code < 0x100 && (code < 0x80 || code > 0x9F))
                bytes = std::string(1, static_cast<char>(code));
        } else if (size != 0 && page.number() == 932) {
            for (const auto& known : shiftJisCharacters())
                if (known.second == code)
                    bytes = known.first;
            if (code >= 0xFF61 && code <= 0xFF9F) // half-width katakana
                bytes = std::string(1, static_cast<char>(0xA1 + (code - 0xFF61)));
        }
        if (bytes.empty()) {
            const std::size_t keep = size == 0 ? 1 : size;
            bytes = text.substr(at, keep);
            at += keep;
        } else {
            at += size;
        }
        out += bytes;
    }
    return out;
}

} // namespace tarnwick::testing
