// Rules of the Windows platform that need no Windows header: which entries are folder links, the
// long form of a path, whether a rename acts on the entry itself, which errors pass and which
// messages are input. The host builds and tests this file too.
#pragma once

#include <cstdint>
#include <string>

namespace tarnwick {

// True when a found entry is a folder link, a folder that stands for another place: a junction,
// a symbolic link or a mount point. attributes and reparseTag are as the Windows folder search
// gives them (the tag counts only when the reparse-point attribute is set). A reparse folder is
// no link only when its tag is one of Microsoft's that is no name surrogate, such as a cloud
// file placeholder's; every other tag, including the values 0 to 2 that no real reparse point
// carries (Wine gives them for a Linux symbolic link), makes it a link.
bool isFolderLink(std::uint32_t attributes, std::uint32_t reparseTag);

// True when a Windows error code of a rename says that another program holds the file for a
// moment: it has the file open without sharing it (ERROR_SHARING_VIOLATION, 32), a part of it
// locked (ERROR_LOCK_VIOLATION, 33), or it is a cloud file that its sync client is at work on
// ("The operation cannot be performed on cloud files in use", ERROR_CLOUD_FILE_IN_USE, 391,
// https://learn.microsoft.com/windows/win32/debug/system-error-codes--0-499-). Such a step is
// tried again; a file denied by its permissions or write protection stays so.
bool isInUseError(std::uint32_t error);

// The form of an absolute path in which the platform's wide functions reach beyond 260
// characters: "C:\a" becomes "\\?\C:\a", "\\server\share\a" becomes "\\?\UNC\server\share\a";
// a path already in that form (or in the device form "\\.\") stays as it is.
std::wstring longPathForm(const std::wstring& absolutePath);

// The path a typed path is completed from: a bare drive ("Y:") is that drive's root, since the
// platform would complete it against the drive's current folder ("If you specify "U:" the path
// returned is the current directory on the "U:\" drive", GetFullPathName), which is the program's
// install folder, or the folder last shown in a file chooser. Every other path stays as typed.
std::wstring pathToComplete(const std::wstring& typed);

// The folder a completed typed path names, in the form every later call takes as it is: the
// device forms of a drive or a network path ("\\.\C:\a", "\\.\UNC\s\a") become the long
// form ("\\?\C:\a", "\\?\UNC\s\a"), since "\\.\" still drops closing dots and blanks. Any
// other device path ("\\.\CON", what "C:\a\CON" completes to, "\\.\PhysicalDrive0") is no
// folder: empty.
std::wstring completedFolderForm(const std::wstring& completed);

// True when what the platform opens under an entry's path is the entry itself, and not a file
// that the entry links to: fileFinal, the final path of what it opens, names the entry (name, or
// its long form longName when name is a short one) in the folder whose final path is folderFinal.
// Final paths as the platform gives them, with or without the long form's prefix, all in one
// letter case. The folder's own spelling (a mapped drive, short names, a link to the folder) does
// not count: both final paths resolve it alike.
bool finalPathsNameEntry(const std::wstring& folderFinal, const std::wstring& fileFinal,
                         const std::wstring& name, const std::wstring& longName);

// The same, where the platform may have dropped closing dots and blanks from the parts of either
// final path (Wine does; Windows keeps them): true when fileFinal names the entry in the folder
// once every part of both paths and the name is without them. Such a path may also name a twin
// of the entry, whose name differs from it in closing dots and blanks alone (see twinKey).
bool finalPathsNameEntryWithoutClosingDots(const std::wstring& folderFinal,
                                           const std::wstring& fileFinal, const std::wstring& name);

// The name without its closing dots and blanks: two entries of a folder with the same key (in one
// letter case) are told apart by no final path that drops them.
std::wstring twinKey(const std::wstring& name);

// The messages of the meantime: what presses, clicks, types, taps or speaks to the program's
// windows while a command works. They were aimed at a window that could not take them, and are
// dropped, whichever way they came: keys and the mouse, touch, pen and gestures, and a click that
// a tool posts to a button (speech recognition and automation press buttons so). The numbers are
// those of the Windows headers, checked against them where the messages are taken.
struct MessageRange {
    unsigned first;
    unsigned last;
};

namespace message {
inline constexpr unsigned ncMouseFirst = 0x00A0; // WM_NCMOUSEMOVE
inline constexpr unsigned ncMouseLast = 0x00AD;  // WM_NCXBUTTONDBLCLK
inline constexpr unsigned buttonClick = 0x00F5;  // BM_CLICK
inline constexpr unsigned keyFirst = 0x0100;     // WM_KEYFIRST
inline constexpr unsigned keyLast = 0x0109;      // WM_KEYLAST
inline constexpr unsigned gesture = 0x0119;      // WM_GESTURE
inline constexpr unsigned mouseFirst = 0x0200;   // WM_MOUSEFIRST
inline constexpr unsigned mouseLast = 0x020E;    // WM_MOUSELAST
inline constexpr unsigned touch = 0x0240;        // WM_TOUCH
inline constexpr unsigned pointerLast = 0x0253;  // WM_POINTERROUTEDRELEASED
} // namespace message

// The ranges, each taken off the queue on its own. Touch (WM_TOUCH) and the pointer messages of
// pen and touch (WM_NCPOINTERUPDATE to WM_POINTERROUTEDRELEASED) are one range: a pointer that
// comes down is turned into a mouse click only when its message is handled ("If a gesture is not
// recognized, DefWindowProc may generate mouse input", WM_POINTERDOWN,
// https://learn.microsoft.com/windows/win32/inputmsg/wm-pointerdown), which would be after the
// command.
inline constexpr MessageRange meantimeInput[] = {
    {message::keyFirst, message::keyLast},         {message::mouseFirst, message::mouseLast},
    {message::ncMouseFirst, message::ncMouseLast}, {message::touch, message::pointerLast},
    {message::gesture, message::gesture},          {message::buttonClick, message::buttonClick},
};

// True when a message of this number is input of the meantime.
bool isMeantimeInput(unsigned message);

} // namespace tarnwick
