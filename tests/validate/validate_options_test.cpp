#include "validate/validate_options.h"

#include "support/host_characters.h"
#include "support/memory_file_system.h"
#include "support/option_changes.h"
#include "support/recording_window.h"

#include <gtest/gtest.h>

#include <optional>

#include <cstring>
#include <string>

namespace tarnwick {
namespace {

using testing::MemoryFileSystem;
using testing::RecordingWindow;

const std::string kFolderMissing = "Your selected path does not exist!\nPlease change it.";
const std::string kMaskMessage =
    "A file mask cannot contain any of the following characters:\n\n"
    "\t\\ / : < > | \" or a space"
    "\n\nPlease change it. If you are not sure what to do\nsimply type '*.*' to select all files.";
const std::string kListMessage =
    "A filename list cannot contain any of the following characters:\n\n"
    "\t\\ / ? * < > | \""
    "\n\nPlease verify it. Use colons to separate filenames.\n\n"
    "Example:\treadme.txt:install.bat:setup.exe\n\n";
const std::string kEmptyName = "Write a filename between two colons!";
const std::string kNameHead = "A filename cannot contain any of the following characters:\n\n"
                              "\t\t\\ / : * ? < > | \"";
const std::string kDigitLimit =
    "A file name can contain up to 215 characters.\nPlease decrease the number of digits!";

class ValidateOptions : public ::testing::Test {
protected:
    ValidateOptions() {
        fs.add("C:\\",
               {"Photos\\", "Photos\\a.txt", "Photos\\b.txt", "Photos\\my file.txt", "note.txt"});
        reset();
    }

    bool validate() { return validateOptions(options, window, fs, state); }
    // The options and window of a fresh start: every switch off, the folder C:\Photos, "*.*".
    void reset() {
        options = Options{};
        options.pathSpec = "C:\\Photos";
        options.maskOrList = "*.*";
        window = RecordingWindow{};
    }

