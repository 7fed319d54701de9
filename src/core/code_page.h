// The characters of the program's code page. Names are byte strings in that code page, and a
// character is one byte in a single-byte code page (such as Windows-1252), a lead byte with a
// trail byte in a double-byte one (932, 936, 949, 950: a trail byte can be "A"-"Z", "\" or "|"),
// and one to four bytes in UTF-8. Every position, search and change of letter case works on whole
// characters; a byte that belongs to a character is never taken for a character of its own.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tarnwick {

// What the platform tells of any character by its code point, whatever the code page: whether it
// is a letter of some script, and the capital the file system compares it as.
struct PlatformCharacters {
    std::function<bool(std::uint32_t codePoint)> isLetter;
    std::function<std::uint32_t(std::uint32_t codePoint)> capital;
};

class CodePage {
public:
    // The code point of one character of the code page (its bytes and their count), or
    // noCharacter when the code page has none there.
    using Decoder = std::function<std::uint32_t(const char* bytes, std::size_t size)>;
    // The bytes of a code point in the code page, or an empty string when it has none.
    using Encoder = std::function<std::string(std::uint32_t codePoint)>;
    static constexpr std::uint32_t noCharacter = 0xFFFFFFFFu;
    static constexpr int utf8Number = 65001;

    // Western Windows (1252), built in: its letters and their capitals are fixed.
    static const CodePage& windows1252();
    // UTF-8 (65001), whose letters and capitals the platform tells.
    static CodePage utf8(PlatformCharacters characters);
    // Any other code page as the platform describes it: its number, which bytes lead a
    // two-byte character (none in a single-byte code page), its conversions of one character,
    // and its letters and capitals.
    CodePage(int number, const std::array<bool, 256>& leadBytes, Decoder decode, Encoder encode,
             PlatformCharacters characters);

    int number() const { return number_; }

    // The bytes of the character that begins at text[at] (at < text.size()): 1 to 4, never past
    // the end. A byte that begins no valid character of the code page is a character of its own.
    std::size_t charSize(const std::string& text, std::size_t at) const;
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
    // Ä/ä, Ö/ö, Ü/ü in whatever bytes the code page writes them. Every other character stays.
    void toSmall(std::string& text) const;
    void toCapital(std::string& text) const;
    // A letter begins a word when the character before it is no letter: it becomes capital, every
    // other letter small.
    void toCapitalInitials(std::string& text) const;
    // True when the character of size bytes at text[at] is a letter.
    bool isLetter(const std::string& text, std::size_t at, std::size_t size) const;
    // The character of size bytes at text[at] as the file system compares names, regardless of
    // letter case: the code point of its capital; a byte that is no character of the code page
    // gives a value of its own that no code point has.
    std::uint32_t caseKey(const std::string& text, std::size_t at, std::size_t size) const;

private:
    enum class Kind { singleByte, doubleByte, utf8 };
    using ByteTable = std::array<unsigned char, 256>;
    CodePage(int number, Kind kind);
    void mapCase(std::string& text, const ByteTable& table, bool toSmall) const;
    // Changes the character of size (> 1) bytes at text[at] by the pairs, when it is one of them.
    void mapPair(std::string& text, std::size_t at, std::size_t size, bool toSmall) const;
    std::uint32_t codePointOf(const char* bytes, std::size_t size) const;

    int number_;
    Kind kind_;
    std::array<bool, 256> lead_{};
    ByteTable small_{};
    ByteTable capital_{};
    ByteTable letter_{};
    // The capital of every single byte as file names compare (1252).
    ByteTable fileCapital_{};
    // Capital and small letter of a pair that takes more than one byte, of equal sizes.
    std::vector<std::pair<std::string, std::string>> pairs_;
    // The first bytes of the letters of pairs_.
    std::array<bool, 256> pairLead_{};
    Decoder decode_;
    PlatformCharacters characters_;
};

} // namespace tarnwick
