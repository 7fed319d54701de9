#include "code_page.h"

#include <algorithm>
#include <cstring>

namespace tarnwick {

namespace {

constexpr std::uint32_t capitalUmlauts[] = {0xC4, 0xD6, 0xDC}; // Ä Ö Ü; ä ö ü lie 0x20 above
constexpr std::uint32_t umlautShift = 0x20;

inline unsigned char byteAt(const std::string& text, std::size_t at) {
    return static_cast<unsigned char>(text[at]);
}

// True when c is one of the characters of set (never for the terminating zero). The sets are of
// ASCII characters, so no byte of a longer character is one of them.
inline bool isOneOf(char c, const char* set) {
    for (; *set != '\0'; ++set)
        if (*set == c)
            return true;
    return false;
}

inline bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The size of a well-formed UTF-8 sequence that begins at bytes[0] with left bytes available,
// or 1 for a byte that begins none.
std::size_t utf8Size(const unsigned char* bytes, std::size_t left) {
    const unsigned char b = bytes[0];
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
        if (b == 0xED)
            high = 0x9F; // no surrogates
    } else if (b >= 0xF0 && b <= 0xF4) {
        size = 4;
        if (b == 0xF0)
            low = 0x90;
        if (b == 0xF4)
            high = 0x8F; // nothing beyond U+10FFFF
    } else {
        return 1;
    }
    if (left < size || bytes[1] < low || bytes[1] > high)
        return 1;
    for (std::size_t i = 2; i < size; ++i)
        if (!isContinuation(bytes[i]))
            return 1;
    return size;
}

std::uint32_t utf8CodePoint(const char* bytes, std::size_t size) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    if (size == 1)
        return b[0] < 0x80 ? b[0] : CodePage::noCharacter;
    std::uint32_t code = b[0] & (0x7Fu >> size);
    for (std::size_t i = 1; i < size; ++i)
        code = (code << 6) | (b[i] & 0x3Fu);
    return code;
}

std::string utf8Bytes(std::uint32_t code) {
    std::string out;
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
    return out;
}

// Every byte maps to itself except the pairs of the fixed tables: A-Z with a-z, and the umlauts
// Ä/ä, Ö/ö and Ü/ü at the bytes of code page 1252.
constexpr std::array<unsigned char, 256> caseTable1252(bool small) {
    std::array<unsigned char, 256> table{};
    for (int i = 0; i < 256; ++i)
        table[i] = static_cast<unsigned char>(i);
    constexpr int shift = 'a' - 'A';
    for (int capital = 'A'; capital + shift < 256; ++capital) {
        const bool changesCase = (capital >= 'A' && capital <= 'Z') || capital == 0xC4 ||
                                 capital == 0xD6 || capital == 0xDC; // Ä, Ö, Ü
        if (!changesCase)
            continue;
        if (small)
            table[capital] = static_cast<unsigned char>(capital + shift);
        else
            table[capital + shift] = static_cast<unsigned char>(capital);
    }
    return table;
}

// Every byte that is a letter in Windows-1252: A-Z, a-z, the accented letters from 0xC0 (except
// the multiplication and division signs) and the few letters between 0x80 and 0xBF (ƒ ˆ Š Œ Ž š
// œ ž Ÿ ª µ º).
constexpr std::array<unsigned char, 256> letterTable1252() {
    std::array<unsigned char, 256> table{};
    for (int c = 'A'; c <= 'Z'; ++c)
        table[c] = 1;
    for (int c = 'a'; c <= 'z'; ++c)
        table[c] = 1;
    for (int c = 0xC0; c <= 0xFF; ++c)
        table[c] = (c == 0xD7 || c == 0xF7) ? 0 : 1;
    for (int c : {0x83, 0x88, 0x8A, 0x8C, 0x8E, 0x9A, 0x9C, 0x9E, 0x9F, 0xAA, 0xB5, 0xBA})
        table[c] = 1;
    return table;
}

// The capital of every byte of Windows-1252 as the file system compares names: a-z, the accented
// small letters from 0xE0 (except the division sign), and š œ ž ÿ; ß and µ have none in 1252.
constexpr std::array<unsigned char, 256> fileCapitalTable1252() {
    std::array<unsigned char, 256> table{};
    for (int i = 0; i < 256; ++i)
        table[i] = static_cast<unsigned char>(i);
    for (int c = 'a'; c <= 'z'; ++c)
        table[c] = static_cast<unsigned char>(c - 0x20);
    for (int c = 0xE0; c <= 0xFE; ++c)
        if (c != 0xF7)
            table[c] = static_cast<unsigned char>(c - 0x20);
    table[0x9A] = 0x8A; // š Š
    table[0x9C] = 0x8C; // œ Œ
    table[0x9E] = 0x8E; // ž Ž
    table[0xFF] = 0x9F; // ÿ Ÿ
    return table;
}

} // namespace

