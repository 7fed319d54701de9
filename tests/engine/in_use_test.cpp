// A file that another program holds open, on the in-memory file system that reports it in use a
// set number of times: the waits for it.
#include "engine/rename.h"

#include "support/commands_fixture.h"
#include "support/memory_file_system.h"
#include "support/recording_window.h"

#include <gtest/gtest.h>

#include <numeric>

namespace tarnwick {
namespace {

// Each wait, taken by the window, twice the one before and the last cut to what is left of a
// second: a file free after that many tries is renamed or given back, one held longer reported.
TEST(InUse, AFileIsTriedAgainAfterWaitsThatGrowForASecond) {
    const std::vector<unsigned> second = {10, 20, 40, 80, 160, 320, 370};
    for (const bool undo : {false, true}) {
        for (const int held : {0, 1, 3, 7, 8, 40}) {
            SCOPED_TRACE(std::to_string(held) + (undo ? " times, undo" : " times"));
            testing::RecordingWindow window;
            testing::MemoryFileSystem fs;
            fs.add("C:\\f\\", {undo ? "b.txt" : "a.txt"});
            const FileList files = {{"C:\\f\\", "a.txt", "b.txt"}};
            const std::string from = undo ? "C:\\f\\b.txt" : "C:\\f\\a.txt";
            const std::string to = undo ? "C:\\f\\a.txt" : "C:\\f\\b.txt";
            fs.holdOpen(from, held);
            const RenameRecord record =
                undo ? renameBack(files, fs, window) : renameAll(files, fs, window);
            const auto waits = std::min<std::size_t>(held, second.size());
            EXPECT_EQ(window.waits, std::vector<unsigned>(second.begin(), second.begin() + waits));
            EXPECT_EQ(fs.tries[from], static_cast<int>(waits) + 1);
            EXPECT_EQ(fs.files(), (std::vector<std::string>{held <= 7 ? to : from}));
            EXPECT_EQ(record.renamed(), held <= 7 ? 1 : 0);
            for (const auto& message : window.messages)
                EXPECT_EQ(message.text, testing::renameFailure(from, to, testing::kAccessReason));
            EXPECT_EQ(window.messages.size(), held <= 7 ? 0u : 1u);
        }
    }
}

// Every other failure is final at once. Twenty files held for good: three of them use up the
// run's three seconds, each is reported.
TEST(InUse, ARunWaitsThreeSecondsAtMostAndNoOtherFailureIsTriedAgain) {
    testing::RecordingWindow window;
    testing::MemoryFileSystem fs;
    FileList files;
    const int others[] = {2, 13, 17, 22, 1000};
    for (int i = 0; i < 25; ++i) {
        const std::string name = std::to_string(i) + ".txt";
        fs.add("C:\\f\\", {name});
        files.push_back({"C:\\f\\", name, "x" + name});
        i < 5 ? fs.failRename("C:\\f\\" + name, others[i]) : fs.holdOpen("C:\\f\\" + name, 1000);
    }
    EXPECT_EQ(renameAll(files, fs, window).renamed(), 0);
    EXPECT_EQ(std::accumulate(window.waits.begin(), window.waits.end(), 0u), 3000u);
    EXPECT_EQ(window.messages.size(), 24u); // the taken name (17) is passed over
    for (int i = 0; i < 25; ++i)
        EXPECT_EQ(fs.tries["C:\\f\\" + std::to_string(i) + ".txt"], i < 5 || i > 7 ? 1 : 8) << i;
}

} // namespace
} // namespace tarnwick
