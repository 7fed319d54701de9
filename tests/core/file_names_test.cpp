#include "core/file_names.h"

#include "support/host_characters.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

// A name, a mask or nothing, and whether it matches the mask (or is a device's name).
TEST(FileNames, MasksAndDeviceNames) {
    const CodePage& utf8 = testing::utf8();
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

} // namespace
} // namespace tarnwick
