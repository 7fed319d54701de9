#include "core/file_system.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

// Which found entries are folder links, by their attributes and reparse tag as the Windows folder
// search gives them.
TEST(IsFolderLink, NameSurrogatesAndUnknownTagsAreLinksCloudPlaceholdersAreNot) {
    const struct {
        const char* entry;
        std::uint32_t attributes;
        std::uint32_t tag;
        bool link;
    } cases[] = {
        {"plain folder", 0x10, 0, false},
        {"read-only folder", 0x11, 0, false},
        {"plain folder, stray tag", 0x10, 0xA000000C, false}, // no reparse attribute: no tag
        {"file", 0x20, 0, false},
        {"file that is a symbolic link", 0x420, 0xA000000C, false},
        {"read-only file that is a symbolic link", 0x421, 0xA000000C, false},
        {"folder link of Wine", 0x410, 0, true},
        {"folder link of Wine", 0x410, 2, true},
        {"junction", 0x410, 0xA0000003, true},
        {"symbolic link", 0x410, 0xA000000C, true},
        {"hidden system junction", 0x416, 0xA0000003, true},
        {"another vendor's name surrogate", 0x410, 0x20000007, true},
        {"another vendor's tag", 0x410, 0x00000007, true},
        {"OneDrive placeholder", 0x410, 0x9000001A, false},
        {"cloud placeholder", 0x410, 0x9000101A, false},
        {"Microsoft tag, no name surrogate", 0x410, 0x80000018, false},
        {"deduplicated folder", 0x410, 0x80000013, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isFolderLink(c.attributes, c.tag), c.link)
            << c.entry << std::hex << " 0x" << c.attributes << " 0x" << c.tag;
}

} // namespace
} // namespace tarnwick