    MemoryFileSystem fs;
    RecordingWindow window;
    Options options;
    RunState state;
};

// The messages of the checks, and options that each check refuses.
const std::string kSeparator = kNameHead + "\n\nPlease change the separator string!";
const std::string kFindEmpty = "Please choose a string you like to replace!";
const std::string kFind =
    kNameHead + "\n\nThat's why it's useless to search for your replace string.\nPlease change it!";
const std::string kWith = kNameHead + "\n\nPlease change the 'replace with' string!";
const std::string kSwap = kNameHead + "\n\nThat's why it's useless to search for your string to "
                                      "turn arround.\nPlease change it!";
const std::string kInsert = kNameHead + "\n\nPlease change the string to insert!";
const std::string kEraseEmpty = "Please choose a string you like to delete!";
const std::string kErase = kNameHead + "\n\nThat's why it's useless to search for your string to "
                                       "delete.\nPlease change it!";
std::string missing(const std::string& path) {
    return "The following file doesn't exist!\n\n" + path + "\n\nPlease verify your input.";
}

using namespace testing::changes;

TEST_F(ValidateOptions, EachCheckRefusesWithItsMessageAndFocus) {
    const struct {
        const char* what;
        Change change;
        std::string message;
        std::optional<Field> focus; // none: the focus is not moved
    } cases[] = {
        {"empty path", path(""), kFolderMissing, Field::pathName},
        {"missing path", path("C:\\Missing"), kFolderMissing, Field::pathName},
        {"mask with a blank", mask("my *.txt"), kMaskMessage, Field::fileList},
        {"mask with a colon", mask("a:b"), kMaskMessage, Field::fileList},
        {"list with a folder part", list("sub\\a.txt"), kListMessage, Field::fileList},
        {"list with a wildcard", list("a.txt:*.txt"), kListMessage, Field::fileList},
        {"missing list file", list("a.txt:c.txt"), missing("C:\\Photos\\c.txt"), Field::fileList},
        {"missing first list file", list("c.txt:a.txt"), missing("C:\\Photos\\c.txt"),
         Field::fileList},
        {"list file only beside the folder", list("note.txt"), missing("C:\\Photos\\note.txt"),
         Field::fileList},
        {"two adjacent colons", list("a.txt::b.txt"), kEmptyName, Field::fileList},
        {"empty name in a file", // each name is looked for before it is found empty
         both(list(":"), path("C:\\note.txt")), missing("C:\\note.txt\\"), Field::fileList},
        {"leading colon", list(":a.txt"), kEmptyName, Field::fileList},
        {"empty list", list(""), kEmptyName, Field::fileList},
        {"separator", separator(" : "), kSeparator, Field::separator},
        {"empty replace string", replace(""), kFindEmpty, Field::replaceFind},
        {"replace string", replace("a?"), kFind, Field::replaceFind},
        {"replace with", replace("a", "x|y"), kWith, Field::replaceWith},
        {"swap pivot", swap("<"), kSwap, Field::swapPivot},
        {"insert text", insert("\"q\""), kInsert, Field::insertText},
        {"empty erase string", erase(""), kEraseEmpty, Field::eraseUntil},
        {"erase string", erase("a/b"), kErase, Field::eraseUntil},
        {"digit limit", digits(216), kDigitLimit, std::nullopt},
        {"digit count beyond the 32-bit range", digits(parseNumberField("99999999999")),
         kDigitLimit, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        reset();
        c.change(options);

        EXPECT_FALSE(validate());
        ASSERT_EQ(window.messages.size(), 1u);
        EXPECT_EQ(window.messages[0].text, c.message);
        EXPECT_EQ(window.messages[0].caption, "Tarnwick Error");
        // The folder gets its backslash only when it exists; the focus moves only after the
        // message box has been closed.
        std::vector<std::string> calls;
        if (c.focus != Field::pathName)
            calls.push_back("setFieldText pathName");
        calls.push_back("showError");
        if (c.focus)
            calls.push_back(std::string("focusField ") + testing::fieldName(*c.focus));
        EXPECT_EQ(window.calls, calls);
    }
}

// Every refusal switched on at once: the message and the focus belong to the check that comes
// first. Each rung is then taken away in turn; a rung overrides the later ones of the same field.
TEST_F(ValidateOptions, RefusalsAreReportedInTheOrderOfTheChecks) {
    auto mode = [](TargetMode m) -> Change { return [m](Options& o) { o.targetMode = m; }; };
    const struct {
        Change refusal;
        std::string message;
        std::optional<Field> focus;
    } ladder[] = {
        {both(path(""), mode(TargetMode::listMode)), kFolderMissing, Field::pathName},
        {path("C:\\Missing"), kFolderMissing, Field::pathName},
        {both(mask("a b"), mode(TargetMode::folderMode)), kMaskMessage, Field::fileList},
        {list("c.txt:a?.txt"), kListMessage, Field::fileList}, // characters before names
        {list("c.txt::"), missing("C:\\Photos\\c.txt"), Field::fileList},
        {list(":c.txt"), kEmptyName, Field::fileList},
        {separator("/"), kSeparator, Field::separator},
        {replace("", "?"), kFindEmpty, Field::replaceFind},
        {replace("*", "?"), kFind, Field::replaceFind},
        {replace("a", "?"), kWith, Field::replaceWith},
        {swap("|"), kSwap, Field::swapPivot},
        {insert("<"), kInsert, Field::insertText},
        {erase(""), kEraseEmpty, Field::eraseUntil},
        {erase(">"), kErase, Field::eraseUntil},
        {digits(216), kDigitLimit, std::nullopt},
    };
    const std::size_t rungs = std::size(ladder);
    for (std::size_t first = 0; first < rungs; ++first) {
        SCOPED_TRACE(ladder[first].message);
        reset();
        for (std::size_t rung = rungs; rung-- > first;)
            ladder[rung].refusal(options);

        EXPECT_FALSE(validate());
        ASSERT_EQ(window.messages.size(), 1u);
        EXPECT_EQ(window.messages[0].text, ladder[first].message);
        EXPECT_EQ(window.fieldFocused, ladder[first].focus);
    }
}

// Accepted options: the folder and the pattern the run takes, and the path field completed with
// the closing backslash where it lacked one; the list field keeps its text.
TEST_F(ValidateOptions, AcceptedOptionsGiveTheFolderAndPatternOfTheRun) {
    const auto all = [](std::vector<Change> changes) -> Change {
        return [changes](Options& o) {
            for (const Change& change : changes)
                change(o);
        };
    };
    const Change switchedOff = [](Options& o) { // refused values, but their boxes are off
        o.separator = ":";
        o.replaceWith = "*";
        o.swapPivot = "?";
        o.insertText = "|";
        o.digitCount = 216;
    };
    const struct {
        Change change;
        const char* folder;
        const char* pattern;
        bool completed;
    } cases[] = {
        {nothing, "C:\\Photos\\", "*.*", true},
        {path("C:\\Photos\\"), "C:\\Photos\\", "*.*", false},
        {path("C:\\"), "C:\\", "*.*", false},
        {path("C:\\note.txt"), "C:\\note.txt\\", "*.*", true},
        {mask("*.jpg"), "C:\\Photos\\", "*.jpg", true},
        {mask(""), "C:\\Photos\\", "", true},
        {mask("a?c.*"), "C:\\Photos\\", "a?c.*", true},
        {list("a.txt:b.txt"), "C:\\Photos\\", "a.txt:b.txt:", true},
        {list("a.txt:b.txt:"), "C:\\Photos\\", "a.txt:b.txt:", true},
        {list("my file.txt"), "C:\\Photos\\", "my file.txt:", true},
        {switchedOff, "C:\\Photos\\", "*.*", true},
        {all({separator(" - "), replace("old"), swap(""), insert(""), erase("_"), digits(215)}),
         "C:\\Photos\\", "*.*", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.folder) + c.pattern);
        reset();
        c.change(options);
        EXPECT_TRUE(validate());
        EXPECT_TRUE(window.messages.empty());
        EXPECT_FALSE(window.fieldFocused);
        EXPECT_EQ(state.targetFolder, c.folder);
        EXPECT_EQ(state.targetPattern, c.pattern);
        std::vector<std::pair<Field, std::string>> completed;
        if (c.completed)
            completed.emplace_back(Field::pathName, c.folder);
        EXPECT_EQ(window.fieldTexts, completed);
    }
}

// Every byte against the three sets: exactly the listed characters are refused.
TEST_F(ValidateOptions, CharacterSetsHoldExactlyTheirCharacters) {
    for (int b = 1; b < 256; ++b) {
        const char c = static_cast<char>(b);
        SCOPED_TRACE(b);

        reset();
        options.maskOrList = std::string("*") + c + "*";
        EXPECT_EQ(validate(), std::strchr("\\/:<>|\" ", c) == nullptr);

        options.maskOrList = "*.*";
        options.insertOn = true;
        options.insertText = std::string("x") + c;
        window = RecordingWindow{};
        EXPECT_EQ(validate(), std::strchr("\\/:*?<>|\"", c) == nullptr);

        if (c == ':')
            continue; // the separator of the list
        reset();
        options.targetMode = TargetMode::listMode;
        options.maskOrList = std::string("a.txt") + c;
        validate();
        ASSERT_EQ(window.messages.size(), 1u); // the name a.txt<c> does not exist
        EXPECT_EQ(window.messages[0].text == kListMessage, std::strchr("\\/?*<>|\"", c) != nullptr);
    }
}

TEST_F(ValidateOptions, CompletedFolderStaysWhenALaterCheckFails) {
    // The pattern is stored only when its own check passes.
    for (TargetMode mode : {TargetMode::folderMode, TargetMode::listMode}) {
        state = RunState{};
        state.targetPattern = "earlier";
        window = RecordingWindow{};
        options.targetMode = mode;
        options.maskOrList = mode == TargetMode::folderMode ? "my *.txt" : "a.txt:c.txt";
        EXPECT_FALSE(validate());
        EXPECT_EQ(state.targetFolder, "C:\\Photos\\");
        EXPECT_EQ(state.targetPattern, "earlier");
        ASSERT_EQ(window.calls.size(), 3u);
        EXPECT_EQ(window.calls[0], "setFieldText pathName");
    }
}

// The capacity check of numbers from start with digits for files entries.
bool fits(int start, int digits, std::size_t files, RecordingWindow& window) {
    Options options;
    options.numerate = true;
    options.startNumber = start;
    options.digitCount = digits;
    return checkNumberingCapacity(options, files, window);
}

TEST(CheckNumberingCapacity, NumbersMustFitIntoTheDigits) {
    const struct {
        int start;
        int digits;
        std::size_t files;
        bool fits;
    } cases[] = {
        {0, 1, 10, true},
        {0, 1, 11, false},
        {1, 1, 9, true},
        {1, 1, 10, false},
        {95, 2, 5, true},
        {95, 2, 6, false},
        {0, 2, 100, true},
        {0, 2, 101, false},
        {0, 0, 0, false},
        {0, 0, 1, false},
        {5, 0, 0, false},
        {0, 1, 0, true},
        {10, 1, 0, true},
        {11, 1, 0, false},
        {100, 2, 0, true},
        {2147483647, 10, 1, true},
        {2147483647, 9, 1, false},
        {0, 215, static_cast<std::size_t>(-1), true},
        {0, -3, 1, false},
        {-5, 1, 1, true},   // ‘-5’ has one digit
        {-9, 1, 19, true},  // -9 .. 9
        {-9, 1, 20, false}, // -9 .. 10
        {-10, 1, 1, false}, // ‘-10’ has two digits
        {-10, 1, 0, true},
        {-2147483647 - 1, 10, 1, true},
        {-2147483647 - 1, 9, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("S=" + std::to_string(c.start) + " D=" + std::to_string(c.digits) +
                     " N=" + std::to_string(c.files));
        RecordingWindow window;
        EXPECT_EQ(fits(c.start, c.digits, c.files, window), c.fits);
        ASSERT_EQ(window.messages.size(), c.fits ? 0u : 1u);
        if (!c.fits) {
            // The start is named when it is not zero.
            const std::string start =
                c.start != 0 ? " if you start with " + std::to_string(c.start) : "";
            EXPECT_EQ(window.messages[0].text,
                      "There are " + std::to_string(c.files) + " files to rename.\n" +
                          std::to_string(c.digits) + " digits are insufficient" + start +
                          ".\nThat's why it is necessary that you increase the number of "
                          "digits!\n");
            EXPECT_EQ(window.messages[0].caption, "Tarnwick Error");
            EXPECT_EQ(window.calls, (std::vector<std::string>{"showError", "focusField digits"}));
        }
    }
}

TEST(CheckNumberingCapacity, OffPassesWhateverTheNumbers) {
    Options options;
    options.digitCount = 0;
    RecordingWindow window;
    EXPECT_TRUE(checkNumberingCapacity(options, 1000, window));
    EXPECT_TRUE(window.calls.empty());
}

} // namespace
} // namespace tarnwick
