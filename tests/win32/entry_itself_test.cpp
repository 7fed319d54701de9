// Every name is the entry itself: a folder or file whose name ends in a dot is that entry and not
// its twin without the dot, a new name that Windows cannot hold is never given, and names that
// the file system takes for one are refused before anything is touched.
#include "engine/commands.h"
#include "win32/win32_file_system.h"

#include "support/option_changes.h"
#include "support/commands_fixture.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace tarnwick {
namespace {

using namespace testing::changes;

class EntryItself : public testing::CommandsFixture<Win32FileSystem> {
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
    commands.runPreview();
    EXPECT_TRUE(window.messages.empty()) << window.messages[0].text;
    const std::map<std::wstring, std::string> renamed = {
        {L"x\\x_1.txt", "a"}, {L"x\\x_2.txt", "c"}, {L"x.\\x._1.txt", "b"}};
    EXPECT_EQ(files(), renamed);
    commands.runUndo();
    EXPECT_TRUE(window.messages.empty()) << window.messages[0].text;
    EXPECT_EQ(files(), before);
}

// Names ending in blanks or dots ("memo ", "report." beside "report", the files of a folder "x ")
// are the entries themselves, whatever the platform makes of them in a final path: renamed and
// given back exactly, through the walk and through a list.
TEST_F(EntryItself, NamesEndingInBlanksOrDotsAreRenamedAndGivenBack) {
    temp.file("memo ", "m");
    temp.file("report.", "r.");
    temp.file("report", "r");
    temp.file("x \\a.txt", "a");
    const auto before = files();
    ASSERT_EQ(before.size(), 4u);
    both(replace(" ", "_"), swap("."))(window.options);
    for (const char* list : {"", "memo :report.:report"}) {
        SCOPED_TRACE(list);
        window.options.targetMode = *list ? TargetMode::listMode : TargetMode::folderMode;
        window.options.maskOrList = *list ? list : "*.*";
        window.options.includeSubdirs = !*list;
        commands.runPreview();
        EXPECT_TRUE(window.messages.empty()) << window.messages[0].text;
        EXPECT_EQ(files(), (std::map<std::wstring, std::string>{
                               {L"memo_", "m"},
                               {L".report", "r."},
                               {L"report", "r"},
                               {*list ? L"x \\a.txt" : L"x \\txt.a", "a"}}));
        commands.runUndo();
        EXPECT_TRUE(window.messages.empty()) << window.messages[0].text;
        EXPECT_EQ(files(), before);
    }
}

// A new name ending in a dot is reported with the reason of an invalid name, its file keeps its
// name, and the run goes on.
TEST_F(EntryItself, ANewNameEndingInADotIsNeverGiven) {
    temp.file("a.t", "a");
    temp.file("b.tx", "b");
    replace("t", "")(window.options);
    commands.runPreview();
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(
        window.messages[0].text,
        testing::renameFailure(temp.path() + "a.t", temp.path() + "a.", testing::kInvalidReason));
    EXPECT_EQ(files(), (std::map<std::wstring, std::string>{{L"a.t", "a"}, {L"b.x", "b"}}));
    EXPECT_EQ(window.statusText, "1 file(s) successfully renamed.");
}

// é.txt and É.txt are one name for the file system, as are жук.txt and Жук.txt: the run is
// refused as a whole. The files are made in UTF-16, whatever the system's code page.
TEST_F(EntryItself, NamesOneInTheFileSystemsCapitalsRefuseTheRun) {
    erase("1")(window.options);
    replace("2", "")(window.options);
    for (const wchar_t* pair : {L"\u00E9\u00C9", L"\u0436\u0416"}) {
        testing::TempFolder folder;
        window.options.pathSpec = folder.path();
        for (const std::wstring& name :
             {L"1" + std::wstring(1, pair[0]) + L".txt", L"2" + std::wstring(1, pair[1]) + L".txt"})
            CloseHandle(CreateFileW((folder.longPath() + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_NEW, 0, nullptr));
        const auto before = folder.snapshot().files;
        ASSERT_EQ(before.size(), 2u);
        window.messages.clear();
        commands.runPreview();
        ASSERT_EQ(window.messages.size(), 1u);
        EXPECT_NE(window.messages[0].text.find("identical filenames"), std::string::npos);
        EXPECT_EQ(folder.snapshot().files, before);
    }
}

} // namespace
} // namespace tarnwick
