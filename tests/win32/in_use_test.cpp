// Files that another thread holds open without sharing them, on real folders: a moment's lock
// is waited for, a lasting one reported as before.
#include "engine/rename.h"
#include "win32/win32_file_system.h"

#include "support/commands_fixture.h"
#include "support/recording_window.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <thread>

namespace tarnwick {
namespace {

// The file opened with no sharing at all, and closed by another thread after ms (or when the
// holder goes).
struct HeldOpen {
    HANDLE file, stop = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread holder;
    HeldOpen(const std::string& path, DWORD ms)
        : file(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)),
          holder([this, ms] { WaitForSingleObject(stop, ms), CloseHandle(file); }) {}
    ~HeldOpen() { SetEvent(stop), holder.join(), CloseHandle(stop); }
};

struct WaitingWindow : testing::RecordingWindow {
    void wait(unsigned milliseconds) override {
        RecordingWindow::wait(milliseconds), Sleep(milliseconds);
    }
};

// Renamed, given back or changed to capitals once the lock ends 300 ms later, with no report; a
// lasting lock reported after a second of waits, and twenty after the run's three seconds.
TEST(InUseOnDisk, AMomentsLockIsWaitedForALastingOneReported) {
    const struct {
        const char* what;
        bool undo, capitals;
        int files;
        DWORD heldMs;
        unsigned waitedMs; // at most, or (with reports) exactly
    } cases[] = {{"rename", false, false, 1, 300, 1000},
                 {"undo", true, false, 1, 300, 1000},
                 {"change of letter case", false, true, 1, 300, 1000},
                 {"a lasting lock", false, false, 1, INFINITE, 1000},
                 {"twenty files held for good", false, false, 20, INFINITE, 3000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testing::TempFolder temp;
        Win32FileSystem fs;
        WaitingWindow window;
        FileList files;
        std::vector<std::string> expected;
        const bool lasting = c.heldMs == INFINITE;
        for (int i = 0; i < c.files; ++i) {
            const std::string name = std::to_string(i) + ".txt";
            temp.file(name);
            files.push_back({temp.path(), name, c.capitals ? "0.TXT" : "x_" + name});
            expected.push_back(c.undo || lasting ? name : files.back().newName);
        }
        if (c.undo)
            renameAll(files, fs, window);
        std::vector<std::unique_ptr<HeldOpen>> held;
        for (const FileEntry& e : files)
            held.push_back(std::make_unique<HeldOpen>(
                temp.path() + (c.undo ? e.newName : e.oldName), c.heldMs));
        window = WaitingWindow();
        const RenameRecord record =
            c.undo ? renameBack(files, fs, window) : renameAll(files, fs, window);
        const unsigned waited = std::accumulate(window.waits.begin(), window.waits.end(), 0u);
        EXPECT_EQ(record.renamed(), lasting ? 0 : c.files);
        EXPECT_EQ(window.messages.size(), lasting ? files.size() : 0u);
        EXPECT_TRUE(lasting ? waited == c.waitedMs : waited <= c.waitedMs) << waited;
        held.clear();
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(temp.list(), expected);
    }
}

} // namespace
} // namespace tarnwick
