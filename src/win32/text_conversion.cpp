#include "text_conversion.h"

#include "core/wtf8_characters.h"

#include <utility>

namespace tarnwick {

namespace {

constexpr char32_t replacement = 0xFFFD;

// The code point at text[at] and its size in bytes; a lone surrogate in its generalized form is
// one, a byte that begins no character gives replacement and 0. A surrogate pair written as two
// generalized forms (which programFromWide never writes) is read as the two units.
char32_t decode(const std::string& text, std::size_t at, std::size_t& size) {
    size = utf8SequenceSize(text, at);
    return size == 0 ? replacement : utf8CodePoint(text, at, size);
}

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

inline bool isHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

inline bool isLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

namespace {

void appendWide(std::wstring& wide, char32_t code) {
    if (code > 0xFFFF) {
        wide += static_cast<wchar_t>(0xD800 + ((code - 0x10000) >> 10));
        wide += static_cast<wchar_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
        wide += static_cast<wchar_t>(code);
    }
}

} // namespace

std::wstring wideFromProgram(const std::string& text) {
    std::wstring wide;
    wide.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        std::size_t size = 0;
        const char32_t code = decode(text, at, size);
        at += size == 0 ? 1 : size;
        appendWide(wide, code);
    }
    return wide;
}

std::string programFromWide(std::wstring_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t unit = static_cast<char16_t>(text[i]);
        if (isHighSurrogate(unit) && i + 1 < text.size() &&
            isLowSurrogate(static_cast<char16_t>(text[i + 1]))) {
            const char32_t low = static_cast<char16_t>(text[++i]);
            appendUtf8(result, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        } else {
            appendUtf8(result, unit); // a lone surrogate in its generalized form
        }
    }
    return result;
}

bool exactWideFromProgram(const std::string& text, std::wstring& wide) {
    std::wstring result;
    result.reserve(text.size());
    bool afterHigh = false;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t size = 0;
        const char32_t code = decode(text, at, size);
        // A pair spelled as two lone surrogates comes back as one character of four bytes.
        if (size == 0 || (afterHigh && isLowSurrogate(code)))
            return false;
        afterHigh = isHighSurrogate(code);
        at += size;
        appendWide(result, code);
    }
    wide = std::move(result);
    return true;
}

} // namespace tarnwick
