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

// Each wait, taken by the window, twice the one before and the last cut to what is left of the
// file's second or of the run's three: a file free after that many tries is renamed or given back,
// one held longer reported; every other failure is final at once. In a Rename as in an undo (the
// last renamed first) each file waits a second of its own, and the run three seconds in all.
TEST(InUse, EachFileWaitsItsOwnSecondAndTheRunThreeSecondsInAll) {
    const std::vector<unsigned> second = {10, 20, 40, 80, 160, 320, 370};
    // How often each file is found in use, or (below 0) the errno it fails with; its tries.
    const std::vector<std::pair<int, int>> held = {{0, 1},   {1, 2},     {3, 4},    {7, 8},
                                                   {8, 8},   {-2, 1},    {-13, 1},  {-17, 1},
                                                   {-22, 1}, {-1000, 1}, {1000, 8}, {1000, 1}};
    std::vector<unsigned> waits;
    for (const int times : {1, 3, 7, 7, 6})
        waits.insert(waits.end(), second.begin(), second.begin() + times);
    waits.push_back(290); // what is left of the run's three seconds
    for (const bool undo : {false, true}) {
        SCOPED_TRACE(undo ? "undo" : "rename");
        testing::RecordingWindow window;
        testing::MemoryFileSystem fs;
        FileList files;
        auto path = [&](std::size_t i, bool renamed) {
            return "C:\\f\\" + std::string(renamed ? "x" : "") + std::to_string(i);
        };
        for (std::size_t i = 0; i < held.size(); ++i) {
            fs.addFile(path(i, undo));
            files.insert(undo ? files.begin() : files.end(),
                         FileEntry{"C:\\f\\", std::to_string(i), "x" + std::to_string(i)});
            const int h = held[i].first;
            h < 0 ? fs.failRename(path(i, undo), -h) : fs.holdOpen(path(i, undo), h);
        }
        const RenameRecord record =
            undo ? renameBack(files, fs, window) : renameAll(files, fs, window);
        EXPECT_EQ(record.renamed(), 4);
        EXPECT_EQ(window.waits, waits);
        for (std::size_t i = 0; i < held.size(); ++i) {
            EXPECT_EQ(fs.tries[path(i, undo)], held[i].second) << i;
            EXPECT_EQ(fs.exists(path(i, i < 4 ? !undo : undo)), true) << i;
        }
        // A taken name (17) is passed over in a Rename, reported in an undo.
        ASSERT_EQ(window.messages.size(), undo ? 8u : 7u);
        EXPECT_EQ(window.messages[0].text,
                  testing::renameFailure(path(4, undo), path(4, !undo), testing::kAccessReason));
    }
}

} // namespace
} // namespace tarnwick
