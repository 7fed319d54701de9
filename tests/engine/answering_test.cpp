// Whole commands on a slow network share, on its clock: the window is kept answering, and a long
// collection counts the files found so far.
#include "engine/commands.h"

#include "support/host_characters.h"
#include "support/null_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace tarnwick {
namespace {

// Each call that makes the real status area take its messages is an answer; answers counts them
// while each status text shows.
struct WatchingWindow : testing::NullWindow {
    std::vector<std::string> texts;
    std::vector<std::size_t> answers{0};
    std::uint64_t lastAnswer = 0, longestGap = 0;

    void keepAnswering() override {
        ++answers.back();
        longestGap = std::max(longestGap, clock - std::exchange(lastAnswer, clock));
    }
    void setStatusText(const std::string& text) override {
        texts.push_back(text);
        answers.push_back(0);
        keepAnswering();
    }
    void stepProgress() override { keepAnswering(); }
};

// C:\S\ holds folders of 1,000 files, delivered in descending order; each entry costs the clock
// entryMs, each search 30 times as much and each rename 1 ms.
struct SlowShare : FileSystem {
    WatchingWindow& window;
    int folders;
    std::uint64_t entryMs;
    bool taken = false;                // every new name is taken
    std::size_t answersBeforeWalk = 0; // since the status text, before the walk of the root
    SlowShare(WatchingWindow& w, int f, std::uint64_t ms) : window(w), folders(f), entryMs(ms) {}
    const CodePage& codePage() const override { return testing::utf8(); }
    void search(const std::string& pattern, const Visitor& visit) override {
        const bool root = pattern == "C:\\S\\*.*";
        if (root)
            answersBeforeWalk = window.answers.back();
        window.clock += 30 * entryMs;
        char name[16];
        for (int i = (root ? folders : 1000) - 1; i >= 0; --i, window.clock += entryMs) {
            std::snprintf(name, sizeof name, root ? "d%04d" : "f%07d.jpg", i);
            visit(name, root, false);
        }
    }
    bool exists(const std::string&) override { return true; }
    int rename(const std::string&, const std::string&) override {
        return ++window.clock, taken ? renameError::exists : 0;
    }
};

// Windows takes a window without a message for 5 seconds for hung: through a Preview, a Rename
// and its undo of 50,000 files, after a minute of walking, and a Rename whose every new name is
// taken, no answer is half a second from the next; the sort, the check for identical names and
// the undo's matching of the list, which have no bar, answer at least once per thousand entries.
// The Preview's collection counts the files found after a second, then at most every quarter
// second; a short one shows exactly the texts it always showed.
TEST(KeepingTheWindowAnswering, NoStepOfACommandIsSilentForHalfASecond) {
    for (const std::uint64_t entryMs : {0, 1}) {
        WatchingWindow window;
        window.options.pathSpec = "C:\\S";
        window.options.maskOrList = "*.*";
        window.options.includeSubdirs = true;
        window.options.numerate = true;
        window.options.digitCount = 5;
        SlowShare share(window, 50, entryMs);
        Commands commands(window, share);
        commands.runPreview();
        std::vector<std::string> expected{"Clearing filename list ...",
                                          "Collecting all filenames ..."};
        for (const char* count : {"974", "1,230", "1,486", "1,742", "1,998", "2,254", "2,510"})
            if (entryMs > 0)
                expected.push_back(std::string("Collecting all filenames ... ") + count);
        if (entryMs == 0)
            expected.push_back("50000 files found.");
        EXPECT_EQ(
            std::vector<std::string>(window.texts.begin(), window.texts.begin() + expected.size()),
            expected);
        commands.runRename();
        commands.runUndo();
        EXPECT_EQ(window.texts.back(), "50000 file(s) renamed back.");
        EXPECT_GE(share.answersBeforeWalk, 50u) << "the undo's matching";
        share.taken = true;
        commands.runRename();
        window.keepAnswering();
        EXPECT_EQ(window.texts.back(), "0 file(s) successfully renamed.");
        EXPECT_LE(window.longestGap, 500u);
        for (const char* step :
             {"Sorting filename list ...", "Checking for identical filenames ..."})
            EXPECT_GE(window.answers[std::find(window.texts.begin(), window.texts.end(), step) -
                                     window.texts.begin() + 1],
                      50u)
                << step;
    }
}

} // namespace
} // namespace tarnwick
