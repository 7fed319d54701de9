// A whole command on a slow network share: the window is kept answering throughout, and a long
// collection shows how many files it has found so far.
#include "engine/run_pipeline.h"

#include "support/null_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace tarnwick {
namespace {

// The window's clock is the share's slowness plus the real time the engine takes itself. Each
// call that makes the real status area take its messages counts as an answer.
class WatchingWindow : public testing::NullWindow {
public:
    std::vector<std::string> statusTexts;
    std::vector<std::size_t> answers; // for each status text, the answers while it showed
    std::uint64_t longestGap = 0;
    bool realTime = true;

    void answered() {
        if (!answers.empty())
            ++answers.back();
        const std::uint64_t now = milliseconds();
        longestGap = std::max(longestGap, now - lastAnswer_);
        lastAnswer_ = now;
    }
    void keepAnswering() override { answered(); }
    void setStatusText(const std::string& text) override {
        statusTexts.push_back(text);
        answers.push_back(0);
        answered();
    }
    void setStepLabel(const std::string&) override { answered(); }
    void startProgress(std::size_t, int) override { answered(); }
    void stepProgress() override { answered(); }
    bool runPreviewDialog(const FileList& files) override {
        answered(); // the dialog's own loop answers while it is open
        return NullWindow::runPreviewDialog(files);
    }
    ConfirmAnswer runConfirmDialog() override {
        answered();
        return NullWindow::runConfirmDialog();
    }
    std::uint64_t milliseconds() override {
        const auto real = std::chrono::steady_clock::now() - start_;
        return clock +
               (realTime ? static_cast<std::uint64_t>(
                               std::chrono::duration_cast<std::chrono::milliseconds>(real).count())
                         : 0);
    }

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    std::uint64_t lastAnswer_ = 0;
};

// C:\Share\ holds folders d0000, d0001, ... of files f<number>.jpg, delivered in descending order.
// Each search costs the window's clock searchMs, each entry delivered entryMs, each rename 1 ms.
class SlowShare : public FileSystem {
public:
    SlowShare(WatchingWindow& window, int folders, int files, std::uint64_t searchMs,
              std::uint64_t entryMs)
        : window_(window), folders_(folders), files_(files), searchMs_(searchMs),
          entryMs_(entryMs) {}

    const CodePage& codePage() const override { return CodePage::windows1252(); }
    void search(const std::string& pattern, const Visitor& visit) override {
        window_.clock += searchMs_;
        const bool root = pattern.rfind("C:\\Share\\", 0) == 0 &&
                          pattern.find('\\', sizeof "C:\\Share\\" - 1) == std::string::npos;
        char name[32];
        for (int i = (root ? folders_ : files_) - 1; i >= 0; --i) {
            std::snprintf(name, sizeof name, root ? "d%04d" : "f%07d.jpg", i);
            window_.clock += entryMs_;
            visit(name, root, false);
        }
    }
    bool exists(const std::string&) override { return true; }
    int rename(const std::string&, const std::string&) override {
        ++window_.clock;
        return 0;
    }

private:
    WatchingWindow& window_;
    int folders_, files_;
    std::uint64_t searchMs_, entryMs_;
};

Options shareOptions() {
    Options options;
    options.pathSpec = "C:\\Share";
    options.maskOrList = "*.*";
    options.includeSubdirs = true;
    options.numerate = true;
    options.startNumber = 1;
    options.digitCount = 7;
    return options;
}

// Windows takes a window that takes no message for 5 seconds for hung; the engine keeps its
// window answering at least ten times as often through every step of a Preview, a Rename and its
// undo of 50,000 files, whose collection alone takes the share a minute. The steps that work in
// memory without the bar, the sort and the check for identical names, answer at least once per
// thousand entries, however fast the machine.
TEST(KeepingTheWindowAnswering, NoStepOfACommandLeavesTheWindowSilentForHalfASecond) {
    WatchingWindow window;
    window.options = shareOptions();
    window.confirmAnswer = {true, false};
    SlowShare share(window, 50, 1000, 30, 1);
    RunPipeline pipeline(window, share);
    pipeline.runPreview();
    ASSERT_EQ(pipeline.fileList().size(), 50000u);
    pipeline.runRename();
    ASSERT_TRUE(pipeline.canUndo());
    pipeline.runUndo();
    window.answered(); // up to the end of the command
    EXPECT_LE(window.longestGap, 500u);
    for (const char* step : {"Sorting filename list ...", "Checking for identical filenames ..."}) {
        const auto at = std::find(window.statusTexts.begin(), window.statusTexts.end(), step);
        ASSERT_NE(at, window.statusTexts.end()) << step;
        EXPECT_GE(window.answers[static_cast<std::size_t>(at - window.statusTexts.begin())], 50u)
            << step;
    }
}

// A collection shows the files found so far once it has run for a second, then at most every
// quarter second; a short one shows exactly the texts it always showed.
TEST(KeepingTheWindowAnswering, ALongCollectionCountsTheFilesFoundSoFar) {
    struct Case {
        std::uint64_t entryMs;
        std::vector<std::string> counts; // shown while collecting
    };
    const Case cases[] = {
        {0, {}},
        {1, {"1,000", "1,277", "1,533", "1,789", "2,045", "2,301", "2,557", "2,813"}},
    };
    for (const Case& c : cases) {
        WatchingWindow window;
        window.realTime = false;
        window.options = shareOptions();
        SlowShare share(window, 3, 1000, 0, c.entryMs);
        RunPipeline pipeline(window, share);
        pipeline.runPreview();
        std::vector<std::string> expected = {"Clearing filename list ...",
                                             "Collecting all filenames ..."};
        for (const std::string& count : c.counts)
            expected.push_back("Collecting all filenames ... " + count);
        expected.insert(expected.end(),
                        {"3000 files found.", "Sorting filename list ...",
                         "Formating filename list ...", "Opening preview dialog ..."});
        EXPECT_EQ(window.statusTexts, expected) << c.entryMs << " ms an entry";
    }
}

} // namespace
} // namespace tarnwick
