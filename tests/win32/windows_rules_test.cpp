#include "win32/windows_rules.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

// Which found entries are folder links, by their attributes and reparse tag as the Windows folder
// search gives them.
TEST(IsFolderLink, NameSurrogatesAndUnknownTagsAreLinksCloudPlaceholdersAreNot) {
    const struct {
        const char* entry;
        std::uint32_t attributes;
        std::uint32_t tag;
        bool link;
    } cases[] = {
        {"plain folder", 0x10, 0, false},
        {"read-only folder", 0x11, 0, false},
        {"plain folder, stray tag", 0x10, 0xA000000C, false}, // no reparse attribute: no tag
        {"file", 0x20, 0, false},
        {"file that is a symbolic link", 0x420, 0xA000000C, false},
        {"read-only file that is a symbolic link", 0x421, 0xA000000C, false},
        {"folder link of Wine", 0x410, 0, true},
        {"folder link of Wine", 0x410, 2, true},
        {"junction", 0x410, 0xA0000003, true},
        {"symbolic link", 0x410, 0xA000000C, true},
        {"hidden system junction", 0x416, 0xA0000003, true},
        {"another vendor's name surrogate", 0x410, 0x20000007, true},
        {"another vendor's tag", 0x410, 0x00000007, true},
        {"OneDrive placeholder", 0x410, 0x9000001A, false},
        {"cloud placeholder", 0x410, 0x9000101A, false},
        {"Microsoft tag, no name surrogate", 0x410, 0x80000018, false},
        {"deduplicated folder", 0x410, 0x80000013, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isFolderLink(c.attributes, c.tag), c.link)
            << c.entry << std::hex << " 0x" << c.attributes << " 0x" << c.tag;
}

// A file another program holds for a moment is waited for (sharing, lock, cloud file in use);
// access denied, write protection, a locked drive, a taken name or a cloud file denied is final.
TEST(IsInUseError, SharingLockAndCloudFilesInUseAreWaitedForNothingElse) {
    for (const std::uint32_t waited : {32u, 33u, 391u})
        EXPECT_TRUE(isInUseError(waited)) << waited;
    for (const std::uint32_t final : {5u, 19u, 108u, 80u, 183u, 395u, 362u})
        EXPECT_FALSE(isInUseError(final)) << final;
}

// What a command drops of the input that comes while it works, and what it leaves for the windows.
TEST(MeantimeInput, EveryWayOfPressingIsDroppedEverythingElseStays) {
    // Keys and characters, the mouse in the client area and beyond it, touch, pen and pointers,
    // gestures, and a click posted to a button.
    for (const unsigned dropped : {0x0100u, 0x0102u, 0x0109u, 0x0201u, 0x020Eu, 0x00A1u, 0x00ADu,
                                   0x0240u, 0x0242u, 0x0246u, 0x0247u, 0x0253u, 0x0119u, 0x00F5u})
        EXPECT_TRUE(isMeantimeInput(dropped)) << std::hex << dropped;
    // Painting, the quit, timers, commands, menu commands, the dialog's focus, the cursor, a
    // button's check, the gesture's set-up, pointer devices, a change of DPI, the mouse leaving.
    for (const unsigned kept : {0x000Fu, 0x0012u, 0x0113u, 0x0111u, 0x0112u, 0x0028u, 0x0020u,
                                0x00F1u, 0x011Au, 0x0238u, 0x02E0u, 0x02A3u})
        EXPECT_FALSE(isMeantimeInput(kept)) << std::hex << kept;
}

TEST(LongPathForm, DrivesAndNetworkPathsGetTheirPrefixOnce) {
    const struct {
        const wchar_t* path;
        const wchar_t* longForm;
    } cases[] = {
        {L"C:\\a\\b.txt", L"\\\\?\\C:\\a\\b.txt"},
        {L"C:\\", L"\\\\?\\C:\\"},
        {L"\\\\server\\share\\a", L"\\\\?\\UNC\\server\\share\\a"},
        {L"\\\\?\\C:\\a", L"\\\\?\\C:\\a"},
        {L"\\\\?\\UNC\\server\\share", L"\\\\?\\UNC\\server\\share"},
        {L"\\\\.\\pipe\\x", L"\\\\.\\pipe\\x"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(longPathForm(c.path), c.longForm);
}

// A typed path is completed from its drive's root when it is a bare drive, and a completed device
// path is a folder only on a drive or a share, in the long form.
TEST(TypedPaths, ABareDriveIsItsRootOnlyDrivesAndSharesAreDeviceFolders) {
    const struct {
        const wchar_t* typed;
        const wchar_t* toComplete;
        const wchar_t* folder; // of the typed path taken as completed
    } cases[] = {
        {L"y:", L"y:\\", L"y:"},
        {L"C:a", L"C:a", L"C:a"},
        {L"1:", L"1:", L"1:"},
        {L"\\\\.\\unc\\s\\share\\a.", L"\\\\.\\unc\\s\\share\\a.", L"\\\\?\\unc\\s\\share\\a."},
        {L"\\\\.\\C:\\a.", L"\\\\.\\C:\\a.", L"\\\\?\\C:\\a."},
        {L"\\\\.\\C:", L"\\\\.\\C:", L""},
        {L"\\\\.\\UNCX", L"\\\\.\\UNCX", L""},
        {L"\\\\.\\pipe\\x", L"\\\\.\\pipe\\x", L""},
        {L"\\\\?\\C:\\a.", L"\\\\?\\C:\\a.", L"\\\\?\\C:\\a."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pathToComplete(c.typed), c.toComplete);
        EXPECT_EQ(completedFolderForm(c.typed), c.folder);
    }
}

// What a rename would act on, by the final paths of the entry's folder and of what the platform
// opens under the entry's path (in one letter case): the entry, or the file a link leads to.
TEST(FinalPathsNameEntry, OnlyTheEntryInItsOwnFolder) {
    const struct {
        const char* what;
        const wchar_t* folderFinal;
        const wchar_t* fileFinal;
        const wchar_t* name;
        const wchar_t* longName;
        bool itself;
        bool withoutClosingDots = itself; // where the platform drops closing dots and blanks
    } cases[] = {
        {"a plain file", L"\\\\?\\Z:\\IN", L"\\\\?\\Z:\\IN\\A.TXT", L"A.TXT", L"A.TXT", true},
        {"without the prefix", L"Z:\\IN", L"\\\\?\\Z:\\IN\\A.TXT", L"A.TXT", L"A.TXT", true},
        {"in a drive's root", L"\\\\?\\C:\\", L"\\\\?\\C:\\A.TXT", L"A.TXT", L"A.TXT", true},
        {"on a network share", L"\\\\?\\UNC\\S\\SHARE\\IN", L"\\\\S\\SHARE\\IN\\A.TXT", L"A.TXT",
         L"A.TXT", true},
        {"typed as a short name", L"Z:\\IN", L"Z:\\IN\\README.TXT", L"README~1.TXT", L"README.TXT",
         true, false},
        {"a link beside its target", L"Z:\\IN", L"Z:\\IN\\README.TXT", L"FAQ.TXT", L"FAQ.TXT",
         false},
        {"a link out of the folder", L"Z:\\IN", L"Z:\\OUT\\TARGET.TXT", L"LICENSE.TXT",
         L"LICENSE.TXT", false},
        {"a link to a twin of its name elsewhere", L"Z:\\IN", L"Z:\\OUT\\A.TXT", L"A.TXT", L"A.TXT",
         false},
        {"a link to the same path on another drive", L"\\\\?\\C:\\IN", L"\\\\?\\Z:\\IN\\A.TXT",
         L"A.TXT", L"A.TXT", false},
        {"a link in a subfolder of the same name", L"Z:\\IN", L"Z:\\IN\\IN\\A.TXT", L"A.TXT",
         L"A.TXT", false},
        {"a folder prefix that is no folder", L"Z:\\IN", L"Z:\\INA.TXT", L"A.TXT", L"A.TXT", false},
        {"a name ending in blanks and dots", L"Z:\\IN", L"Z:\\IN\\MEMO", L"MEMO. .", L"MEMO. .",
         false, true},
        {"in a folder ending in a blank", L"Z:\\IN", L"Z:\\IN \\A.", L"A.", L"A.", false, true},
        {"in a subfolder of that name", L"Z:\\IN ", L"Z:\\IN\\IN\\A", L"A", L"A", false},
        {"a link to a name that begins the same", L"Z:\\IN", L"Z:\\IN\\MEMO", L"MEMO.TXT.",
         L"MEMO.TXT.", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(finalPathsNameEntry(c.folderFinal, c.fileFinal, c.name, c.longName), c.itself)
            << c.what;
        EXPECT_EQ(finalPathsNameEntryWithoutClosingDots(c.folderFinal, c.fileFinal, c.name),
                  c.withoutClosingDots)
            << c.what;
    }
}

} // namespace
} // namespace tarnwick
