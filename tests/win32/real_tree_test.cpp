// Real trees under Wine: files that are links to other files, and names that differ only in
// letter case. The Linux side makes what Windows cannot make (links to files, case twins) and
// reads back what is on the disk.
#include "engine/commands.h"
#include "win32/win32_file_system.h"

#include "support/commands_fixture.h"
#include "support/recording_window.h"
#include "support/temp_folder.h"
#include "support/option_changes.h"
#include "wine_host.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace tarnwick {
namespace {

using namespace testing::changes;
using testing::RecordingWindow;
using testing::runShell;
using testing::shellQuote;
using testing::TempFolder;
using testing::unixPath;

// The Unix path of a folder, without its closing slash.
std::string unixFolder(const TempFolder& folder) {
    std::string path = folder.path();
    path.pop_back();
    return unixPath(path);
}

// What lies below a folder, as the Linux side sees it: every path with its kind ("file",
// "link -> target"), sorted, one a line; and a file's content after a colon.
std::string tree(const TempFolder& folder) {
    const std::string out = folder.path() + "~tree.txt";
    runShell("cd " + shellQuote(unixFolder(folder)) +
                 "\nfind . -mindepth 1 ! -name '~tree.txt' | sort | while read -r p; do"
                 "\n  if [ -L \"$p\" ]; then echo \"$p -> $(readlink \"$p\")\";"
                 "\n  elif [ -f \"$p\" ]; then echo \"$p: $(cat \"$p\")\"; fi; done > ~tree.txt",
             folder.path());
    const std::string text = folder.read("~tree.txt");
    DeleteFileA(out.c_str());
    return text;
}

class RealTreeTest : public testing::CommandsFixture<Win32FileSystem> {
protected:
    void SetUp() override {
        if (!testing::underWine())
            GTEST_SKIP() << "needs the Linux side of Wine to make links and case twins";
    }
    // Renames as the options say, then undoes it.
    void renameAndUndo() {
        commands.runRename();
        renamed = window.statusText;
        reports = window.messages;
        window.messages.clear();
        commands.runUndo();
    }

    TempFolder temp;
    std::string renamed;
    std::vector<RecordingWindow::Message> reports;
};

// in\faq.txt links to readme.txt beside it, in\license.txt (and in\sub\deep.txt) to a file
// outside the chosen folder. Under Wine the platform would rename what a link leads to: the
// links are reported and left as they are, every other file is renamed and given back.
TEST_F(RealTreeTest, FilesThatAreLinksAreReportedAndNeverMoveWhatTheyLeadTo) {
    const std::string linkReason = "The file is a link to another file, which a rename here "
                                   "would move instead; it is left as it is.";
    const struct {
        const char* what;
        TargetMode mode;
        const char* files;
        bool subdirs;
        std::vector<std::string> links; // reported, relative to in\ .
        const char* renamed;
    } cases[] = {
        {"folder", TargetMode::folderMode, "*.txt", false, {"faq.txt", "license.txt"}, "2"},
        {"list", TargetMode::listMode, "license.txt:a.txt", false, {"license.txt"}, "1"},
        {"subfolders",
         TargetMode::folderMode,
         "*.*",
         true,
         {"faq.txt", "license.txt", "sub\\deep.txt"},
         "3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder root;
        root.file("in\\a.txt", "a");
        root.file("in\\readme.txt", "readme");
        root.file("in\\sub\\c.txt", "c");
        root.file("out\\target.txt", "target");
        ASSERT_TRUE(runShell("cd " + shellQuote(unixFolder(root)) +
                                 "/in\nln -s readme.txt faq.txt\nln -s ../out/target.txt "
                                 "license.txt\nln -s ../../out/target.txt sub/deep.txt",
                             root.path()));
        const std::string before = tree(root);
        window = RecordingWindow{};
        window.options.targetMode = c.mode;
        window.options.pathSpec = root.path() + "in";
        window.options.maskOrList = c.files;
        window.options.includeSubdirs = c.subdirs;
        insert("x_")(window.options);
        commands.state().previewReady = false;
        renameAndUndo();

        ASSERT_EQ(reports.size(), c.links.size());
        for (std::size_t i = 0; i < c.links.size(); ++i) {
            const std::string folder = root.path() + "in\\" + c.links[i];
            const std::size_t slash = folder.rfind('\\') + 1;
            EXPECT_EQ(reports[i].text, "Access denied.\n\n" + folder +
                                           "\n\ncould not renamed to\n\n" +
                                           folder.substr(0, slash) + "x_" + folder.substr(slash) +
                                           "\n\n" + linkReason);
        }
        EXPECT_EQ(renamed, std::string(c.renamed) + " file(s) successfully renamed.");
        EXPECT_EQ(window.statusText, std::string(c.renamed) + " file(s) renamed back.");
        EXPECT_TRUE(window.messages.empty());
        EXPECT_EQ(tree(root), before);
        runShell("cd " + shellQuote(unixFolder(root)) +
                     "/in\nrm -f faq.txt license.txt sub/deep.txt",
                 root.path());
    }
}

// "memo " links to its twin "memo" beside it; the platform names both "memo" in a final path, but
// what it opens under "memo " is the file of "memo": the link is reported and both stay.
TEST_F(RealTreeTest, ALinkToATwinThatDiffersInClosingBlanksIsReported) {
    ASSERT_TRUE(runShell(
        "cd " + shellQuote(unixFolder(temp)) + "\necho m > memo\nln -s memo 'memo '", temp.path()));
    const std::string before = tree(temp);
    window.options.pathSpec = temp.path();
    window.options.maskOrList = "*.*";
    replace(" ", "_")(window.options);
    renameAndUndo();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].text.find(temp.path() + "memo \n\ncould not renamed to\n\n" + temp.path() +
                                   "memo_\n\nThe file is a link"),
              std::string::npos)
        << reports[0].text;
    EXPECT_EQ(tree(temp), before);
}

// A Linux folder may hold FAQ.html and faq.html; Windows cannot. Renamed apart, only one of them
// gets its old name back: for the platform the other's old name is taken, and the undo reports it.
TEST_F(RealTreeTest, OfTwoLetterCaseTwinsTheUndoGivesOneItsNameBackAndReportsTheOther) {
    ASSERT_TRUE(runShell("cd " + shellQuote(unixFolder(temp)) +
                             "\necho big > FAQ.html\necho small > faq.html",
                         temp.path()));
    window.options.pathSpec = temp.path();
    window.options.maskOrList = "*.*";
    numbersFrom(1)(window.options);
    renameAndUndo();
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(renamed, "2 file(s) successfully renamed.");
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text,
              "Access denied.\n\n" + temp.path() + "1.html\n\ncould not renamed to\n\n" +
                  temp.path() +
                  "FAQ.html\n\nFile or directory specified by newname already "
                  "exists or could not be created (invalid path); or oldname is a "
                  "directory and newname specifies a different path.");
    EXPECT_EQ(window.statusText, "1 file(s) renamed back.");
    EXPECT_EQ(tree(temp), "./1.html: big\n./faq.html: small\n");
}

} // namespace
} // namespace tarnwick
