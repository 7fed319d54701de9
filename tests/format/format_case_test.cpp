#include "format/name_ops.h"
#include "support/code_pages.h"

#include <gtest/gtest.h>

#include <string>

namespace tarnwick {
namespace {

const CodePage* const sjis = &testing::shiftJis();
const CodePage* const utf8 = &CodePage::utf8();

// Names are Windows-1252 bytes: \xC4 Ä, \xE4 ä, \xDC Ü, \xFC ü, \xDF ß, \xC9 É, \xE9 é.
TEST(LetterCase, ThreeStyles) {
    const struct {
        const char* name;
        const char* small;
        const char* capital;
        const char* initials;
        const CodePage* page = nullptr; // 1252 unless given
    } cases[] = {
        {"my HOLIDAY.jpg", "my holiday.jpg", "MY HOLIDAY.JPG", "My Holiday.Jpg"},
        {"2nd-try_FINAL.txt", "2nd-try_final.txt", "2ND-TRY_FINAL.TXT", "2Nd-Try_Final.Txt"},
        {"o'neil.txt", "o'neil.txt", "O'NEIL.TXT", "O'Neil.Txt"},
        {"\xC4RGER.TXT", "\xE4rger.txt", "\xC4RGER.TXT", "\xC4rger.Txt"},
        {"gr\xFCne.txt", "gr\xFCne.txt", "GR\xDCNE.TXT", "Gr\xFCne.Txt"},
        {"x", "x", "X", "X"},
        {"", "", "", ""},
        {"a.TXT", "a.txt", "A.TXT", "A.Txt"},
        {"gr\xFC\xDF"
         "e.txt",
         "gr\xFC\xDF"
         "e.txt",
         "GR\xDC\xDF"
         "E.TXT",
         "Gr\xFC\xDF"
         "e.Txt"},
        {"M\xDCLLER", "m\xFCller", "M\xDCLLER", "M\xFCller"},
        {"\xC9"
         "COLE",
         "\xC9"
         "cole",
         "\xC9"
         "COLE",
         "\xC9"
         "cole"},
        {"caf\xE9 OLE", "caf\xE9 ole", "CAF\xE9 OLE", "Caf\xE9 Ole"},
        {"a\xD7"
         "b \xB5m",
         "a\xD7"
         "b \xB5m",
         "A\xD7"
         "B \xB5M",
         "A\xD7"
         "B \xB5m"},
        {"123 -_.()", "123 -_.()", "123 -_.()", "123 -_.()"},
        {"a\x83"
         "bc",
         "a\x83"
         "bc",
         "A\x83"
         "BC",
         "A\x83"
         "bc"}, // ƒ is a small letter
        // Shift-JIS: ア (83 41) and 影 (89 65) keep their trail bytes and are letters; the
        // half-width katakana ｱ (B1) is a letter of one byte.
        {"\x83\x41.txt", "\x83\x41.txt", "\x83\x41.TXT", "\x83\x41.Txt", sjis},
        {"\x89\x65"
         "a",
         "\x89\x65"
         "a",
         "\x89\x65"
         "A",
         "\x89\x65"
         "a",
         sjis},
        {"\xB1"
         "a",
         "\xB1"
         "a",
         "\xB1"
         "A",
         "\xB1"
         "a",
         sjis},
        // UTF-8: 中, Ä (C3 84), Č (C4 8C), Д, an emoji (no letter).
        {"\xE4\xB8\xAD.txt", "\xE4\xB8\xAD.txt", "\xE4\xB8\xAD.TXT", "\xE4\xB8\xAD.Txt", utf8},
        {"\xC3\x84RGER.txt", "\xC3\xA4rger.txt", "\xC3\x84RGER.TXT", "\xC3\x84rger.Txt", utf8},
        {"\xC4\x8C"
         "apek.TXT",
         "\xC4\x8C"
         "apek.txt",
         "\xC4\x8C"
         "APEK.TXT",
         "\xC4\x8C"
         "apek.Txt",
         utf8},
        {"\xD0\x94\xD0\x9E\xD0\x9C.txt", "\xD0\x94\xD0\x9E\xD0\x9C.txt",
         "\xD0\x94\xD0\x9E\xD0\x9C.TXT", "\xD0\x94\xD0\x9E\xD0\x9C.Txt", utf8},
        {"\xF0\x9F\x98\x80"
         "a\xC3\xBC",
         "\xF0\x9F\x98\x80"
         "a\xC3\xBC",
         "\xF0\x9F\x98\x80"
         "A\xC3\x9C",
         "\xF0\x9F\x98\x80"
         "A\xC3\xBC",
         utf8},
        {"\xC3x\xC3\x9C", "\xC3x\xC3\xBC", "\xC3X\xC3\x9C", "\xC3X\xC3\xBC", utf8},
    };
    for (const auto& c : cases) {
        const CodePage& page = c.page != nullptr ? *c.page : CodePage::windows1252();
        std::string name = c.name;
        EXPECT_TRUE(applyCase(name, smallLetters, page));
        EXPECT_EQ(name, c.small) << c.name;
        name = c.name;
        EXPECT_TRUE(applyCase(name, capitalLetters, page));
        EXPECT_EQ(name, c.capital) << c.name;
        name = c.name;
        EXPECT_TRUE(applyCase(name, capitalInitials, page));
        EXPECT_EQ(name, c.initials) << c.name;
    }
}

// Every byte of the code page: only A-Z and Ä Ö Ü pair with a-z and ä ö ü; all else stays.
TEST(LetterCase, OnlyAsciiLettersAndUmlautsChange) {
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        const bool capital =
            (byte >= 'A' && byte <= 'Z') || byte == 0xC4 || byte == 0xD6 || byte == 0xDC;
        const bool small =
            (byte >= 'a' && byte <= 'z') || byte == 0xE4 || byte == 0xF6 || byte == 0xFC;
        std::string name(1, c);
        CodePage::windows1252().toSmall(name);
        EXPECT_EQ(name[0], capital ? static_cast<char>(byte + 0x20) : c) << byte;
        name.assign(1, c);
        CodePage::windows1252().toCapital(name);
        EXPECT_EQ(name[0], small ? static_cast<char>(byte - 0x20) : c) << byte;
    }
}

// For the word rule a letter is any letter of code page 1252: A-Z, a-z, the letters among
// 0x80-0xBF (ƒ Š Œ Ž š œ ž Ÿ ª µ º) and 0xC0-0xFF except × and ÷. After a letter the next one is
// made small, after anything else capital.
TEST(LetterCase, InitialCapitalsFollowTheLettersOfTheCodePage) {
    std::string letters = "\x83\x8A\x8C\x8E\x9A\x9C\x9E\x9F\xAA\xB5\xBA";
    for (int c = 'A'; c <= 'Z'; ++c)
        letters += static_cast<char>(c);
    for (int c = 'a'; c <= 'z'; ++c)
        letters += static_cast<char>(c);
    for (int c = 0xC0; c <= 0xFF; ++c)
        if (c != 0xD7 && c != 0xF7)
            letters += static_cast<char>(c);
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        // First in the name, the byte is looked at before its own case changes.
        std::string name = std::string(1, c) + "xX";
        ASSERT_TRUE(applyCase(name, capitalInitials));
        const bool letter = letters.find(c) != std::string::npos;
        EXPECT_EQ(name.substr(1), letter ? "xx" : "Xx") << byte;
    }
}

TEST(LetterCase, UnknownStyleLeavesTheNameAndFails) {
    for (int style : {-1, 3, 99}) {
        std::string name = "MiXed.Txt";
        EXPECT_FALSE(applyCase(name, style));
        EXPECT_EQ(name, "MiXed.Txt");
    }
}

TEST(LetterCase, LongNamesEnd) {
    std::string name(4000, '\xFC');
    ASSERT_TRUE(applyCase(name, capitalInitials));
    EXPECT_EQ(name, "\xDC" + std::string(3999, '\xFC'));
}

} // namespace
} // namespace tarnwick
