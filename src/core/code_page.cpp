#include "code_page.h"

#include <algorithm>
#include <cstring>

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

// True when one of the eight bytes of word is c.
inline bool holdsByte(std::uint64_t word, char c) {
    constexpr std::uint64_t ones = 0x0101010101010101u;
    const std::uint64_t x = word ^ (ones * static_cast<unsigned char>(c));
    return ((x - ones) & ~x & (ones << 7)) != 0;
}

// The first index at or after from where text holds the bytes of what; npos when there is none.
// The first byte is looked for eight bytes at a time: the C runtime's memchr, which the string's
// own search calls, goes a byte at a time on some systems.
std::size_t findBytes(const std::string& text, const std::string& what, std::size_t from) {
    const std::size_t size = what.size();
    if (size == 0)
        return from <= text.size() ? from : std::string::npos;
    if (text.size() < size)
        return std::string::npos;
    const std::size_t last = text.size() - size; // the last index a match can begin at
    const char first = what[0];
    for (std::size_t at = from;; ++at) {
        for (; at + 8 <= text.size(); at += 8) {
            std::uint64_t word;
            std::memcpy(&word, text.data() + at, 8);
            if (holdsByte(word, first))
                break;
        }
        while (at <= last && text[at] != first)
            ++at;
        if (at > last)
            return std::string::npos;
        if (std::equal(what.begin() + 1, what.end(),
                       text.begin() + static_cast<std::ptrdiff_t>(at + 1)))
            return at;
    }
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

// The bytes of the character from 0x80 up at text[at]; the usual two- and three-byte characters
// are told at once.
inline std::size_t longSize(const std::string& text, std::size_t at) {
    const unsigned char c = byteAt(text, at);
    const std::size_t left = text.size() - at;
    if (c >= 0xC2 && c <= 0xDF && left >= 2 && isContinuation(byteAt(text, at + 1)))
        return 2;
    if (c >= 0xE1 && c <= 0xEF && left >= 3 && isContinuation(byteAt(text, at + 1)) &&
        isContinuation(byteAt(text, at + 2)))
        return 3;
    const std::size_t size = utf8SequenceSize(text, at);
    return size == 0 ? 1 : size;
}

inline std::size_t sizeAt(const std::string& text, std::size_t at) {
    return byteAt(text, at) < 0x80 ? 1 : longSize(text, at);
}

constexpr std::uint32_t lastCodePoint = 0x10FFFF;
constexpr std::uint32_t letterBlockBits = 8;
constexpr std::uint32_t letterBlockSize = 1u << letterBlockBits;

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
    return longSize(text, at);
}

std::size_t utf16Length(const std::string& text) {
    std::size_t units = 0;
    for (std::size_t at = 0; at < text.size(); ++units) {
        const std::size_t size = utf8SequenceSize(text, at);
        units += size == 4 ? 1 : 0;
        at += size == 0 ? 1 : size;
    }
    return units;
}

std::size_t CodePage::length(const std::string& text) const {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); at += sizeAt(text, at))
        ++count;
    return count;
}

std::size_t CodePage::advance(const std::string& text, std::size_t count) const {
    std::size_t at = 0;
    for (; count > 0 && at < text.size(); --count)
        at += sizeAt(text, at);
    return at;
}

std::size_t CodePage::find(const std::string& text, const std::string& what,
                           std::size_t from) const {
    // An ASCII byte is always a character of its own, never part of a longer one: a match that
    // begins and ends with one begins and ends between characters.
    if (!what.empty() && byteAt(what, 0) < 0x80 && byteAt(what, what.size() - 1) < 0x80)
        return findBytes(text, what, from);
    // start is always where a character begins, at or before every candidate still to look at.
    std::size_t start = from;
    for (std::size_t at = findBytes(text, what, from); at != std::string::npos;
         at = findBytes(text, what, start)) {
        while (start < at)
            start += sizeAt(text, start);
        if (start != at)
            continue; // the candidate begins inside a character
        std::size_t end = at;
        while (end < at + what.size())
            end += sizeAt(text, end);
        if (end == at + what.size())
            return at;
        start += sizeAt(text, start); // it ends inside one
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
        // Eight bytes at a time up to the word that holds one of them.
        std::size_t at = end;
        for (; at >= 8; at -= 8) {
            std::uint64_t word;
            std::memcpy(&word, text.data() + at - 8, 8);
            if (holdsByte(word, a) || holdsByte(word, b) || holdsByte(word, c))
                break;
        }
        while (at-- > 0) {
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
        const std::size_t size = longSize(text, at);
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
        const std::size_t size = longSize(text, at);
        mapPair(text, at, size, false);
        at += size;
    }
}

inline bool CodePage::isLetterCode(std::uint32_t code) const {
    if (code <= lastCodePoint && !letterSlots_.empty()) {
        const std::uint16_t slot = letterSlots_[code >> letterBlockBits];
        if (slot != 0)
            return (letterBits_[slot - 1][(code >> 6) & 3] >> (code & 63) & 1) != 0;
    }
    return askIsLetter(code);
}

bool CodePage::isLetter(const std::string& text, std::size_t at, std::size_t size) const {
    if (size == 1)
        return isAsciiLetter(byteAt(text, at));
    return isLetterCode(codePointOf(text, at, size));
}

bool CodePage::askIsLetter(std::uint32_t code) const {
    if (code > lastCodePoint || !characters_.isLetter)
        return false;
    if (letterSlots_.empty())
        letterSlots_.assign((lastCodePoint >> letterBlockBits) + 1, 0);
    const std::uint32_t first = code & ~(letterBlockSize - 1);
    std::array<std::uint64_t, letterBlockSize / 64> bits{};
    for (std::uint32_t c = 0; c < letterBlockSize; ++c)
        if (characters_.isLetter(first + c))
            bits[c / 64] |= std::uint64_t{1} << (c % 64);
    letterBits_.push_back(bits);
    letterSlots_[code >> letterBlockBits] = static_cast<std::uint16_t>(letterBits_.size());
    return (bits[(code >> 6) & 3] >> (code & 63) & 1) != 0;
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
        if (c == umlautLead) {
            const std::size_t size = longSize(text, at);
            mapPair(text, at, size, afterLetter);
            afterLetter = size > 1 && isLetterCode(utf8CodePoint(text, at, size));
            at += size;
            continue;
        }
        // Beyond ASCII only the umlauts change. A run of other characters stays as it is, and
        // only whether its last character is a letter matters to the one after it. The run ends
        // at an ASCII byte or at the umlauts' lead byte, which no character holds but at its
        // start, so it is whole characters.
        std::size_t end = at + 1;
        while (end < text.size() && byteAt(text, end) >= 0x80 && byteAt(text, end) != umlautLead)
            ++end;
        afterLetter = lastIsLetter(text, at, end);
        at = end;
    }
}

bool CodePage::lastIsLetter(const std::string& text, std::size_t first, std::size_t end) const {
    // The last character is the one sequence that ends at end, which begins at the last byte
    // before it that continues none, or else the last byte alone, which is no character.
    std::size_t lead = end - 1;
    while (lead > first && end - lead < 4 && isContinuation(byteAt(text, lead)))
        --lead;
    const std::size_t size = end - lead;
    return size > 1 && longSize(text, lead) == size &&
           isLetterCode(utf8CodePoint(text, lead, size));
}

} // namespace tarnwick
