// The Windows rename against real folders: never replaces, reports the runtime's error numbers,
// and makes a change of letter case stick, at the platform's own cost and without losing the
// old name should the program end halfway.
#include "engine/rename.h"
#include "win32/win32_file_system.h"

#include "support/recording_window.h"
#include "support/temp_folder.h"
#include "wine_host.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <list>
#include <numeric>
#include <thread>

namespace tarnwick {
namespace {

using testing::TempFolder;
using Names = std::vector<std::string>;

class PlatformRenameTest : public ::testing::Test {
protected:
    Win32FileSystem fs;
};

// A rename never replaces what has the new name; it gives the runtime's error numbers, and a file
// held open keeps its name and is in use, also for a change of letter case only; the same name
// succeeds and touches nothing.
TEST_F(PlatformRenameTest, RenamesNeverReplacesOrGivesTheRuntimesErrorNumber) {
    const Names untouched{"a.txt", "b.txt", "sub"};
    const struct {
        const char* from;
        const char* to;
        bool held;
        int result;
        Names after;
    } cases[] = {
        {"a.txt", "c.txt", false, 0, {"b.txt", "c.txt", "sub"}},
        {"sub", "other", false, 0, {"a.txt", "b.txt", "other"}},
        {"a.txt", "a.txt", false, 0, untouched},
        // The same name, another spelling of it, a folder in the way, and a folder onto a file.
        {"a.txt", "b.txt", false, 17, untouched},
        {"a.txt", "B.TXT", false, 17, untouched},
        {"a.txt", "sub", false, 17, untouched},
        {"sub", "b.txt", false, 17, untouched},
        {"gone.txt", "x.txt", false, 2, untouched},
        {"gone.txt", "gone.txt", false, 2, untouched},
        {"a.txt", "no such folder\\x.txt", false, 2, untouched},
        {"a.txt", "a?b.txt", false, 22, untouched},
        {"a.txt", "a<b.txt", false, 22, untouched},
        {"a.txt", "x.txt", true, renameError::inUse, untouched},
        {"a.txt", "A.txt", true, renameError::inUse, untouched},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " -> " + c.to);
        TempFolder folder;
        folder.file("a.txt", "content");
        folder.file("b.txt", "keep");
        folder.folder("sub");
        const testing::OpenFile open(folder.path() + (c.held ? "a.txt" : "")); // a folder opens not
        ASSERT_EQ(open.valid(), c.held);
        EXPECT_EQ(fs.rename(folder.path() + c.from, folder.path() + c.to), c.result);
        EXPECT_EQ(folder.list(), c.after);
        const bool moved = c.result == 0 && std::string(c.from) == "a.txt";
        EXPECT_EQ(folder.read(moved ? c.to : "a.txt"), "content");
        EXPECT_EQ(folder.read("b.txt"), "keep");
    }
}

TEST_F(PlatformRenameTest, ChangeOfLetterCaseReachesTheDisk) {
    // ASCII letters, and letters beyond them: ä/Ä and š/Š.
    using testing::utf8FromWide;
    const Names before{"readme.txt", utf8FromWide(L"\u00E4rger.txt"), utf8FromWide(L"\u0161.txt"),
                       "folder"};
    const Names after{"ReadMe.TXT", utf8FromWide(L"\u00C4rger.txt"), utf8FromWide(L"\u0160.txt"),
                      "FOLDER"};
    for (std::size_t i = 0; i < before.size(); ++i) {
        SCOPED_TRACE(after[i]);
        TempFolder folder;
        if (before[i] == "folder")
            folder.folder("folder");
        else
            folder.file(before[i], "content");
        EXPECT_EQ(fs.rename(folder.path() + before[i], folder.path() + after[i]), 0);
        EXPECT_EQ(folder.list(), (Names{after[i]})); // and no temporary file left behind
        if (before[i] != "folder") {
            EXPECT_EQ(folder.read(after[i]), "content");
        }
    }
}

// The real file system with its steps watched: moves and readings of a folder are counted, a
// direct change of letter case can be made to keep the new spelling (as on Windows) or the old
// one (as under Wine on a Linux folder), and faults no real system gives on demand are put in:
// the program ending before a move, another program taking every name a move asks for or holding
// the file open when it is moved to a name.
class WatchedFileSystem : public Win32FileSystem {
public:
    enum class DirectCase { asThePlatform, keepsNewSpelling, keepsOldSpelling, refusedAsTaken };
    struct Ended {}; // the program was ended (power loss, killed)

