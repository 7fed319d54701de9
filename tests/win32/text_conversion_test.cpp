#include "win32/text_conversion.h"

#include "support/host_characters.h"

#include <gtest/gtest.h>

#include <random>

namespace tarnwick {
namespace {

// Any UTF-16 text, unpaired surrogates included, comes back unit for unit; its program string is
// exact, counts its units, and is read as whole characters, a lone surrogate as one of its own.
TEST(TextConversion, EveryUtf16TextComesBackUnitForUnit) {
    std::mt19937 random(32);
    const wchar_t units[] = {L'a',   L'.',   0xE4,   0x416,  0x4E2D,
                             0xFFFD, 0xD800, 0xDBFF, 0xDC00, 0xDFFF};
    for (int round = 0; round < 20000; ++round) {
        std::wstring wide;
        for (std::size_t n = random() % 6; n > 0; --n)
            wide += units[random() % std::size(units)];
        const std::string text = programFromWide(wide);
        SCOPED_TRACE(text);
        EXPECT_EQ(wideFromProgram(text), wide);
        std::wstring exact;
        EXPECT_TRUE(exactWideFromProgram(text, exact));
        EXPECT_EQ(exact, wide);
        EXPECT_EQ(utf16Length(text), wide.size());
        std::size_t pairs = 0;
        for (std::size_t i = 0; i + 1 < wide.size(); ++i)
            if (wide[i] >= 0xD800 && wide[i] < 0xDC00 && wide[i + 1] >= 0xDC00 &&
                wide[i + 1] <= 0xDFFF)
                ++pairs, ++i;
        EXPECT_EQ(testing::testCharacters().length(text), wide.size() - pairs);
    }
}

// A lone surrogate is never the replacement character, whose name may be a sibling's; bytes that
// no conversion gives are no exact text.
TEST(TextConversion, LoneSurrogatesKeepTheirOwnSpelling) {
    EXPECT_EQ(programFromWide(L"a\xD800.txt"), "a\xED\xA0\x80.txt");
    EXPECT_NE(programFromWide(L"a\xD800.txt"), programFromWide(L"a\xFFFD.txt"));
    EXPECT_EQ(testing::testCharacters().length("a\xED\xA0\x80.txt"), 6u);
    std::wstring exact;
    EXPECT_FALSE(exactWideFromProgram("a\xFF", exact));
    EXPECT_FALSE(exactWideFromProgram("\xED\xA0\x80\xED\xB0\x80", exact)); // a pair in two halves
}

} // namespace
} // namespace tarnwick
