#include "ui/file_selection.h"

#include "support/host_characters.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace tarnwick {
namespace {

// A result buffer as the chooser leaves it: the strings, each closed by a zero, then zeros.
std::vector<char> chooserBuffer(const std::vector<std::string>& strings, std::size_t size = 256) {
    std::vector<char> buffer(size, '\0');
    std::size_t at = 0;
    for (const std::string& s : strings) {
        std::memcpy(buffer.data() + at, s.c_str(), s.size() + 1);
        at += s.size() + 1;
    }
    return buffer;
}

struct SelectionCase {
    const char* what;
    std::vector<std::string> delivered;
    std::string folder;
    std::vector<std::string> names;
};

TEST(MultiSelection, FolderAndNames) {
    const SelectionCase cases[] = {
        {"several files",
         {"C:\\Data", "a.txt", "b.txt", "c d.txt"},
         "C:\\Data",
         {"a.txt", "b.txt", "c d.txt"}},
        {"several files in a drive root", {"C:\\", "b.txt", "a.txt"}, "C:\\", {"b.txt", "a.txt"}},
        {"one file", {"C:\\Data\\a.txt"}, "C:\\Data", {"a.txt"}},
        {"one file in a drive root", {"C:\\a.txt"}, "C:\\", {"a.txt"}},
        {"one file in a deep folder", {"D:\\x y\\z\\readme"}, "D:\\x y\\z", {"readme"}},
        {"one file on a network share", {"\\\\host\\share\\a.txt"}, "\\\\host\\share", {"a.txt"}},
    };
    for (const SelectionCase& c : cases) {
        const std::vector<char> buffer = chooserBuffer(c.delivered);
        std::string folder = "stale";
        std::vector<std::string> names = {"stale"};
        ASSERT_TRUE(
            parseMultiSelection(buffer.data(), buffer.size(), folder, names, testing::utf8()))
            << c.what;
        EXPECT_EQ(folder, c.folder) << c.what;
        EXPECT_EQ(names, c.names) << c.what;
    }
}

TEST(MultiSelection, EmptyBufferHoldsNoSelection) {
    const std::vector<char> buffer(16, '\0');
    std::string folder;
    std::vector<std::string> names;
    EXPECT_FALSE(parseMultiSelection(buffer.data(), buffer.size(), folder, names, testing::utf8()));
    EXPECT_TRUE(names.empty());
}

TEST(MultiSelection, NeverReadsPastTheBuffer) {
    // A full buffer without its closing zeros: the last string ends at the buffer's end.
    const std::string full = std::string("C:\\D") + '\0' + "a.txt" + '\0' + "bb";
    std::string folder;
    std::vector<std::string> names;
    ASSERT_TRUE(parseMultiSelection(full.data(), full.size(), folder, names, testing::utf8()));
    EXPECT_EQ(folder, "C:\\D");
    EXPECT_EQ(names, (std::vector<std::string>{"a.txt", "bb"}));
}

} // namespace
} // namespace tarnwick