    DirectCase directCase = DirectCase::asThePlatform;
    std::string endBeforeMovingTo; // the program ends before a move to this path
    std::string onlyMovesFrom;     // a move from any other path finds its target taken
    std::string heldWhenMovedTo;   // the next heldTimes moves to this path find the file in use
    int heldTimes = 0;
    int moves = 0;
    int folderReads = 0;

protected:
    DWORD renameEntry(const std::wstring& from, const std::wstring& to) override {
        ++moves;
        if (from != to &&
            CompareStringOrdinal(from.c_str(), -1, to.c_str(), -1, TRUE) == CSTR_EQUAL) {
            if (directCase == DirectCase::keepsOldSpelling)
                return ERROR_SUCCESS; // done, says the platform, and nothing changes
            if (directCase == DirectCase::refusedAsTaken)
                return ERROR_ALREADY_EXISTS;
            if (directCase == DirectCase::keepsNewSpelling && testing::underWine()) {
                const DWORD aside = Win32FileSystem::renameEntry(from, from + L".aside");
                return aside != ERROR_SUCCESS ? aside
                                              : Win32FileSystem::renameEntry(from + L".aside", to);
            }
        }
        if (to == longForm(heldWhenMovedTo) && heldTimes > 0)
            return --heldTimes, ERROR_SHARING_VIOLATION;
        if (to == longForm(endBeforeMovingTo))
            throw Ended{};
        if (!onlyMovesFrom.empty() && from != longForm(onlyMovesFrom))
            return ERROR_ALREADY_EXISTS;
        return Win32FileSystem::renameEntry(from, to);
    }
    // A path of a temporary folder as the steps of a rename take it.
    static std::wstring longForm(const std::string& path) {
        return L"\\\\?\\" + testing::wideFromUtf8(path);
    }
    void readFolder(const std::wstring& folder,
                    const std::function<void(const std::wstring& name)>& visit) override {
        ++folderReads;
        Win32FileSystem::readFolder(folder, visit);
    }
};

using DirectCase = WatchedFileSystem::DirectCase;

// Changing only the letter case of every file costs one rename per file where a direct rename
// keeps the new spelling, and where it does not, two per file and the one direct try in each
// folder; a folder's names are read at most once in a run (and only where the route through a
// temporary name needs them), and each run learns afresh.
TEST(CaseOnlyRenames, TakeTheRenamesThePlatformNeedsAndReadEachFolderOncePerRun) {
    const struct {
        const char* title;
        DirectCase direct;
        bool keepsNewSpelling;
    } rows[] = {
        {"as the platform does", DirectCase::asThePlatform, !testing::underWine()},
        {"a platform that keeps the new spelling", DirectCase::keepsNewSpelling, true},
        {"a platform that keeps the old spelling", DirectCase::keepsOldSpelling, false},
        {"a platform that refuses the new spelling as taken", DirectCase::refusedAsTaken, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.title);
        TempFolder temp;
        FileList files;
        for (const char* name :
             {"IMG_1.JPG", "IMG_2.JPG", "IMG_3.JPG", "sub\\DSC_1.JPG", "sub\\DSC_2.JPG"}) {
            temp.file(name, name);
            const std::string relative = name;
            const std::size_t slash = relative.find('\\') + 1; // 0 without a subfolder
            const std::string own = relative.substr(slash);
            std::string lower = own;
            for (char& c : lower)
                c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
            files.push_back(FileEntry{temp.path() + relative.substr(0, slash), own, lower});
        }
        WatchedFileSystem fs;
        fs.directCase = row.direct;
        testing::NullWindow window;
        for (int run = 0; run < 2; ++run) { // there and back
            SCOPED_TRACE(run == 0 ? "small letters" : "capitals again");
            fs.moves = 0;
            fs.folderReads = 0;
            EXPECT_EQ(renameAll(files, fs, window).renamed(), 5);
            EXPECT_EQ(fs.moves, row.keepsNewSpelling ? 5 : (1 + 2 * 3) + (1 + 2 * 2));
            EXPECT_EQ(fs.folderReads, row.keepsNewSpelling ? 0 : 2);
            Names top{"sub"}, sub;
            for (const FileEntry& e : files)
                (e.folder == temp.path() ? top : sub).push_back(e.newName);
            std::sort(top.begin(), top.end());
            EXPECT_EQ(temp.list(), top);
            EXPECT_EQ(temp.list("sub\\"), sub);
            EXPECT_EQ(temp.read(files[0].newName), "IMG_1.JPG");
            for (FileEntry& e : files)
                std::swap(e.oldName, e.newName);
        }
    }
}

// A lock that comes between the two steps of a change of letter case is waited for, taking no
// message that could end the session meanwhile: the file gets its new spelling, with no report.
TEST(CaseOnlyRenames, ALockBetweenTheTwoStepsIsWaitedFor) {
    TempFolder temp;
    temp.file("IMG_1.JPG", "content");
    WatchedFileSystem fs;
    fs.directCase = DirectCase::keepsOldSpelling;
    fs.heldWhenMovedTo = temp.path() + "img_1.jpg";
    fs.heldTimes = 3;
    testing::RecordingWindow window;
    EXPECT_EQ(renameAll({{temp.path(), "IMG_1.JPG", "img_1.jpg"}}, fs, window).renamed(), 1);
    EXPECT_EQ(temp.list(), Names{"img_1.jpg"});
    EXPECT_TRUE(window.messages.empty());
    EXPECT_TRUE(window.waits.empty());
    EXPECT_EQ(window.heldWaits, (std::vector<unsigned>{10, 20, 40}));
}

// Should the program end between the two steps of a change of letter case, the file is left
// under a temporary name that begins with its old name, cut short only where a length limit
// leaves no room; so it is when another program takes both names in between.
TEST(CaseOnlyRenames, TheTemporaryNameOfAFileBeginsWithItsOldName) {
    using testing::utf8FromWide;
    const std::string accented = utf8FromWide(std::wstring(125, L'\u00E9'));
    const std::string capitals = utf8FromWide(std::wstring(125, L'\u00C9'));
    const std::string japanese = utf8FromWide(std::wstring(40, L'\u65E5'));
    enum class Fault { ended, bothNamesTaken };
    const struct {
        const char* title;
        std::size_t pathLength; // the old path padded by a subfolder to these UTF-16 units; 0: none
        std::string oldName;
        std::string newName;
        bool whole; // the whole old name, or all but its last eight characters at least
        Fault fault;
        wchar_t pad = L's'; // the subfolders' character
    } rows[] = {
        {"a short name", 0, "IMG_0001.JPG", "img_0001.jpg", true, Fault::ended},
        {"a path near the limit", 255, "Photo " + std::string(40, 'x') + ".JPG",
         "PHOTO " + std::string(40, 'X') + ".JPG", false, Fault::ended},
        // Three bytes a character in UTF-8, but one unit of UTF-16: cut between two characters.
        {"a path near the limit in Japanese", 255, japanese + ".JPG", japanese + ".jpg", false,
         Fault::ended},
        {"a path near the limit in Japanese folders", 255, "Photo " + std::string(40, 'x') + ".JPG",
         "PHOTO " + std::string(40, 'X') + ".JPG", false, Fault::ended, L'\u65E5'},
        // 254 bytes in UTF-8: Linux takes no more than 255 for a name.
        {"a name near the limit in UTF-8", 0, accented + ".txt", capitals + ".TXT", false,
         Fault::ended},
        {"both names taken", 0, "IMG_0002.JPG", "img_0002.jpg", true, Fault::bothNamesTaken},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.title);
        TempFolder temp;
        const std::size_t units = testing::wideFromUtf8(row.oldName).size();
        std::string sub;
        if (row.pathLength > 0) {
            // In folders of 80 characters, which Linux takes in UTF-8 too.
            std::wstring pad(row.pathLength - temp.path().size() - units - 1, row.pad);
            for (std::size_t at = 80; at < pad.size(); at += 81)
                pad[at] = L'\\';
            sub = testing::utf8FromWide(pad) + "\\";
            temp.folder(sub.substr(0, sub.size() - 1));
        }
        temp.file(sub + row.oldName, "content");
        ASSERT_EQ(temp.list(sub), Names{row.oldName});
        const std::string folder = temp.path() + sub;
        WatchedFileSystem fs;
        fs.directCase = DirectCase::keepsOldSpelling; // the route through a temporary name
        if (row.fault == Fault::ended) {
            fs.endBeforeMovingTo = folder + row.newName;
            EXPECT_THROW(fs.rename(folder + row.oldName, folder + row.newName),
                         WatchedFileSystem::Ended);
        } else {
            fs.onlyMovesFrom = folder + row.oldName;
            EXPECT_EQ(fs.rename(folder + row.oldName, folder + row.newName), 13);
        }
        const Names left = temp.list(sub);
        ASSERT_EQ(left.size(), 1u);
        const std::string& name = left[0];
        EXPECT_NE(name, row.oldName);
        EXPECT_NE(name, row.newName);
        const std::wstring old = testing::wideFromUtf8(row.oldName);
        const std::wstring kept = row.whole ? old : old.substr(0, old.size() - 8);
        EXPECT_EQ(testing::wideFromUtf8(name).substr(0, kept.size()), kept) << name;
        EXPECT_LT(testing::wideFromUtf8(folder + name).size(), static_cast<std::size_t>(MAX_PATH));
        EXPECT_EQ(temp.read(sub + name), "content");
    }
}

