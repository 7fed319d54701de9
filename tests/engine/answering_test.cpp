// Whole commands on a slow share, on a clock that every call of the file system and every entry
// the sort moves moves on: the window is kept answering; a long collection counts its files.
#include "engine/commands.h"

#include "support/host_characters.h"
#include "support/null_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <tuple>
#include <utility>

namespace tarnwick {
namespace {

// Each call that makes the real status area take its messages is an answer; answers counts them
// while each status text shows, longestGap is the longest time without one. While the list
// watched is sorted, each entry it moves costs the clock 1 ms.
struct WatchingWindow : testing::NullWindow {
    std::vector<std::string> texts;
    std::vector<std::size_t> answers{0};
    std::uint64_t lastAnswer = 0, longestGap = 0;
    const FileList* watched = nullptr;
    std::vector<std::string> seen; // the names of the watched list at the last answer

    explicit WatchingWindow(const char* mask) {
        options.pathSpec = "C:\\S";
        options.maskOrList = mask;
        options.includeSubdirs = options.numerate = true;
        options.digitCount = 5;
    }

    void keepAnswering() override {
        noteMoves();
        ++answers.back();
        longestGap = std::max(longestGap, clock - std::exchange(lastAnswer, clock));
    }
    void setStatusText(const std::string& text) override {
        noteMoves();
        texts.push_back(text);
        answers.push_back(0);
        seen.clear();
        keepAnswering();
    }
    void stepProgress() override { keepAnswering(); }
    void noteMoves() {
        const bool sorting =
            watched != nullptr && !texts.empty() && texts.back() == "Sorting filename list ...";
        for (std::size_t i = 0; sorting && i < watched->size(); ++i)
            if (i == seen.size())
                seen.push_back((*watched)[i].oldName);
            else if ((*watched)[i].oldName != seen[i])
                seen[i] = (*watched)[i].oldName, ++clock;
    }
    // The answers while text showed for the first time.
    std::size_t answersOf(const std::string& text) const {
        return answers[std::find(texts.begin(), texts.end(), text) - texts.begin() + 1];
    }
};

// C:\S\ holds folders folders of perFolder files each, delivered in descending order without "."
// and ".." (as some shares deliver them); each search costs the clock searchMs, each entry
// entryMs and each rename 1 ms. The first renamesFree renames succeed, the others find the new
// name taken.
struct SlowShare : FileSystem {
    WatchingWindow& window;
    int folders, perFolder;
    std::uint64_t entryMs, searchMs;
    std::size_t renamesFree = SIZE_MAX;
    std::size_t answersBeforeWalk = 0; // since the status text, before the walk of the root
    SlowShare(WatchingWindow& w, int f, int p, std::uint64_t ms, std::uint64_t searchCost)
        : window(w), folders(f), perFolder(p), entryMs(ms), searchMs(searchCost) {}
    const Wtf8Characters& characters() const override { return testing::testCharacters(); }
    void search(const std::string& pattern, const Visitor& visit) override {
        const bool root = pattern.find('\\', 5) == std::string::npos;
        if (pattern == "C:\\S\\*.*")
            answersBeforeWalk = window.answers.back();
        window.clock += searchMs;
        char name[16];
        const int count = root ? (pattern == "C:\\S\\*.*" ? folders : 0) : perFolder;
        for (int i = count - 1; i >= 0; --i, window.clock += entryMs) {
            std::snprintf(name, sizeof name, root ? "d%04d" : "f%07d.jpg", i);
            visit(name, root, false);
        }
    }
    bool exists(const std::string&) override { return true; }
    int rename(const std::string&, const std::string&) override {
        ++window.clock;
        return renamesFree > 0 ? (--renamesFree, 0) : renameError::exists;
    }
};

// Windows takes a window without a message for 5 seconds for hung: through Previews, Renames and
// undos of 50,000 files, after a minute of walking, no answer is half a second from the next.
// Where the clock stands still the window answers at least once per 512 steps of each loop: the
// comparisons any sort needs, the identical names, the undo's matching of the renamed and of the
// listed files. The Preview's collection counts the files found after a second, then at most
// every quarter second; a short one shows exactly the texts it always showed.
TEST(KeepingTheWindowAnswering, NoStepOfACommandIsSilentForHalfASecond) {
    const std::size_t files = 50000, least = std::lgamma(files + 1.0) / std::log(2.0) / 512;
    for (const std::uint64_t entryMs : {0, 1}) {
        WatchingWindow window("*.*");
        SlowShare share(window, 50, 1000, entryMs, 30 * entryMs);
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
        EXPECT_GE(window.answersOf("Sorting filename list ..."), least);
        if (entryMs == 0)
            continue;
        // The folders are emptied meanwhile: the list after the Rename holds none of its files.
        // After the next, whose every new name but one is taken, it holds all of them.
        share.perFolder = 0;
        commands.runRename();
        commands.runUndo();
        EXPECT_EQ(window.texts.back(), "50000 file(s) renamed back.");
        EXPECT_GE(share.answersBeforeWalk, files / 512) << "the undo's matching of the renamed";
        share.perFolder = 1000;
        share.renamesFree = 1;
        commands.runRename();
        EXPECT_EQ(window.texts.back(), "1 file(s) successfully renamed.");
        share.renamesFree = SIZE_MAX;
        commands.runUndo();
        EXPECT_GE(share.answersBeforeWalk, files / 512) << "the undo's matching of the listed";
        EXPECT_GE(window.answersOf("Checking for identical filenames ..."), files / 512);
        window.keepAnswering();
        EXPECT_LE(window.longestGap, 500u);
    }
}

// Each folder's search is answered, on both ways of walking a tree of 2,000 empty folders; and the
// sort answers while it moves the entries of a list delivered in reverse.
TEST(KeepingTheWindowAnswering, EachFolderSearchedAndEachEntryMovedIsAnswered) {
    const std::tuple<const char*, int, int, std::uint64_t> shares[] = {
        {"*.*", 2000, 0, 300}, {"*.jpg", 2000, 0, 300}, {"*.jpg", 3, 1000, 30}};
    for (const auto& [mask, folders, perFolder, searchMs] : shares) {
        WatchingWindow window(mask);
        SlowShare share(window, folders, perFolder, 1, searchMs);
        Commands commands(window, share);
        window.watched = &commands.fileList();
        commands.runPreview();
        window.keepAnswering();
        EXPECT_LE(window.longestGap, 500u) << mask << " in " << folders << " folders";
    }
}

} // namespace
} // namespace tarnwick
