// The program's fixed texts and limits, each written here once. These are the exact texts the
// user sees, spelling included; change them here or nowhere.
#pragma once

namespace tarnwick {

// The longest new name a Rename accepts, the largest digit count, and the top of the spin controls
// for the digit count and the insert position; the messages below quote it.
#define TARNWICK_MAX_NAME_LENGTH 215
#define TARNWICK_QUOTED(number) #number
#define TARNWICK_NUMBER_TEXT(number) TARNWICK_QUOTED(number)
inline constexpr int maxNameLength = TARNWICK_MAX_NAME_LENGTH;

// The errno values a rename reports and the program tells apart.
namespace renameError {
inline constexpr int notFound = 2;      // ENOENT
inline constexpr int accessDenied = 13; // EACCES
inline constexpr int exists = 17;       // EEXIST: the new name is taken
inline constexpr int invalid = 22;      // EINVAL
// No errno: the name is a link that the platform would follow, renaming the file it leads to.
inline constexpr int linkToOtherFile = 1000;
} // namespace renameError

namespace texts {

// Captions of the message boxes: option validation, rename failures, the formatting message and
// an unexpected error; the checks of the new names.
inline constexpr char errorCaption[] = "Tarnwick Error";
inline constexpr char resultCheckCaption[] = "Tarnwick - Error";

// The status area.
inline constexpr char stepLabelStart[] = "Step ";
inline constexpr char stepLabelOf[] = " of ";
inline constexpr char stepClearing[] = "Clearing filename list ...";
inline constexpr char stepCollecting[] = "Collecting all filenames ...";
inline constexpr char stepSorting[] = "Sorting filename list ...";
inline constexpr char stepFormatting[] = "Formating filename list ...";
inline constexpr char stepCheckingEmptyOrLong[] = "Checking for empty or to long filenames ...";
inline constexpr char stepCheckingIdentical[] = "Checking for identical filenames ...";
inline constexpr char stepRenaming[] = "Renaming ...";
inline constexpr char stepUpdating[] = "Updating filename list ...";
inline constexpr char openingPreview[] = "Opening preview dialog ...";
inline constexpr char reallyRename[] = "Really rename?";
inline constexpr char oneFileFound[] = " file found.";
inline constexpr char filesFound[] = " files found.";
inline constexpr char filesRenamed[] = " file(s) successfully renamed.";
inline constexpr char filesRenamedBack[] = " file(s) renamed back.";

// Formatting.
inline constexpr char wrongCaseStyle[] = "The combobox returned a wrong value!";

// Rename failures: head, old path, middle, new path, "\n\n" and the reason.
inline constexpr char renameFailedHead[] = "Access denied.\n\n";
inline constexpr char renameFailedMiddle[] = "\n\ncould not renamed to\n\n";
inline constexpr char reasonNotFound[] = "File or path specified by oldname not found.";
inline constexpr char reasonAccessDenied[] =
    "File or directory specified by newname already exists or could not be created (invalid "
    "path); or oldname is a directory and newname specifies a different path.";
inline constexpr char reasonInvalid[] = "Name contains invalid characters.";
inline constexpr char reasonLink[] =
    "The file is a link to another file, which a rename here would "
    "move instead; it is left as it is.";
inline constexpr char reasonUnknown[] = "Don't know what was wrong. Errno = "; // then the number

// Option validation.
inline constexpr char pathMissing[] = "Your selected path does not exist!\nPlease change it.";
inline constexpr char maskHead[] = "A file mask cannot contain any of the following characters:"
                                   "\n\n\t\\ / : < > | \" or a space";
inline constexpr char maskTail[] = "\n\nPlease change it. If you are not sure what to do\nsimply "
                                   "type '*.*' to select all files.";
inline constexpr char listHead[] = "A filename list cannot contain any of the following "
                                   "characters:\n\n\t\\ / ? * < > | \"";
inline constexpr char listTail[] = "\n\nPlease verify it. Use colons to separate filenames.\n\n"
                                   "Example:\treadme.txt:install.bat:setup.exe\n\n";
inline constexpr char listFileMissingHead[] = "The following file doesn't exist!\n\n";
inline constexpr char listFileMissingTail[] = "\n\nPlease verify your input.";
inline constexpr char listEmptyName[] = "Write a filename between two colons!";
inline constexpr char nameHead[] = "A filename cannot contain any of the following characters:"
                                   "\n\n\t\t\\ / : * ? < > | \"";
inline constexpr char separatorTail[] = "\n\nPlease change the separator string!";
inline constexpr char replaceFindEmpty[] = "Please choose a string you like to replace!";
inline constexpr char replaceFindTail[] =
    "\n\nThat's why it's useless to search for your replace string.\nPlease change it!";
inline constexpr char replaceWithTail[] = "\n\nPlease change the 'replace with' string!";
inline constexpr char swapPivotTail[] =
    "\n\nThat's why it's useless to search for your string to turn arround.\nPlease change it!";
inline constexpr char insertTextTail[] = "\n\nPlease change the string to insert!";
inline constexpr char eraseUntilEmpty[] = "Please choose a string you like to delete!";
inline constexpr char eraseUntilTail[] =
    "\n\nThat's why it's useless to search for your string to delete.\nPlease change it!";
inline constexpr char tooManyDigits[] = "A file name can contain up to " TARNWICK_NUMBER_TEXT(
    TARNWICK_MAX_NAME_LENGTH) " characters.\nPlease decrease the number of digits!";

// The numbering capacity check: "There are " count " files to rename.\n" digits
// " digits are insufficient", then " if you start with " start unless it is 0, then the tail.
inline constexpr char capacityHead[] = "There are ";
inline constexpr char capacityFiles[] = " files to rename.\n";
inline constexpr char capacityDigits[] = " digits are insufficient";
inline constexpr char capacityStart[] = " if you start with ";
inline constexpr char capacityTail[] =
    ".\nThat's why it is necessary that you increase the number of digits!\n";

// The checks of the new names.
inline constexpr char emptyNameHead[] = "With your format selections you create empty filenames."
                                        "\nFor example the file\n\n";
inline constexpr char emptyNameTail[] = "\n\nresults in an empty filename.\n"
                                        "That is not allowed and NO file will be renamed now!";
inline constexpr char longNameHead[] =
    "With your format selections you create filenames with more "
    "than " TARNWICK_NUMBER_TEXT(TARNWICK_MAX_NAME_LENGTH) " characters.\nFor example "
                                                           "the new filename\n\n";
inline constexpr char longNameMiddle[] = "\n\nhas now ";
inline constexpr char longNameTail[] = " characters.\n"
                                       "That is not allowed and NO file will be renamed now!";
inline constexpr char identicalNameHead[] =
    "With your format selections you create identical filenames in the SAME directory.\n"
    "You get the filename\n\n";
inline constexpr char identicalNameTail[] =
    "\n\nat least twice.\nThat is not allowed and NO file will be renamed now!";

// Undoing the last Rename: the system-menu entry and its question, "Give the " count " file(s)
// renamed by the last Rename their old names back?".
inline constexpr char undoMenuEntry[] = "&Undo last rename";
inline constexpr char questionCaption[] = "Tarnwick";
inline constexpr char undoQuestionHead[] = "Give the ";
inline constexpr char undoQuestionTail[] =
    " file(s) renamed by the last Rename their old names back?";

// The folder browser's and the file chooser's titles.
inline constexpr char chooseFolder[] = "Choose a folder.";
inline constexpr char selectFiles[] = "Select files to rename";

// The status text after a drop that chooses nothing.
inline constexpr char dropHint[] = "Drop one folder, or one or more files of one folder.";

// An exception that reached a window without a text of its own.
inline constexpr char unexpectedError[] = "An unexpected error occurred.";

} // namespace texts
} // namespace tarnwick
