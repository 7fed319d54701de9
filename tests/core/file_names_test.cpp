#include "core/file_names.h"

#include "support/host_characters.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace tarnwick {
namespace {

// A name, a mask or nothing, and whether it matches the mask (or is a device's name).
TEST(FileNames, MasksAndDeviceNames) {
    const Wtf8Characters& utf8 = testing::testCharacters();
    const struct {
        const char* name;
        const char* mask;
        bool yes;
    } cases[] = {
        // clang-format off
        {"REPORT.DOC", "*.doc", true}, {"Report2.docx", "*.doc", false}, {"readme", "*.*", true},
        {"readme", "*.", true}, {"read.me", "*.", false}, {"readme", "readme.", true},
        {"a.txt", "?.txt", true}, {".txt", "?.txt", false}, {"file1", "file?", true},
        {"file", "file?", false}, {"xaybzb", "*a*b", true}, {"xaybzc", "*a*b", false},
        {"é.txt", "É.TXT", true}, {"ÿŠ", "Ÿš", true}, {"ß", "SS", false},
        {"ä.txt", "?.txt", true}, {"日本.txt", "?.txt", false},
        {"Ωmega 😀.txt", "ωMEGA ?.*", true}, {"жук.txt", "ЖУК.*", true},
        {"a\xED\xA0\x80", "A?", true}, // a lone surrogate is one character
        {"con.txt", nullptr, true}, {"Nul.tar.gz", nullptr, true}, {"prn .doc", nullptr, true},
        {"COM1.jpg", nullptr, true}, {"lpt0", nullptr, true}, {"COM¹", nullptr, true},
        {"LPT³.x", nullptr, true}, {"console", nullptr, false}, {"COM10", nullptr, false},
        {".con", nullptr, false}, {"COMA", nullptr, false}, {"LPT¼", nullptr, false},
        // clang-format on
    };
    for (const auto& c : cases) {
        const std::string name = c.name;
        EXPECT_EQ(c.mask ? matchesMask(name, c.mask, utf8) : isReservedDeviceName(name, utf8),
                  c.yes)
            << c.name << " " << (c.mask ? c.mask : "");
    }
}

// The wildcard rules said plainly, by recursion on characters (code points, compared by the host's
// capital): "*" any run, "?" exactly one, every other character by its capital; "*" and "*.*"
// every name; a mask ending in "." only names without a dot, by the mask without its dots.
bool plainMatch(const std::u32string& name, const std::u32string& mask) {
    if (mask.empty())
        return name.empty();
    if (mask[0] == U'*')
        return plainMatch(name, mask.substr(1)) ||
               (!name.empty() && plainMatch(name.substr(1), mask));
    const auto& capital = testing::hostLetters().capital;
    return !name.empty() && (mask[0] == U'?' || capital(mask[0]) == capital(name[0])) &&
           plainMatch(name.substr(1), mask.substr(1));
}

bool plainMask(const std::u32string& name, std::u32string mask) {
    if (mask == U"*" || mask == U"*.*")
        return true;
    if (mask.empty() || mask.back() != U'.')
        return plainMatch(name, mask);
    while (!mask.empty() && mask.back() == U'.')
        mask.pop_back();
    return name.find(U'.') == std::u32string::npos && plainMatch(name, mask);
}

// matchesMask against the plain rules on seeded short names and masks of letters of several
// scripts in both cases, dots and wildcards: backtracking past a "*" may never lose a match.
TEST(FileNames, MaskMatchesThePlainRules) {
    const std::u32string letters = U"aAbB.\u00e9\u00c9\u0436\u0416\u03c9\u03a9\u4e2d\U0001F600";
    const std::u32string wild = U"*?";
    std::mt19937 random(32);
    const auto utf8 = [](const std::u32string& text) {
        std::string out;
        for (char32_t c : text) {
            if (c < 0x80) {
                out += static_cast<char>(c);
                continue;
            }
            const int size = c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
            out += static_cast<char>((0xF00u >> size) | (c >> (6 * (size - 1))));
            for (int i = size - 2; i >= 0; --i)
                out += static_cast<char>(0x80 | ((c >> (6 * i)) & 0x3F));
        }
        return out;
    };
    const auto draw = [&](const std::u32string& from, std::size_t most) {
        std::u32string text;
        for (std::size_t n = random() % (most + 1); n > 0; --n)
            text += from[random() % from.size()];
        return text;
    };
    for (int round = 0; round < 50000; ++round) {
        const std::u32string name = draw(letters, 6);
        const std::u32string mask = draw(letters + wild + wild, 5);
        ASSERT_EQ(matchesMask(utf8(name), utf8(mask), testing::testCharacters()),
                  plainMask(name, mask))
            << utf8(name) << " / " << utf8(mask);
    }
}

} // namespace
} // namespace tarnwick
