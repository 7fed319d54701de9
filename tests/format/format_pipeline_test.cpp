#include "format/format_names.h"
#include "format/name_ops.h"
#include "support/host_characters.h"
#include "support/recording_window.h"
#include "support/option_changes.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarnwick {
namespace {

using namespace testing::changes;
using testing::RecordingWindow;

FileList entries(const std::vector<std::pair<std::string, std::string>>& folderAndName) {
    FileList files;
    for (const auto& [folder, name] : folderAndName)
        files.push_back({folder, name, "left over from an earlier run"});
    return files;
}

std::vector<std::string> newNames(const FileList& files) {
    std::vector<std::string> names;
    for (const FileEntry& entry : files)
        names.push_back(entry.newName);
    return names;
}

TEST(Numbering, ReplacesTheStemByThePaddedNumber) {
    const struct {
        const char* oldName;
        const char* newName;
    } cases[] = {
        {"holiday.jpg", "001.jpg"},
        {"archive.tar.gz", "001.gz"},
        {"README", "001"},
        {".profile", "001.profile"},
        {"", "001"},
    };
    for (const auto& c : cases) {
        std::string name = c.oldName;
        applyNumbering(name, "001");
        EXPECT_EQ(name, c.newName) << c.oldName;
    }
}

TEST(Numbering, PadsToDigitCountButNeverCuts) {
    std::string number;
    const struct {
        long long counter;
        int digitCount;
        const char* text;
    } cases[] = {
        {1, 3, "001"},
        {0, 1, "0"},
        {12345, 3, "12345"},
        {7, 0, "7"},
        {2147483648LL, 1, "2147483648"},
        // A negative number (only a pasted start gives one) is padded in front of its sign.
        {-5, 1, "-5"},
        {-5, 2, "-5"},
        {-5, 3, "0-5"},
        {-12, 5, "00-12"},
        {-2147483648LL, 1, "-2147483648"},
        {-2147483648LL, 12, "0-2147483648"},
    };
    for (const auto& c : cases) {
        formatNumber(c.counter, c.digitCount, number);
        EXPECT_EQ(number, c.text) << c.counter;
    }
    formatNumber(5, 215, number);
    EXPECT_EQ(number, std::string(214, '0') + "5");
}

TEST(Numbering, CountsWithinAFolderAndRestartsInEveryFolder) {
    Options options;
    both(numbersFrom(5), digits(2))(options);
    FileList files = entries({{"C:\\A\\", "p.txt"},
                              {"C:\\A\\", "q.txt"},
                              {"C:\\A\\sub\\", "r.txt"},
                              {"C:\\B\\", "s.txt"},
                              {"C:\\Data\\", "t.txt"},
                              {"C:\\DATA\\", "u.txt"}});
    RecordingWindow window;
    formatNewNames(options, files, window, testing::testCharacters());
    EXPECT_EQ(newNames(files), (std::vector<std::string>{"05.txt", "06.txt", "05.txt", "05.txt",
                                                         "05.txt", "05.txt"}));
}

TEST(Numbering, CountsUpFromTheStartNumber) {
    const struct {
        int start;
        int digits;
        std::vector<std::string> names;
    } cases[] = {
        {0, 1, {"0.txt", "1.txt", "2.txt"}},
        {2147483647, 1, {"2147483647.txt", "2147483648.txt", "2147483649.txt"}},
        {-2, 2, {"-2.txt", "-1.txt", "00.txt"}},
        {-1, 3, {"0-1.txt", "000.txt", "001.txt"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start);
        Options options;
        both(numbersFrom(c.start), digits(c.digits))(options);
        FileList files =
            entries({{"C:\\A\\", "x.txt"}, {"C:\\A\\", "y.txt"}, {"C:\\A\\", "z.txt"}});
        RecordingWindow window;
        formatNewNames(options, files, window, testing::testCharacters());
        EXPECT_EQ(newNames(files), c.names);
    }
}

TEST(FormatNewNames, WholePipelineExample) {
    Options options;
    both(numbersFrom(7), digits(3))(options);
    separator("_")(options);
    letterCase(capitalLetters)(options);
    FileList files = entries({{"C:\\Music\\Live\\", "a.mp3"}, {"C:\\Music\\Live\\", "b.mp3"}});
    RecordingWindow window;
    formatNewNames(options, files, window, testing::testCharacters());
    EXPECT_EQ(newNames(files), (std::vector<std::string>{"LIVE_007.MP3", "LIVE_008.MP3"}));
    EXPECT_EQ(window.bar(), "0 to 8 by 1: 8 steps, up to 8, left at 8");
    EXPECT_TRUE(window.messages.empty());
}

TEST(FormatNewNames, NoSwitchCopiesOldNamesAfreshEveryRun) {
    Options options;
    FileList files = entries({{"C:\\A\\", "x.txt"}, {"C:\\A\\", "Y"}, {"C:\\A\\", ""}});
    RecordingWindow window;
    formatNewNames(options, files, window, testing::testCharacters());
    EXPECT_EQ(newNames(files), (std::vector<std::string>{"x.txt", "Y", ""}));
    EXPECT_EQ(window.bar(), "0 to 3 by 1: 3 steps, up to 3, left at 3");

    // A second run with other options starts from the old names again.
    insertAt("_", 99)(options);
    formatNewNames(options, files, window, testing::testCharacters());
    formatNewNames(options, files, window, testing::testCharacters());
    EXPECT_EQ(newNames(files), (std::vector<std::string>{"x_.txt", "Y_", "_"}));
}

TEST(FormatNewNames, EmptyListGivesAnEmptyRange) {
    Options options;
    options.numerate = options.caseOn = true;
    FileList files;
    RecordingWindow window;
    formatNewNames(options, files, window, testing::testCharacters());
    EXPECT_EQ(window.bars(), std::vector<std::string>{"0 to 0 by 1: 0 steps, up to 0, left at 0"});
}

TEST(FormatNewNames, AllSevenPassesInOrder) {
    Options options;
    for (const auto& change :
         {numbersFrom(1), digits(2), separator(" - "), replace("Rome", "roma"), swap(" - "),
          insertAt("x", 0), erase("x0"), letterCase(capitalInitials)})
        change(options);
    FileList files = entries({{"C:\\Photos\\Rome\\", "img.JPG"}});
    RecordingWindow window;
    formatNewNames(options, files, window, testing::testCharacters());
    // 01.JPG, Rome - 01.JPG, roma - 01.JPG, 01 - roma.JPG, x01 - roma.JPG, 1 - roma.JPG, case.
    EXPECT_EQ(files[0].newName, "1 - Roma.Jpg");
    EXPECT_EQ(window.bar(), "0 to 8 by 1: 8 steps, up to 8, left at 8");
}

TEST(FormatNewNames, UnknownCaseStyleReportsOncePerEntryAndGoesOn) {
    Options options;
    replace("a", "B")(options);
    letterCase(3)(options);
    FileList files = entries({{"C:\\A\\", "a.txt"}, {"C:\\A\\", "ba.txt"}, {"C:\\B\\", "c"}});
    RecordingWindow window;
    formatNewNames(options, files, window, testing::testCharacters());
    EXPECT_EQ(newNames(files), (std::vector<std::string>{"B.txt", "bB.txt", "c"}));
    ASSERT_EQ(window.messages.size(), 3u);
    for (const auto& message : window.messages) {
        EXPECT_EQ(message.text, "The combobox returned a wrong value!");
        EXPECT_EQ(message.caption, "Tarnwick Error");
    }
    EXPECT_EQ(window.bar(), "0 to 9 by 1: 9 steps, up to 9, left at 9");
}

} // namespace
} // namespace tarnwick