CodePage::CodePage(int number, Kind kind) : number_(number), kind_(kind) {
    // ASCII is the same in every code page the program runs in.
    for (int i = 0; i < 128; ++i) {
        small_[i] = capital_[i] = static_cast<unsigned char>(i);
        letter_[i] = (i >= 'A' && i <= 'Z') || (i >= 'a' && i <= 'z');
    }
    for (int c = 'A'; c <= 'Z'; ++c) {
        small_[c] = static_cast<unsigned char>(c + 0x20);
        capital_[c + 0x20] = static_cast<unsigned char>(c);
    }
    for (int i = 128; i < 256; ++i)
        small_[i] = capital_[i] = static_cast<unsigned char>(i);
}

CodePage::CodePage(int number, const std::array<bool, 256>& leadBytes, Decoder decode,
                   Encoder encode, PlatformCharacters characters)
    : CodePage(number, std::find(leadBytes.begin(), leadBytes.end(), true) != leadBytes.end()
                           ? Kind::doubleByte
                           : Kind::singleByte) {
    lead_ = leadBytes;
    decode_ = std::move(decode);
    characters_ = std::move(characters);
    for (int i = 128; i < 256; ++i) {
        if (lead_[i])
            continue;
        const char byte = static_cast<char>(i);
        const std::uint32_t code = decode_(&byte, 1);
        letter_[i] = code != noCharacter && characters_.isLetter && characters_.isLetter(code);
    }
    for (std::uint32_t capital : capitalUmlauts) {
        const std::string big = encode(capital);
        const std::string little = encode(capital + umlautShift);
        if (big.empty() || big.size() != little.size())
            continue;
        if (big.size() == 1) {
            small_[static_cast<unsigned char>(big[0])] = static_cast<unsigned char>(little[0]);
            capital_[static_cast<unsigned char>(little[0])] = static_cast<unsigned char>(big[0]);
        } else {
            pairs_.emplace_back(big, little);
            pairLead_[static_cast<unsigned char>(big[0])] = true;
            pairLead_[static_cast<unsigned char>(little[0])] = true;
        }
    }
}

const CodePage& CodePage::windows1252() {
    static const CodePage page = [] {
        CodePage p(1252, Kind::singleByte);
        p.small_ = caseTable1252(true);
        p.capital_ = caseTable1252(false);
        p.letter_ = letterTable1252();
        p.fileCapital_ = fileCapitalTable1252();
        return p;
    }();
    return page;
}

CodePage CodePage::utf8(PlatformCharacters characters) {
    CodePage p(utf8Number, Kind::utf8);
    p.characters_ = std::move(characters);
    for (std::uint32_t capital : capitalUmlauts)
        p.pairs_.emplace_back(utf8Bytes(capital), utf8Bytes(capital + umlautShift));
    for (const auto& pair : p.pairs_) {
        p.pairLead_[static_cast<unsigned char>(pair.first[0])] = true;
        p.pairLead_[static_cast<unsigned char>(pair.second[0])] = true;
    }
    return p;
}

std::size_t CodePage::charSize(const std::string& text, std::size_t at) const {
    switch (kind_) {
    case Kind::singleByte: return 1;
    case Kind::doubleByte:
        // No double-byte code page has a trail byte below 0x40, so ".", ":" and the other
        // characters a name may not hold are never part of a longer one; the platform, too, takes
        // a lead byte before such a byte for a character of its own.
        return lead_[byteAt(text, at)] && at + 1 < text.size() && byteAt(text, at + 1) >= 0x40 ? 2
                                                                                               : 1;
    case Kind::utf8:
        return utf8Size(reinterpret_cast<const unsigned char*>(text.data()) + at, text.size() - at);
    }
    return 1;
}

std::size_t CodePage::length(const std::string& text) const {
    if (kind_ == Kind::singleByte)
        return text.size();
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); at += charSize(text, at))
        ++count;
    return count;
}

std::size_t CodePage::advance(const std::string& text, std::size_t count) const {
    if (kind_ == Kind::singleByte)
        return std::min(count, text.size());
    std::size_t at = 0;
    for (; count > 0 && at < text.size(); --count)
        at += charSize(text, at);
    return at;
}

