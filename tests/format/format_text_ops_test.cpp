#include "format/name_ops.h"
#include "support/host_characters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace tarnwick {
namespace {

const Wtf8Characters& characters = testing::testCharacters();

// The operations by their plain definitions, one step after the other, for comparison with the
// fast ones (which work in place).
std::size_t plainDot(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? name.size() : dot;
}

std::string plainReplace(const std::string& name, const std::string& find, const std::string& with,
                         bool firstOnly) {
    if (find.empty())
        return name;
    std::string result = name;
    std::size_t at = 0;
    while ((at = result.find(find, at)) != std::string::npos) {
        result = result.substr(0, at) + with + result.substr(at + find.size());
        at += with.size();
        if (firstOnly)
            break;
    }
    return result;
}

std::string plainSwap(const std::string& name, const std::string& pivot) {
    const std::size_t p = pivot.empty() ? std::string::npos : name.find(pivot);
    if (p == std::string::npos)
        return name;
    std::size_t e = plainDot(name);
    if (e < p + pivot.size())
        e = name.size();
    return name.substr(p + pivot.size(), e - p - pivot.size()) + pivot + name.substr(0, p) +
           name.substr(e);
}

std::string plainInsert(const std::string& name, const std::string& text, std::size_t position) {
    const std::size_t at = std::min(position, plainDot(name));
    return name.substr(0, at) + text + name.substr(at);
}

std::string plainErase(const std::string& name, const std::string& until) {
    const std::size_t at = until.empty() ? std::string::npos : name.find(until);
    return at == std::string::npos ? name : name.substr(at + until.size());
}

TEST(ExtensionDot, IsTheLastDotOrTheLength) {
    EXPECT_EQ(extensionDot("report.final.doc"), 12u);
    EXPECT_EQ(extensionDot(".profile"), 0u);
    EXPECT_EQ(extensionDot("README"), 6u);
    EXPECT_EQ(extensionDot(""), 0u);
}

TEST(FolderPrefix, PutsTheLastFolderAndSeparatorInFront) {
    const struct {
        const char* folder;
        const char* separator;
        const char* name;
        const char* result;
    } cases[] = {
        {"C:\\Photos\\Rome\\", " - ", "img01.jpg", "Rome - img01.jpg"},
        {"C:\\Photos\\", "", "img01.jpg", "Photosimg01.jpg"},
        {"C:\\", "_", "img01.jpg", "img01.jpg"},
        {"\\\\server\\share\\", "_", "a.txt", "share_a.txt"},
        {"C:\\A\\", "_", "a.txt", "A_a.txt"},
        {"C:\\A\\", "_", "", "A_"},
        {"Data\\", "-", "x", "Data-x"},                   // no backslash before the closing one
        {"C:/Photos/Rome\\", "_", "a.txt", "Rome_a.txt"}, // typed with forward slashes
        {"C:/Photos\\", "_", "a.txt", "Photos_a.txt"},
        {"Dat\\", "-", "x", "Dat-x"},               // 4 bytes: more than a root
        {"C:\\Photos\\\\", "_", "a.txt", "_a.txt"}, // nothing between the last two backslashes
        // A folder beyond ASCII.
        {"C:\\Фото\\", "_", "a.txt", "Фото_a.txt"},
    };
    for (const auto& c : cases) {
        std::string name = c.name;
        applyFolderPrefix(name, c.folder, c.separator, characters);
        EXPECT_EQ(name, c.result) << c.folder;
    }
}

TEST(Replace, FirstOrEveryOccurrenceNeverSearchingInsertedText) {
    const struct {
        const char* name;
        const char* find;
        const char* with;
        bool firstOnly;
        const char* result;
    } cases[] = {
        {"a_b_c.txt", "_", " ", false, "a b c.txt"},
        {"a_b_c.txt", "_", " ", true, "a b_c.txt"},
        {"aaa.txt", "aa", "b", false, "ba.txt"},
        {"aXa.txt", "a", "aa", false, "aaXaa.txt"},
        {"abb.txt", "ab", "a", false, "ab.txt"},
        {"photo.jpeg", "jpeg", "jpg", false, "photo.jpg"},
        {"Photo.txt", "photo", "x", false, "Photo.txt"},
        {"aaaa", "a", "", false, ""},
        {"xaxbx", "x", "yyy", false, "yyyayyybyyy"},
        {"xaxbx", "x", "yyy", true, "yyyaxbx"},
        {"", "a", "b", false, ""},
        {"a", "a", "ab", false, "ab"},
        // A search text that overlaps itself: the occurrences are taken left to right.
        {"aaaa", "aa", "b", false, "bb"},
        {"aaaaa", "aa", "b", false, "bba"},
        {"aaaaa", "aa", "", false, "a"},
        {"aaa", "aa", "aaa", false, "aaaa"},
        {"aaaaa", "aa", "xyz", false, "xyzxyza"},
        {"ababa", "aba", "x", false, "xba"},
        {"aaa", "aa", "b", true, "ba"},
        {"xaaay", "aa", "b", true, "xbay"},
        // Longer and shorter replacements with text between and after the occurrences.
        {"a.b.c", ".", "..", false, "a..b..c"},
        {"xyzQxyzQQ", "xyz", "w", false, "wQwQQ"},
        {"Qxyzxyz", "xyz", "w", false, "Qww"},
        {"abcabc", "bc", "XY", false, "aXYaXY"},
        {"12-34-5", "-", "--", false, "12--34--5"},
        // Only whole characters match: Ä is C3 84; a search text may not end inside one.
        {"Äx\xC3", "\xC3", "y", false, "Äxy"},
        {"Weiß.txt", "ß", "ss", false, "Weiss.txt"},
    };
    for (const auto& c : cases) {
        std::string name = c.name;
        applyReplace(name, c.find, c.with, c.firstOnly, characters);
        EXPECT_EQ(name, c.result) << c.name << " / " << c.find << " -> " << c.with;
    }
}

TEST(Swap, ExchangesBeforeAndAfterKeepingTheExtension) {
    const struct {
        const char* name;
        const char* pivot;
        const char* result;
    } cases[] = {
        {"Artist - Title.mp3", " - ", "Title - Artist.mp3"},
        {"Smith - Song", " - ", "Song - Smith"},
        {"a - b - c.txt", " - ", "b - c - a.txt"},
        {"first.second.txt", ".", "second.first.txt"},
        {"Title.mp3", " - ", "Title.mp3"},
        {"Artist - Title.mp3", "", "Artist - Title.mp3"},
        // No extension behind the pivot: the whole rest moves to the front.
        {"Vol.2 - Live", " - ", "Live - Vol.2"},
        {"a.b", ".", "b.a"},
        {" - x.txt", " - ", "x - .txt"},
        {"x - .txt", " - ", " - x.txt"},
        {"", " - ", ""},
        // Names beyond ASCII around an ASCII pivot.
        {"Д - К.txt", " - ", "К - Д.txt"},
    };
    for (const auto& c : cases) {
        std::string name = c.name;
        applySwap(name, c.pivot, characters);
        EXPECT_EQ(name, c.result) << c.name << " / " << c.pivot;
    }
}

TEST(Insert, NeverLandsInsideTheExtension) {
    const struct {
        const char* name;
        const char* text;
        int position;
        const char* result;
    } cases[] = {
        {"photo.jpg", "_x", 0, "_xphoto.jpg"},
        {"photo.jpg", "_x", 2, "ph_xoto.jpg"},
        {"photo.jpg", "_x", 5, "photo_x.jpg"},
        {"photo.jpg", "_x", 99, "photo_x.jpg"},
        {"README", "_x", 99, "README_x"},
        {"", "_x", 3, "_x"},
        {"photo.jpg", "", 2, "photo.jpg"},
        {"photo.jpg", "_x", -4, "_xphoto.jpg"},
        // At the extension dot, one on either side of it, and at or beyond the end.
        {"photo.jpg", "_x", 4, "phot_xo.jpg"},
        {"photo.jpg", "_x", 6, "photo_x.jpg"},
        {"photo.jpg", "_x", 9, "photo_x.jpg"},
        {"photo.jpg", "_x", 10, "photo_x.jpg"},
        {"README", "_x", 5, "READM_xE"},
        {"README", "_x", 6, "README_x"},
        {"README", "_x", 7, "README_x"},
        {".profile", "_x", 1, "_x.profile"},
        {"a.b.c", "_x", 2, "a._xb.c"},
        {"a.b.c", "_x", 4, "a.b_x.c"},
        {"x.", "_", 2, "x_."},
        {"x", "_", 2147483647, "x_"},
        // Positions count characters: 中文.txt, an emoji of four bytes.
        {"中文.txt", "_", 1, "中_文.txt"},
        {"😀a.txt", "_", 1, "😀_a.txt"},
    };
    for (const auto& c : cases) {
        std::string name = c.name;
        applyInsert(name, c.text, c.position, characters);
        EXPECT_EQ(name, c.result) << c.name << " at " << c.position;
    }
}

TEST(Erase, RemovesUpToAndIncludingTheFirstOccurrence) {
    const struct {
        const char* name;
        const char* until;
        const char* result;
    } cases[] = {
        {"2001-05-rome.jpg", "-", "05-rome.jpg"},
        {"2001-05-rome.jpg", "rome", ".jpg"},
        {"2001-05-rome.jpg", "x", "2001-05-rome.jpg"},
        {"abc.txt", ".txt", ""},
        {"Rome.jpg", "rome", "Rome.jpg"},
        // At the extension dot, at the start, at the end and beyond it.
        {"a.b.c", ".", "b.c"},
        {"abc", "a", "bc"},
        {"abc", "c", ""},
        {"abc", "abc", ""},
        {"abc", "abcd", "abc"},
        {"aab", "ab", ""},
        {"abab", "ab", "ab"},
        {"", "a", ""},
        {"日-語.txt", "-", "語.txt"},
    };
    for (const auto& c : cases) {
        std::string name = c.name;
        applyErase(name, c.until, characters);
        EXPECT_EQ(name, c.result) << c.name << " / " << c.until;
    }
}

TEST(TextOperations, PassesInSequence) {
    std::string name = "Artist_-_Song.mp3";
    applyReplace(name, "_", " ", false, characters);
    EXPECT_EQ(name, "Artist - Song.mp3");
    applySwap(name, " - ", characters);
    EXPECT_EQ(name, "Song - Artist.mp3");
    applyInsert(name, " (live)", 99, characters);
    EXPECT_EQ(name, "Song - Artist (live).mp3");
    applyErase(name, "Song - ", characters);
    EXPECT_EQ(name, "Artist (live).mp3");
}

// Every operation ends on empty, one-byte and very long names, also with parameters that
// validation would refuse (empty find, empty pivot, an extreme position), and gives the result of
// its plain definition.
TEST(TextOperations, EndOnEmptyTinyAndHugeNames) {
    std::string huge(4000, 'a');
    huge[1000] = '.';
    huge[3990] = '.';
    for (const std::string& original : {std::string(), std::string("."), std::string("a"), huge}) {
        for (const std::string text : {"", ".", "a", "aa", "b"}) {
            SCOPED_TRACE(original.substr(0, 8) + " / " + text);
            // The original name after an operation.
            auto after = [&](const std::function<void(std::string&)>& operation) {
                std::string name = original;
                operation(name);
                return name;
            };
            using S = std::string;
            EXPECT_EQ(after([&](S& n) { applyFolderPrefix(n, "C:\\x\\", text, characters); }),
                      "x" + text + original);
            EXPECT_EQ(after([&](S& n) { applyReplace(n, text, "ab", false, characters); }),
                      plainReplace(original, text, "ab", false));
            EXPECT_EQ(after([&](S& n) { applyReplace(n, text, "", false, characters); }),
                      plainReplace(original, text, "", false));
            EXPECT_EQ(after([&](S& n) { applyReplace(n, text, "b", true, characters); }),
                      plainReplace(original, text, "b", true));
            EXPECT_EQ(after([&](S& n) { applySwap(n, text, characters); }),
                      plainSwap(original, text));
            EXPECT_EQ(after([&](S& n) { applyInsert(n, text, 2147483647, characters); }),
                      plainInsert(original, text, 2147483647));
            EXPECT_EQ(after([&](S& n) { applyErase(n, text, characters); }),
                      plainErase(original, text));
            EXPECT_EQ(after([&](S& n) { applyNumbering(n, text); }),
                      text + original.substr(plainDot(original)));
        }
    }
    std::string name = huge;
    applyReplace(name, "a", "bb", false, characters);
    EXPECT_EQ(name.size(), 2u * 3998 + 2);
    applyReplace(name, "bb", "a", false, characters);
    EXPECT_EQ(name, huge);
}

// Every short name of a few letters and dots against the plain definitions: the in-place
// rebuilding of replace and swap meets every overlap and every position of the occurrences.
TEST(TextOperations, ShortNamesGiveThePlainResults) {
    std::vector<std::string> names{""};
    for (std::size_t first = 0; first < names.size() && names[first].size() < 5; ++first)
        for (char c : {'a', 'b', '.'})
            names.push_back(names[first] + c);
    for (const std::string& name : names) {
        for (const char* find : {"a", "aa", "ab", "ba", "aba", ".", "a."}) {
            for (const char* with : {"", "b", "ba", "aa", "aab", "bbbb"}) {
                for (bool firstOnly : {false, true}) {
                    std::string result = name;
                    applyReplace(result, find, with, firstOnly, characters);
                    ASSERT_EQ(result, plainReplace(name, find, with, firstOnly))
                        << name << " / " << find << " -> " << with << (firstOnly ? " first" : "");
                }
            }
            std::string swapped = name;
            applySwap(swapped, find, characters);
            ASSERT_EQ(swapped, plainSwap(name, find)) << name << " / " << find;
            std::string erased = name;
            applyErase(erased, find, characters);
            ASSERT_EQ(erased, plainErase(name, find)) << name << " / " << find;
        }
        for (int position = 0; position <= 6; ++position) {
            std::string inserted = name;
            applyInsert(inserted, "_", position, characters);
            ASSERT_EQ(inserted, plainInsert(name, "_", static_cast<std::size_t>(position)))
                << name << " at " << position;
        }
    }
}

} // namespace
} // namespace tarnwick
