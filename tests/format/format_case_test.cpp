#include "format/name_ops.h"
#include "support/code_pages.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace tarnwick {
namespace {

// Rows in UTF-8, tried in the bytes of their code page (1252 unless given).
TEST(LetterCase, ThreeStyles) {
    const struct {
        const char* name;
        const char* small;
        const char* capital;
        const char* initials;
        const CodePage& page = CodePage::windows1252();
    } cases[] = {
        {"my HOLIDAY.jpg", "my holiday.jpg", "MY HOLIDAY.JPG", "My Holiday.Jpg"},
        {"2nd-try_FINAL.txt", "2nd-try_final.txt", "2ND-TRY_FINAL.TXT", "2Nd-Try_Final.Txt"},
        {"o'neil.txt", "o'neil.txt", "O'NEIL.TXT", "O'Neil.Txt"},
        {"ÄRGER.TXT", "ärger.txt", "ÄRGER.TXT", "Ärger.Txt"},
        {"grüne.txt", "grüne.txt", "GRÜNE.TXT", "Grüne.Txt"},
        {"x", "x", "X", "X"},
        {"", "", "", ""},
        {"a.TXT", "a.txt", "A.TXT", "A.Txt"},
        {"grüße.txt", "grüße.txt", "GRÜßE.TXT", "Grüße.Txt"},
        {"MÜLLER", "müller", "MÜLLER", "Müller"},
        {"ÉCOLE", "École", "ÉCOLE", "École"}, // É is a letter that keeps its case
        {"café OLE", "café ole", "CAFé OLE", "Café Ole"},
        {"a×b µm", "a×b µm", "A×B µM", "A×B µm"}, // × is no letter, µ is one
        {"123 -_.()", "123 -_.()", "123 -_.()", "123 -_.()"},
        {"aƒbc", "aƒbc", "AƒBC", "Aƒbc"}, // ƒ is a small letter
        // Shift-JIS: ア (83 41) and 影 (89 65) keep their trail bytes and are letters, as is the
        // half-width ｱ (B1) of one byte.
        {"ア.txt", "ア.txt", "ア.TXT", "ア.Txt", testing::shiftJis()},
        {"影a", "影a", "影A", "影a", testing::shiftJis()},
        {"ｱa", "ｱa", "ｱA", "ｱa", testing::shiftJis()},
        // UTF-8: an emoji is no letter; a byte that begins no character is one of its own.
        {"中.txt", "中.txt", "中.TXT", "中.Txt", testing::utf8()},
        {"ÄRGER.txt", "ärger.txt", "ÄRGER.TXT", "Ärger.Txt", testing::utf8()},
        {"Čapek.TXT", "Čapek.txt", "ČAPEK.TXT", "Čapek.Txt", testing::utf8()},
        {"ДОМ.txt", "ДОМ.txt", "ДОМ.TXT", "ДОМ.Txt", testing::utf8()},
        {"😀aü", "😀aü", "😀AÜ", "😀Aü", testing::utf8()},
        {"\xC3xÜ", "\xC3xü", "\xC3XÜ", "\xC3Xü", testing::utf8()},
    };
    for (const auto& c : cases) {
        const auto in = [&](const char* text) { return testing::inPage(c.page, text); };
        for (const auto& [style, result] :
             {std::pair(smallLetters, c.small), std::pair(capitalLetters, c.capital),
              std::pair(capitalInitials, c.initials)}) {
            std::string name = in(c.name);
            EXPECT_TRUE(applyCase(name, style, c.page));
            EXPECT_EQ(name, in(result)) << c.name << " " << style;
        }
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
// 0x80-0xBF (ƒ ˆ Š Œ Ž š œ ž Ÿ ª µ º) and 0xC0-0xFF except × and ÷. After a letter the next one
// is made small, after anything else capital.
TEST(LetterCase, InitialCapitalsFollowTheLettersOfTheCodePage) {
    std::string letters = "\x83\x88\x8A\x8C\x8E\x9A\x9C\x9E\x9F\xAA\xB5\xBA";
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
