#include "format/name_ops.h"
#include "support/host_characters.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace tarnwick {
namespace {

TEST(LetterCase, ThreeStyles) {
    const struct {
        const char* name;
        const char* small;
        const char* capital;
        const char* initials;
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
        // UTF-8: an emoji is no letter; a byte that begins no character is one of its own.
        {"中.txt", "中.txt", "中.TXT", "中.Txt"},
        {"ÄRGER.txt", "ärger.txt", "ÄRGER.TXT", "Ärger.Txt"},
        {"Čapek.TXT", "Čapek.txt", "ČAPEK.TXT", "Čapek.Txt"},
        {"ДОМ.txt", "ДОМ.txt", "ДОМ.TXT", "ДОМ.Txt"},
        {"😀aü", "😀aü", "😀AÜ", "😀Aü"},
        {"\xC3xÜ", "\xC3xü", "\xC3XÜ", "\xC3Xü"},
    };
    for (const auto& c : cases) {
        for (const auto& [style, result] :
             {std::pair(smallLetters, c.small), std::pair(capitalLetters, c.capital),
              std::pair(capitalInitials, c.initials)}) {
            std::string name = c.name;
            EXPECT_TRUE(applyCase(name, style, testing::testCharacters()));
            EXPECT_EQ(name, result) << c.name << " " << style;
        }
    }
}

TEST(LetterCase, UnknownStyleLeavesTheNameAndFails) {
    for (int style : {-1, 3, 99}) {
        std::string name = "MiXed.Txt";
        EXPECT_FALSE(applyCase(name, style, testing::testCharacters()));
        EXPECT_EQ(name, "MiXed.Txt");
    }
}

TEST(LetterCase, LongNamesEnd) {
    std::string name;
    for (int i = 0; i < 4000; ++i)
        name += "ü";
    ASSERT_TRUE(applyCase(name, capitalInitials, testing::testCharacters()));
    EXPECT_EQ(name.substr(0, 4), "Üü");
}

} // namespace
} // namespace tarnwick
