#include "validate/result_checks.h"

#include "support/host_characters.h"
#include "support/recording_window.h"

#include <gtest/gtest.h>

#include <string>

namespace tarnwick {
namespace {

using testing::RecordingWindow;

const std::string kTail = "That is not allowed and NO file will be renamed now!";

FileEntry entry(const std::string& folder, const std::string& oldName, const std::string& newName) {
    return FileEntry{folder, oldName, newName};
}

std::string longMessage(const std::string& path, std::size_t length) {
    return "With your format selections you create filenames with more than 215 characters.\n"
           "For example the new filename\n\n" +
           path + "\n\nhas now " + std::to_string(length) + " characters.\n" + kTail;
}

std::string emptyMessage(const std::string& path) {
    return "With your format selections you create empty filenames.\nFor example the file\n\n" +
           path + "\n\nresults in an empty filename.\n" + kTail;
}

std::string identicalMessage(const std::string& path) {
    return "With your format selections you create identical filenames in the SAME directory.\n"
           "You get the filename\n\n" +
           path + "\n\nat least twice.\n" + kTail;
}

TEST(CheckEmptyOrLongNames, NameOf215PassesWhateverTheFolder) {
    const std::string folder = "C:\\" + std::string(300, 'f') + "\\";
    const FileList files{entry(folder, "a.txt", std::string(215, 'n'))};
    RecordingWindow window;
    EXPECT_TRUE(checkEmptyOrLongNames(files, window));
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(window.bars(), std::vector<std::string>{"0 to 1 by 1: 1 steps, up to 1, left at 0"});
}

TEST(CheckEmptyOrLongNames, ReportsTheFirstBadEntryInListOrder) {
    const std::string A = "C:\\A\\";
    const std::string name216(216, 'n');
    // 215 characters of two bytes (ä) pass; one more is refused.
    std::string wide215;
    for (int i = 0; i < 215; ++i)
        wide215 += "\xC3\xA4";
    const struct {
        const char* what;
        FileList files;
        std::string message;
    } cases[] = {
        // clang-format off
        {"too long", {entry(A, "a.txt", "ok.txt"), entry(A, "b.txt", name216)},
         longMessage(A + name216, 216)},
        {"empty", {entry(A, "a.txt", "ok.txt"), entry("C:\\B\\", "b.txt", "")},
         emptyMessage("C:\\B\\b.txt")},
        {"empty before too long", {entry(A, "a.txt", ""), entry(A, "b.txt", name216)},
         emptyMessage(A + "a.txt")},
        {"too long before empty", {entry(A, "a.txt", name216 + "x"), entry(A, "b.txt", "")},
         longMessage(A + name216 + "x", 217)},
        {"216 characters of UTF-8", {entry(A, "a.txt", wide215), entry(A, "b.txt", wide215 + "b")},
         longMessage(A + wide215 + "b", 216)},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingWindow window;
        EXPECT_FALSE(checkEmptyOrLongNames(c.files, window));
        ASSERT_EQ(window.messages.size(), 1u);
        EXPECT_EQ(window.messages[0].text, c.message);
        EXPECT_EQ(window.messages[0].caption, "Tarnwick - Error");
        EXPECT_EQ(window.progressPos, 0);
        EXPECT_FALSE(window.fieldFocused);
    }
}

TEST(CheckIdenticalNames, NamesDifferingOnlyInFoldedCaseClash) {
    const struct {
        const char* first;
        const char* second;
        bool clash;
    } cases[] = {
        // clang-format off
        {"Report.txt", "REPORT.TXT", true},
        {"Ärger.txt", "ärger.txt", true},
        {"École.txt", "école.txt", true}, {"жук.txt", "Жук.txt", true},
        {"ß.txt", "SS.txt", false}, {"a.txt", "a.txt ", false}, {"[a].txt", "{a}.txt", false},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.second);
        const FileList files{entry("C:\\A\\", "1", c.first), entry("C:\\A\\", "2", c.second)};
        RecordingWindow window;
        window.progressPos = 5; // where the step before left it
        EXPECT_EQ(checkIdenticalNames(files, window, testing::utf8()), !c.clash);
        // The bar keeps its range, and its position unless a clash sets it back to 0.
        EXPECT_EQ(window.bar(), "untouched");
        EXPECT_EQ(window.progressPos, c.clash ? 0 : 5);
        ASSERT_EQ(window.messages.size(), c.clash ? 1u : 0u);
        if (c.clash) {
            EXPECT_EQ(window.messages[0].text, identicalMessage(std::string("C:\\A\\") + c.second));
            EXPECT_EQ(window.messages[0].caption, "Tarnwick - Error");
        }
    }
}

TEST(CheckIdenticalNames, ComparesWithinOneFolderOnly) {
    const FileList files{
        entry("C:\\A\\", "1", "x.txt"),      entry("C:\\A\\", "2", "y.txt"),
        entry("C:\\A\\sub\\", "3", "x.txt"), entry("C:\\a\\", "4", "X.TXT"),
        entry("C:\\a\\", "5", "y.txt"),
    };
    RecordingWindow window;
    EXPECT_TRUE(checkIdenticalNames(files, window, testing::utf8()));
    EXPECT_TRUE(window.messages.empty());
}

TEST(CheckIdenticalNames, SetIsEmptiedAtEveryFolderChange) {
    // A folder that comes back after another one starts afresh: the list is sorted by folder,
    // so this cannot happen in a run, and the check relies on it.
    const FileList files{entry("C:\\A\\", "1", "x.txt"), entry("C:\\B\\", "2", "y.txt"),
                         entry("C:\\A\\", "3", "x.txt")};
    RecordingWindow window;
    EXPECT_TRUE(checkIdenticalNames(files, window, testing::utf8()));
}

TEST(CheckIdenticalNames, ReportsTheFirstClashInListOrder) {
    const FileList files{entry("C:\\A\\", "1", "a.txt"), entry("C:\\A\\", "2", "b.txt"),
                         entry("C:\\A\\", "3", "B.txt"), entry("C:\\A\\", "4", "A.TXT")};
    RecordingWindow window;
    EXPECT_FALSE(checkIdenticalNames(files, window, testing::utf8()));
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text, identicalMessage("C:\\A\\B.txt"));
}

TEST(ResultChecks, EmptyListPassesBothWithRangeZero) {
    const FileList files;
    RecordingWindow window;
    EXPECT_TRUE(checkEmptyOrLongNames(files, window));
    EXPECT_TRUE(checkIdenticalNames(files, window, testing::utf8()));
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(window.bars(), std::vector<std::string>{"0 to 0 by 1: 0 steps, up to 0, left at 0"});
}

} // namespace
} // namespace tarnwick