// Another thread holds each file open with no sharing at all, for 300 ms or for good: renamed,
// given back or changed to capitals once the lock ends, with no report; reported after a second
// of waits when it lasts, and twenty files after the run's three seconds.
TEST(InUseOnDisk, AMomentsLockIsWaitedForALastingOneReported) {
    struct HeldOpen {
        HANDLE file, stop = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        std::thread holder;
        HeldOpen(const std::string& path, DWORD ms)
            : file(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)),
              holder([this, ms] { WaitForSingleObject(stop, ms), CloseHandle(file); }) {}
        ~HeldOpen() { SetEvent(stop), holder.join(), CloseHandle(stop); }
    };
    struct WaitingWindow : testing::RecordingWindow {
        void wait(unsigned ms) override { RecordingWindow::wait(ms), Sleep(ms); }
    };
    const struct {
        const char* what;
        bool undo, capitals;
        int files;
        DWORD heldMs;
    } cases[] = {{"rename", false, false, 1, 300},
                 {"undo", true, false, 1, 300},
                 {"change of letter case", false, true, 1, 300},
                 {"a lasting lock", false, false, 1, INFINITE},
                 {"twenty files held for good", false, false, 20, INFINITE}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder temp;
        Win32FileSystem fs;
        WaitingWindow window;
        FileList files;
        Names expected;
        const bool lasting = c.heldMs == INFINITE;
        for (int i = 0; i < c.files; ++i) {
            temp.file(std::to_string(i) + ".txt");
            files.push_back({temp.path(), std::to_string(i) + ".txt",
                             c.capitals ? "0.TXT" : "x_" + std::to_string(i) + ".txt"});
            expected.push_back(c.undo || lasting ? files.back().oldName : files.back().newName);
        }
        if (c.undo)
            renameAll(files, fs, window);
        std::list<HeldOpen> held;
        for (const FileEntry& e : files)
            held.emplace_back(temp.path() + (c.undo ? e.newName : e.oldName), c.heldMs);
        window = WaitingWindow();
        const RenameRecord record =
            c.undo ? renameBack(files, fs, window) : renameAll(files, fs, window);
        const unsigned waited = std::accumulate(window.waits.begin(), window.waits.end(), 0u);
        EXPECT_EQ(record.renamed(), lasting ? 0 : c.files);
        EXPECT_EQ(window.messages.size(), lasting ? files.size() : 0u);
        EXPECT_TRUE(lasting ? waited == (c.files == 1 ? 1000u : 3000u) : waited < 1000u) << waited;
        held.clear();
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(temp.list(), expected);
    }
}

} // namespace
} // namespace tarnwick
