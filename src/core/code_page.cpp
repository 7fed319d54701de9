#include "code_page.h"

#include <algorithm>

namespace tarnwick {

namespace {

inline unsigned char byteAt(const std::string& text, std::size_t at) {
    return static_cast<unsigned char>(text[at]);
}

// True when c is one of the characters of set (never for the terminating zero).
inline bool isOneOf(char c, const char* set) {
    for (; *set != '\0'; ++set)
        if (*set == c)
            return true;
    return false;
}

inline bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

inline bool isAsciiLetter(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Ä Ö Ü are C3 84, C3 96, C3 9C; ä ö ü lie 0x20 above in the second byte.
constexpr unsigned char umlautLead = 0xC3;
constexpr unsigned char umlautShift = 0x20;

inline bool isCapitalUmlaut(unsigned char second) {
    return second == 0x84 || second == 0x96 || second == 0x9C;
}

inline bool isSmallUmlaut(unsigned char second) {
    return isCapitalUmlaut(static_cast<unsigned char>(second - umlautShift));
}

std::uint32_t codePointOf(const std::string& text, std::size_t at, std::size_t size) {
    if (size == 1 && byteAt(text, at) >= 0x80)
        return CodePage::noCharacter;
    return utf8CodePoint(text, at, size);
}

} // namespace

CodePage CodePage::utf8(PlatformCharacters characters) {
    return CodePage(std::move(characters));
}

std::size_t utf8SequenceSize(const std::string& text, std::size_t at) {
    const unsigned char b = byteAt(text, at);
    if (b < 0x80)
        return 1;
    std::size_t size = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (b >= 0xC2 && b <= 0xDF) {
        size = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        size = 3;
        if (b == 0xE0)
            low = 0xA0; // no overlong forms
    } else if (b >= 0xF0 && b <= 0xF4) {
        size = 4;
        if (b == 0xF0)
            low = 0x90;
        if (b == 0xF4)
            high = 0x8F; // nothing beyond U+10FFFF
    } else {
        return 0;
    }
    if (text.size() - at < size || byteAt(text, at + 1) < low || byteAt(text, at + 1) > high)
        return 0;
    for (std::size_t i = 2; i < size; ++i)
        if (!isContinuation(byteAt(text, at + i)))
            return 0;
    return size;
}

std::uint32_t utf8CodePoint(const std::string& text, std::size_t at, std::size_t size) {
    std::uint32_t code = byteAt(text, at) & (size == 1 ? 0x7Fu : 0x7Fu >> size);
    for (std::size_t i = 1; i < size; ++i)
        code = (code << 6) | (byteAt(text, at + i) & 0x3Fu);
    return code;
}

std::size_t CodePage::longCharSize(const std::string& text, std::size_t at) const {
    const std::size_t size = utf8SequenceSize(text, at);
    return size == 0 ? 1 : size;
}

std::size_t CodePage::length(const std::string& text) const {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); at += charSize(text, at))
        ++count;
    return count;
}

std::size_t CodePage::advance(const std::string& text, std::size_t count) const {
    std::size_t at = 0;
    for (; count > 0 && at < text.size(); --count)
        at += charSize(text, at);
    return at;
}

std::size_t CodePage::find(const std::string& text, const std::string& what,
                           std::size_t from) const {
    // An ASCII byte is always a character of its own, never part of a longer one: a match that
    // begins and ends with one begins and ends between characters.
    if (!what.empty() && byteAt(what, 0) < 0x80 && byteAt(what, what.size() - 1) < 0x80)
        return text.find(what, from);
    // start is always where a character begins, at or before every candidate still to look at.
    std::size_t start = from;
    for (std::size_t at = text.find(what, from); at != std::string::npos;
         at = text.find(what, start)) {
        while (start < at)
            start += charSize(text, start);
        if (start != at)
            continue; // the candidate begins inside a character
        std::size_t end = at;
        while (end < at + what.size())
            end += charSize(text, end);
        if (end == at + what.size())
            return at;
        start += charSize(text, start); // it ends inside one
    }
    return std::string::npos;
}

// No byte of a longer character is an ASCII byte, and the sets hold only ASCII characters. The
// sets of the program have one to three characters, compared without a loop of their own.
std::size_t CodePage::findLastOf(const std::string& text, const char* set, std::size_t end) const {
    end = std::min(end, text.size());
    if (set[0] == '\0')
        return std::string::npos;
    if (set[1] == '\0' || set[2] == '\0' || set[3] == '\0') {
        const char a = set[0];
        const char b = set[1] != '\0' ? set[1] : a;
        const char c = set[1] != '\0' && set[2] != '\0' ? set[2] : b;
        for (std::size_t at = end; at-- > 0;) {
            const char x = text[at];
            if (x == a || x == b || x == c)
                return at;
        }
        return std::string::npos;
    }
    for (std::size_t at = end; at-- > 0;)
        if (isOneOf(text[at], set))
            return at;
    return std::string::npos;
}

