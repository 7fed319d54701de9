#include "core/file_names.h"

#include "support/code_pages.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

// Rows in UTF-8, tried in the bytes of their code page (1252 unless given).
TEST(FileNames, MaskMatchesTheNameItself) {
    const struct {
        const char* name;
        const char* mask;
        bool matches;
        const CodePage& page = CodePage::windows1252();
    } cases[] = {
        // clang-format off
        {"report.doc", "*.doc", true}, {"REPORT.DOC", "*.doc", true},
        {"Report2.docx", "*.doc", false}, {"photo.jpeg", "*.jpg", false},
        {"readme", "*.*", true}, {"readme", "*", true}, {"readme", "*.", true},
        {"read.me", "*.", false}, {"readme", "readme.", true}, {"readme", "*.txt", false},
        {"a.txt", "?.txt", true}, {"ab.txt", "?.txt", false}, {".txt", "?.txt", false},
        {"file1", "file?", true}, {"file", "file?", false}, {"file12", "file?", false},
        {"xaybzb", "*a*b", true}, {"xaybzc", "*a*b", false}, {"abc", "a*b*c*", true},
        {"é.txt", "É.TXT", true}, {"ÿŠ", "Ÿš", true}, {"ß", "SS", false},
        {"ä.txt", "?.txt", true, testing::utf8()}, {"ÄRGER.TXT", "är*.txt", true, testing::utf8()},
        {"日本.txt", "??.txt", true, testing::utf8()}, {"日本.txt", "?.txt", false, testing::utf8()},
        {"Ωmega 😀.txt", "ωMEGA ?.*", true, testing::utf8()},
        // ア 83 41 and ヂ 83 61 differ in the letter case of their trail bytes alone.
        {"ア.txt", "?.txt", true, testing::shiftJis()}, {"ヂ.txt", "ア.txt", false, testing::shiftJis()},
        {"ア.txt", "ア.TXT", true, testing::shiftJis()}, {"アA", "*a", true, testing::shiftJis()},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(
            matchesMask(testing::inPage(c.page, c.name), testing::inPage(c.page, c.mask), c.page),
            c.matches)
            << c.name << " " << c.mask;
}

TEST(FileNames, DeviceNames) {
    const struct {
        const char* name;
        bool reserved;
        const CodePage& page = CodePage::windows1252();
    } cases[] = {
        // clang-format off
        {"CON", true}, {"con.txt", true}, {"Nul.tar.gz", true}, {"aux ", true}, {"prn .doc", true},
        {"COM1.jpg", true}, {"lpt9", true}, {"com0", true}, {"COM¹.txt", true},
        {"LPT³", true, testing::utf8()}, {"nul.txt", true, testing::utf8()},
        {"console.txt", false}, {"COM10", false}, {"xcon", false}, {".con", false},
        {"COMA", false}, {"CO", false}, {"", false}, {"con_", false}, {"LPT¼", false},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(isReservedDeviceName(testing::inPage(c.page, c.name), c.page), c.reserved)
            << c.name;
}

} // namespace
} // namespace tarnwick
