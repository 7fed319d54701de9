#include "ui/file_selection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarnwick {
namespace {

// The chooser's result: the strings, each closed by a zero, then zeros; one string is the full
// path of one file, several are the folder and the names. A buffer full to its end holds its last
// name up to there; an empty one holds no selection.
TEST(MultiSelection, FolderAndNames) {
    using namespace std::string_literals;
    const struct {
        std::string buffer;
        std::string folder;
        std::vector<std::string> names; // none: no selection
    } cases[] = {
        {"C:\\Data\0a.txt\0b.txt\0c d.txt\0\0"s, "C:\\Data", {"a.txt", "b.txt", "c d.txt"}},
        {"C:\\\0b.txt\0a.txt\0\0"s, "C:\\", {"b.txt", "a.txt"}},
        {"C:\\Data\\a.txt\0\0"s, "C:\\Data", {"a.txt"}},
        {"C:\\a.txt\0\0"s, "C:\\", {"a.txt"}},
        {"D:\\x y\\z\\readme\0\0"s, "D:\\x y\\z", {"readme"}},
        {"\\\\host\\share\\a.txt\0\0"s, "\\\\host\\share", {"a.txt"}},
        {"C:\\D\0a.txt\0bb"s, "C:\\D", {"a.txt", "bb"}},
        {std::string(16, '\0'), "", {}},
    };
    for (const auto& c : cases) {
        std::string buffer = c.buffer;
        if (!c.names.empty() && buffer.back() == '\0')
            buffer.append(200, '\0'); // the rest of the buffer
        std::string folder;
        std::vector<std::string> names = {"stale"};
        EXPECT_EQ(parseMultiSelection(buffer.data(), buffer.size(), folder, names),
                  !c.names.empty())
            << c.folder;
        if (!c.names.empty()) {
            EXPECT_EQ(folder, c.folder);
            EXPECT_EQ(names, c.names);
        }
    }
}

} // namespace
} // namespace tarnwick
