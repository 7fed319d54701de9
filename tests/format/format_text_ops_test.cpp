#include "format/name_ops.h"

#include <gtest/gtest.h>

#include <string>

namespace tarnwick {
namespace {

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
    };
    for (const auto& c : cases) {
        std::string name = c.name;
        applyFolderPrefix(name, c.folder, c.separator);
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
    };
    for (const auto& c : cases) {
        std::string name = c.name;
        applyReplace(name, c.find, c.with, c.firstOnly);
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
    };
    for (const auto& c : cases) {
        std::string name = c.name;
        applySwap(name, c.pivot);
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
        {"photo.jpg", "_x", 0, "_xphoto.jpg"}, {"photo.jpg", "_x", 2, "ph_xoto.jpg"},
        {"photo.jpg", "_x", 5, "photo_x.jpg"}, {"photo.jpg", "_x", 99, "photo_x.jpg"},
        {"README", "_x", 99, "README_x"},      {"", "_x", 3, "_x"},
        {"photo.jpg", "", 2, "photo.jpg"},     {"photo.jpg", "_x", -4, "_xphoto.jpg"},
    };
    for (const auto& c : cases) {
        std::string name = c.name;
        applyInsert(name, c.text, c.position);
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
    };
    for (const auto& c : cases) {
        std::string name = c.name;
        applyErase(name, c.until);
        EXPECT_EQ(name, c.result) << c.name << " / " << c.until;
    }
}

TEST(TextOperations, PassesInSequence) {
    std::string name = "Artist_-_Song.mp3";
    applyReplace(name, "_", " ", false);
    EXPECT_EQ(name, "Artist - Song.mp3");
    applySwap(name, " - ");
    EXPECT_EQ(name, "Song - Artist.mp3");
    applyInsert(name, " (live)", 99);
    EXPECT_EQ(name, "Song - Artist (live).mp3");
    applyErase(name, "Song - ");
    EXPECT_EQ(name, "Artist (live).mp3");
}

// Every operation ends on empty, one-byte and very long names, also with parameters that
// validation would refuse (empty find, empty pivot, an extreme position).
TEST(TextOperations, EndOnEmptyTinyAndHugeNames) {
    std::string huge(4000, 'a');
    huge[1000] = '.';
    huge[3990] = '.';
    for (const std::string& original : {std::string(), std::string("."), std::string("a"), huge}) {
        for (const char* text : {"", ".", "a", "aa", "b"}) {
            std::string name = original;
            applyFolderPrefix(name, "C:\\x\\", text);
            name = original;
            applyReplace(name, text, "ab", false);
            name = original;
            applyReplace(name, text, "", false);
            name = original;
            applyReplace(name, text, "b", true);
            name = original;
            applySwap(name, text);
            EXPECT_EQ(name.size(), original.size());
            name = original;
            applyInsert(name, text, 2147483647);
            name = original;
            applyErase(name, text);
            name = original;
            applyNumbering(name, text);
        }
    }
    std::string name = huge;
    applyReplace(name, "a", "bb", false);
    EXPECT_EQ(name.size(), 2u * 3998 + 2);
    applyReplace(name, "bb", "a", false);
    EXPECT_EQ(name, huge);
}

} // namespace
} // namespace tarnwick
