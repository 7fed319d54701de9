#include "core/file_names.h"

#include "support/code_pages.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

// Rows in UTF-8, tried in the bytes of their code page (1252 unless given): a name, a mask or
// nothing, and whether it matches the mask (or is a device's name).
TEST(FileNames, MasksAndDeviceNames) {
    const CodePage &utf8 = testing::utf8(), &sjis = testing::shiftJis();
    const struct {
        const char* name;
        const char* mask;
        bool yes;
        const CodePage& page = CodePage::windows1252();
    } cases[] = {
        // clang-format off
        {"REPORT.DOC", "*.doc", true}, {"Report2.docx", "*.doc", false}, {"readme", "*.*", true},
        {"readme", "*.", true}, {"read.me", "*.", false}, {"readme", "readme.", true},
        {"a.txt", "?.txt", true}, {".txt", "?.txt", false}, {"file1", "file?", true},
        {"file", "file?", false}, {"xaybzb", "*a*b", true}, {"xaybzc", "*a*b", false},
        {"é.txt", "É.TXT", true}, {"ÿŠ", "Ÿš", true}, {"ß", "SS", false},
        {"ä.txt", "?.txt", true, utf8}, {"日本.txt", "?.txt", false, utf8},
        {"Ωmega 😀.txt", "ωMEGA ?.*", true, utf8}, {"ア.txt", "?.txt", true, sjis},
        {"ヂ.txt", "ア.txt", false, sjis}, {"アA", "*a", true, sjis}, // 83 41, 83 61
        {"con.txt", nullptr, true}, {"Nul.tar.gz", nullptr, true}, {"prn .doc", nullptr, true},
        {"COM1.jpg", nullptr, true}, {"lpt0", nullptr, true}, {"COM¹", nullptr, true},
        {"LPT³.x", nullptr, true, utf8}, {"console", nullptr, false}, {"COM10", nullptr, false},
        {".con", nullptr, false}, {"COMA", nullptr, false}, {"LPT¼", nullptr, false},
        // clang-format on
    };
    for (const auto& c : cases) {
        const std::string name = testing::inPage(c.page, c.name);
        EXPECT_EQ(c.mask ? matchesMask(name, testing::inPage(c.page, c.mask), c.page)
                         : isReservedDeviceName(name, c.page),
                  c.yes)
            << c.name << " " << (c.mask ? c.mask : "");
    }
}

} // namespace
} // namespace tarnwick