std::size_t CodePage::find(const std::string& text, const std::string& what,
                           std::size_t from) const {
    if (kind_ == Kind::singleByte)
        return text.find(what, from);
    // In UTF-8 an ASCII byte is always a character of its own, never part of a longer one: a
    // match that begins and ends with one begins and ends between characters.
    if (kind_ == Kind::utf8 && !what.empty() && byteAt(what, 0) < 0x80 &&
        byteAt(what, what.size() - 1) < 0x80)
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

std::size_t CodePage::findLastOf(const std::string& text, const char* set, std::size_t end) const {
    end = std::min(end, text.size());
    if (kind_ != Kind::doubleByte) {
        // No byte of a longer UTF-8 character is an ASCII byte; set holds only ASCII characters.
        for (std::size_t at = end; at-- > 0;)
            if (isOneOf(text[at], set))
                return at;
        return std::string::npos;
    }
    std::size_t found = std::string::npos;
    for (std::size_t at = 0; at < end; at += charSize(text, at))
        if (isOneOf(text[at], set))
            found = at;
    return found;
}

bool CodePage::holdsAny(const std::string& text, const char* set) const {
    if (kind_ != Kind::doubleByte)
        return text.find_first_of(set) != std::string::npos;
    for (std::size_t at = 0; at < text.size(); at += charSize(text, at))
        if (isOneOf(text[at], set))
            return true;
    return false;
}

bool CodePage::endsWith(const std::string& text, char c) const {
    if (text.empty())
        return false;
    if (kind_ != Kind::doubleByte)
        return text.back() == c;
    const char set[] = {c, '\0'};
    return findLastOf(text, set, text.size()) == text.size() - 1;
}

void CodePage::mapCase(std::string& text, const ByteTable& table, bool toSmall) const {
    if (kind_ == Kind::singleByte) {
        for (char& c : text)
            c = static_cast<char>(table[static_cast<unsigned char>(c)]);
        return;
    }
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t size = charSize(text, at);
        if (size == 1)
            text[at] = static_cast<char>(table[byteAt(text, at)]);
        else
            mapPair(text, at, size, toSmall);
        at += size;
    }
}

void CodePage::mapPair(std::string& text, std::size_t at, std::size_t size, bool toSmall) const {
    if (!pairLead_[byteAt(text, at)])
        return;
    for (const auto& pair : pairs_) {
        const std::string& from = toSmall ? pair.first : pair.second;
        if (from.size() == size && std::equal(from.begin(), from.end(), text.begin() + at)) {
            // Both letters of a pair take the same number of bytes.
            const std::string& to = toSmall ? pair.second : pair.first;
            std::memcpy(&text[at], to.data(), size);
            return;
        }
    }
}

void CodePage::toSmall(std::string& text) const {
    mapCase(text, small_, true);
}

void CodePage::toCapital(std::string& text) const {
    mapCase(text, capital_, false);
}

std::uint32_t CodePage::codePointOf(const char* bytes, std::size_t size) const {
    if (kind_ == Kind::utf8)
        return utf8CodePoint(bytes, size);
    return decode_ ? decode_(bytes, size) : noCharacter;
}

bool CodePage::isLetter(const std::string& text, std::size_t at, std::size_t size) const {
    if (size == 1)
        return letter_[byteAt(text, at)] != 0;
    if (!characters_.isLetter)
        return false;
    const std::uint32_t code = codePointOf(text.data() + at, size);
    return code != noCharacter && characters_.isLetter(code);
}

std::uint32_t CodePage::caseKey(const std::string& text, std::size_t at, std::size_t size) const {
    const unsigned char first = byteAt(text, at);
    if (size == 1 && first < 0x80)
        return first >= 'a' && first <= 'z' ? first - 0x20u : first;
    if (!decode_ && kind_ == Kind::singleByte)
        return fileCapital_[first]; // 1252, by its fixed table
    const std::uint32_t code = codePointOf(text.data() + at, size);
    if (code == noCharacter) {
        // Above every code point: such bytes compare as they are.
        const std::uint32_t second = size > 1 ? byteAt(text, at + 1) | 0x100u : 0u;
        return 0x80000000u | (static_cast<std::uint32_t>(first) << 9) | second;
    }
    return characters_.capital ? characters_.capital(code) : code;
}

void CodePage::toCapitalInitials(std::string& text) const {
    // Changing case never changes whether a character is a letter, so the one before may
    // already be changed when it is looked at.
    bool afterLetter = false;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t size = charSize(text, at);
        const bool letter = isLetter(text, at, size);
        if (size == 1) {
            const ByteTable& table = afterLetter ? small_ : capital_;
            text[at] = static_cast<char>(table[byteAt(text, at)]);
        } else {
            mapPair(text, at, size, afterLetter);
        }
        afterLetter = letter;
        at += size;
    }
}

} // namespace tarnwick
