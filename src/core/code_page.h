// The characters of the program's strings. Names are UTF-8 on every Windows: a character is one to
// four bytes, and a lone UTF-16 surrogate, which NTFS allows in a name, is the three bytes of its
// generalized UTF-8 form (ED A0 80 to ED BF BF), so that every name on the disk has a spelling of
// its own. Every position, search and change of letter case works on whole characters; a byte that
// belongs to a character is never taken for a character of its own.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tarnwick {

// What the platform tells of any character by its code point: whether it is a letter of some
// script, and the capital the file system compares it as.
struct PlatformCharacters {
    std::function<bool(std::uint32_t codePoint)> isLetter;
    std::function<std::uint32_t(std::uint32_t codePoint)> capital;
};

// The UTF-8 sequence that begins at text[at] (at < text.size()): its size in bytes, 1 to 4, never
// past the end, the generalized form of a lone UTF-16 surrogate (ED A0..BF xx) counted as one;
// 0 for a byte from 0x80 up that begins none.
std::size_t utf8SequenceSize(const std::string& text, std::size_t at);
// The code point of the sequence of size bytes (from utf8SequenceSize) at text[at].
std::uint32_t utf8CodePoint(const std::string& text, std::size_t at, std::size_t size);
// The UTF-16 units of text, as the file system counts a name's length: two for a character
// beyond the Basic Multilingual Plane, one for every other character and for a byte that begins
// none (it becomes U+FFFD).
std::size_t utf16Length(const std::string& text);

class CodePage {
public:
    static constexpr std::uint32_t noCharacter = 0xFFFFFFFFu;

    // UTF-8, whose letters and capitals beyond ASCII the platform tells.
    static CodePage utf8(PlatformCharacters characters);

    // The bytes of the character that begins at text[at] (at < text.size()): 1 to 4, never past
    // the end. A byte that begins no valid character is a character of its own.
    std::size_t charSize(const std::string& text, std::size_t at) const {
        return static_cast<unsigned char>(text[at]) < 0x80 ? 1 : longCharSize(text, at);
    }
    // The number of characters of text.
    std::size_t length(const std::string& text) const;
    // The byte index after the first count characters of text; its size when it has fewer.
    std::size_t advance(const std::string& text, std::size_t count) const;
    // The first occurrence of what in text at or after from (where a character begins) that
    // begins and ends between characters; npos when there is none.
    std::size_t find(const std::string& text, const std::string& what, std::size_t from = 0) const;
    // The index of the last character before end that is one of the ASCII characters of set.
    std::size_t findLastOf(const std::string& text, const char* set, std::size_t end) const;
    // True when text holds one of the ASCII characters of set as a character.
    bool holdsAny(const std::string& text, const char* set) const;
    // True when the last character of text is the ASCII character c.
    bool endsWith(const std::string& text, char c) const;

    // Letter case by fixed pairs, whatever the system's language settings: A-Z with a-z, and
    // Ä/ä, Ö/ö, Ü/ü. Every other character stays.
    void toSmall(std::string& text) const;
    void toCapital(std::string& text) const;
    // A letter begins a word when the character before it is no letter: it becomes capital, every
    // other letter small.
    void toCapitalInitials(std::string& text) const;
    // True when the character of size bytes at text[at] is a letter.
    bool isLetter(const std::string& text, std::size_t at, std::size_t size) const;
    // The character of size bytes at text[at] as the file system compares names, regardless of
    // letter case: the code point of its capital; a byte that is no character gives a value of
    // its own that no code point has.
    std::uint32_t caseKey(const std::string& text, std::size_t at, std::size_t size) const;

private:
    explicit CodePage(PlatformCharacters characters) : characters_(std::move(characters)) {}
    bool isLetterCode(std::uint32_t code) const;
    // True when the last character of text[first, end), where a character begins, is a letter.
    bool lastIsLetter(const std::string& text, std::size_t first, std::size_t end) const;
    // Asks the platform about the block of code and keeps the answers.
    bool askIsLetter(std::uint32_t code) const;
    std::size_t longCharSize(const std::string& text, std::size_t at) const;
    // Changes the letter of a fixed pair of size bytes at text[at] to its small or capital form.
    static void mapPair(std::string& text, std::size_t at, std::size_t size, bool toSmall);

    PlatformCharacters characters_;
    // What the platform said of the letters, asked a block of 256 code points at a time when one
    // of them is first met: for each block 0 when not asked yet, else 1 + the index of its bits,
    // one for each letter. A name of some script meets few blocks, and the platform is asked once
    // for each; the bits stay small enough to stay in the processor's cache.
    mutable std::vector<std::uint16_t> letterSlots_;
    mutable std::vector<std::array<std::uint64_t, 4>> letterBits_;
};

} // namespace tarnwick
