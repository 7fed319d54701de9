// What a drop onto the Main dialog chooses.
#include "ui/drop_choice.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

using Kind = DropChoice::Kind;
using Names = std::vector<std::string>;

TEST(ClassifyDrop, OneFolderOrFilesOfOneFolderAndNothingElse) {
    const struct {
        const char* what;
        std::vector<DroppedItem> items;
        Kind kind;
        std::string folder;
        Names names;
    } cases[] = {
        {"one folder", {{"C:\\Photos\\Rome", true}}, Kind::folder, "C:\\Photos\\Rome", {}},
        {"a drive", {{"D:\\", true}}, Kind::folder, "D:\\", {}},
        {"one file", {{"C:\\Data\\a.txt", false}}, Kind::files, "C:\\Data", {"a.txt"}},
        {"files in the order dropped",
         {{"C:\\Data\\b.txt", false}, {"C:\\Data\\a.txt", false}, {"C:\\Data\\c", false}},
         Kind::files,
         "C:\\Data",
         {"b.txt", "a.txt", "c"}},
        {"a file in a drive's root", {{"C:\\boot.ini", false}}, Kind::files, "C:\\", {"boot.ini"}},
        {"two folders", {{"C:\\A", true}, {"C:\\B", true}}, Kind::nothing, "", {}},
        {"a folder and a file", {{"C:\\A", true}, {"C:\\a.txt", false}}, Kind::nothing, "", {}},
        {"a file and a folder", {{"C:\\a.txt", false}, {"C:\\A", true}}, Kind::nothing, "", {}},
        {"files of two folders",
         {{"C:\\A\\a.txt", false}, {"C:\\B\\b.txt", false}},
         Kind::nothing,
         "",
         {}},
        {"files of a folder and its subfolder",
         {{"C:\\A\\a.txt", false}, {"C:\\A\\B\\b.txt", false}},
         Kind::nothing,
         "",
         {}},
        {"nothing", {}, Kind::nothing, "", {}},
        {"a name without a folder", {{"a.txt", false}}, Kind::nothing, "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const DropChoice target = classifyDrop(c.items);
        EXPECT_EQ(target.kind, c.kind);
        EXPECT_EQ(target.folder, c.folder);
        EXPECT_EQ(target.names, c.names);
    }
}

} // namespace
} // namespace tarnwick