bool CodePage::holdsAny(const std::string& text, const char* set) const {
    return text.find_first_of(set) != std::string::npos;
}

bool CodePage::endsWith(const std::string& text, char c) const {
    return !text.empty() && text.back() == c;
}

void CodePage::mapPair(std::string& text, std::size_t at, std::size_t size, bool toSmall) {
    if (size != 2 || byteAt(text, at) != umlautLead)
        return;
    const unsigned char second = byteAt(text, at + 1);
    if (toSmall && isCapitalUmlaut(second))
        text[at + 1] = static_cast<char>(second + umlautShift);
    else if (!toSmall && isSmallUmlaut(second))
        text[at + 1] = static_cast<char>(second - umlautShift);
}

void CodePage::toSmall(std::string& text) const {
    for (std::size_t at = 0; at < text.size();) {
        const unsigned char c = byteAt(text, at);
        if (c < 0x80) {
            if (c >= 'A' && c <= 'Z')
                text[at] = static_cast<char>(c + 0x20);
            ++at;
            continue;
        }
        const std::size_t size = longCharSize(text, at);
        mapPair(text, at, size, true);
        at += size;
    }
}

void CodePage::toCapital(std::string& text) const {
    for (std::size_t at = 0; at < text.size();) {
        const unsigned char c = byteAt(text, at);
        if (c < 0x80) {
            if (c >= 'a' && c <= 'z')
                text[at] = static_cast<char>(c - 0x20);
            ++at;
            continue;
        }
        const std::size_t size = longCharSize(text, at);
        mapPair(text, at, size, false);
        at += size;
    }
}

bool CodePage::isLetter(const std::string& text, std::size_t at, std::size_t size) const {
    if (size == 1)
        return isAsciiLetter(byteAt(text, at));
    return isLetterCode(codePointOf(text, at, size));
}

bool CodePage::isLetterCode(std::uint32_t code) const {
    constexpr std::uint32_t planeSize = 0x10000;
    constexpr std::uint32_t blockSize = 0x100;
    if (code < planeSize && !bmpLetters_.empty() && bmpLetters_[code] != 0)
        return bmpLetters_[code] == 2;
    if (!characters_.isLetter)
        return false;
    if (code >= planeSize)
        return characters_.isLetter(code);
    if (bmpLetters_.empty())
        bmpLetters_.assign(planeSize, 0);
    const std::uint32_t block = code & ~(blockSize - 1);
    for (std::uint32_t c = block; c < block + blockSize; ++c)
        bmpLetters_[c] = characters_.isLetter(c) ? 2 : 1;
    return bmpLetters_[code] == 2;
}

std::uint32_t CodePage::caseKey(const std::string& text, std::size_t at, std::size_t size) const {
    const unsigned char first = byteAt(text, at);
    if (size == 1 && first < 0x80)
        return first >= 'a' && first <= 'z' ? first - 0x20u : first;
    if (size == 1)
        return 0x80000000u | first; // above every code point: such a byte compares as it is
    const std::uint32_t code = codePointOf(text, at, size);
    return characters_.capital ? characters_.capital(code) : code;
}

void CodePage::toCapitalInitials(std::string& text) const {
    // Changing case never changes whether a character is a letter, so the one before may
    // already be changed when it is looked at.
    bool afterLetter = false;
    for (std::size_t at = 0; at < text.size();) {
        const unsigned char c = byteAt(text, at);
        if (c < 0x80) {
            const bool letter = isAsciiLetter(c);
            if (letter)
                text[at] = static_cast<char>(afterLetter ? (c | 0x20) : (c & ~0x20));
            afterLetter = letter;
            ++at;
            continue;
        }
        // The usual two- and three-byte characters are read at once.
        std::size_t size = 0;
        std::uint32_t code = 0;
        const std::size_t left = text.size() - at;
        if (c >= 0xC2 && c <= 0xDF && left >= 2 && isContinuation(byteAt(text, at + 1))) {
            size = 2;
            code = (c & 0x1Fu) << 6 | (byteAt(text, at + 1) & 0x3Fu);
        } else if (c >= 0xE1 && c <= 0xEF && left >= 3 && isContinuation(byteAt(text, at + 1)) &&
                   isContinuation(byteAt(text, at + 2))) {
            size = 3;
            code = (c & 0x0Fu) << 12 | (byteAt(text, at + 1) & 0x3Fu) << 6 |
                   (byteAt(text, at + 2) & 0x3Fu);
        } else {
            size = longCharSize(text, at);
            code = size > 1 ? codePointOf(text, at, size) : noCharacter;
        }
        const bool letter = size > 1 && isLetterCode(code);
        if (c == umlautLead)
            mapPair(text, at, size, afterLetter);
        afterLetter = letter;
        at += size;
    }
}

} // namespace tarnwick
