// Every name is the entry itself: a folder or file whose name ends in a dot is that entry and not
// its twin without the dot, a new name that Windows cannot hold is never given, and names that
// the file system takes for one are refused before anything is touched.
#include "engine/run_pipeline.h"
#include "win32/win32_file_system.h"

#include "support/option_changes.h"
#include "support/pipeline_fixture.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace tarnwick {
namespace {

using namespace testing::changes;

class EntryItself : public testing::PipelineFixture<Win32FileSystem> {
protected:
    EntryItself() {
        window.options.pathSpec = temp.path();
        window.options.maskOrList = "*.*";
        window.previewAnswer = true;
    }
    std::map<std::wstring, std::string> files() const { return temp.snapshot().files; }
    testing::TempFolder temp;
};

// x and x. are two folders: each one's files are collected, renamed in their own folder with their
// own numbering and prefix, and given back by the undo.
TEST_F(EntryItself, AFolderEndingInADotIsNotItsTwin) {
    temp.file("x\\a.txt", "a");
    temp.file("x\\c.txt", "c");
    temp.file("x.\\b.txt", "b");
    const auto before = files();
    ASSERT_EQ(before.size(), 3u);
    window.options.includeSubdirs = true;
    numbersFrom(1)(window.options);
    separator("_")(window.options);
    pipeline.runPreview();
    EXPECT_TRUE(window.messages.empty()) << window.messages[0].text;
    const std::map<std::wstring, std::string> renamed = {
        {L"x\\x_1.txt", "a"}, {L"x\\x_2.txt", "c"}, {L"x.\\x._1.txt", "b"}};
    EXPECT_EQ(files(), renamed);
    pipeline.runUndo();
    EXPECT_TRUE(window.messages.empty()) << window.messages[0].text;
    EXPECT_EQ(files(), before);
}

// A new name ending in a dot is reported with the reason of an invalid name, its file keeps its
// name, and the run goes on.
TEST_F(EntryItself, ANewNameEndingInADotIsNeverGiven) {
    temp.file("a.t", "a");
    temp.file("b.tx", "b");
    replace("t", "")(window.options);
    pipeline.runPreview();
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(
        window.messages[0].text,
        testing::renameFailure(temp.path() + "a.t", temp.path() + "a.", testing::kInvalidReason));
    EXPECT_EQ(files(), (std::map<std::wstring, std::string>{{L"a.t", "a"}, {L"b.x", "b"}}));
    EXPECT_EQ(window.statusText, "1 file(s) successfully renamed.");
}

// é.txt and É.txt are one name for the file system, as are жук.txt and Жук.txt: the run is
// refused as a whole.
TEST_F(EntryItself, NamesOneInTheFileSystemsCapitalsRefuseTheRun) {
    for (const char* pair : {"\xC3\xA9", "\xD0\xB6\xD1\x83\xD0\xBA"}) {
        testing::TempFolder folder;
        window.options.pathSpec = folder.path();
        folder.file("1" + std::string(pair) + ".txt");
        std::string capital = pair;
        capital[1] = pair[0] == '\xC3' ? '\x89' : '\x96';
        folder.file("2" + capital + ".txt");
        erase("1")(window.options);
        replace("2", "")(window.options);
        window.messages.clear();
        pipeline.runPreview();
        ASSERT_EQ(window.messages.size(), 1u) << pair;
        EXPECT_NE(window.messages[0].text.find("identical filenames"), std::string::npos);
        EXPECT_EQ(folder.snapshot().files.size(), 2u);
        EXPECT_EQ(folder.snapshot().files.count(L"1" + testing::wideFromAnsi(pair) + L".txt"), 1u);
    }
}

} // namespace
} // namespace tarnwick
