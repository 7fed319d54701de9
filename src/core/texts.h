// The program's fixed texts and limits, each written here once. These are the exact texts the
// user sees, spelling included; change them here or nowhere. A text with values is written whole,
// with a named place such as {path} for each value, which fillIn (fill_in.h) fills.
#pragma once

namespace tarnwick {

// The longest new name a Rename accepts, the largest digit count, and the top of the spin controls
// for the digit count and the insert position; the messages below quote it.
#define TARNWICK_MAX_NAME_LENGTH 215
#define TARNWICK_QUOTED(number) #number
#define TARNWICK_NUMBER_TEXT(number) TARNWICK_QUOTED(number)
inline constexpr int maxNameLength = TARNWICK_MAX_NAME_LENGTH;

// How long a rename waits for a file that another program has open, in milliseconds: the first
// wait (each next one twice as long), the waits on one file and the waits of a whole run.
inline constexpr unsigned inUseFirstWait = 10;
inline constexpr unsigned inUseFileBudget = 1000;
inline constexpr unsigned inUseRunBudget = 3000;

// The most entries the undo holds over all the Renames of a session it can still give back, some
// 80 bytes each while a name has at most 15 bytes: a run of a million files stays undoable with
// others before it. Beyond the limit the oldest runs go first; the newest is always kept whole.
inline constexpr unsigned undoEntryLimit = 2000000;

namespace texts {

// Captions of the message boxes: option validation, rename failures, the formatting message and
// an unexpected error; the checks of the new names.
inline constexpr char errorCaption[] = "Tarnwick Error";
inline constexpr char resultCheckCaption[] = "Tarnwick - Error";

// The status area.
inline constexpr char stepLabel[] = "Step {step} of {steps}";
inline constexpr char stepClearing[] = "Clearing filename list ...";
inline constexpr char stepCollecting[] = "Collecting all filenames ...";
// A collection that runs for more than about a second, with the files found so far
// ("Collecting all filenames ... 120,000").
inline constexpr char collectingCount[] = "Collecting all filenames ... {count}";
inline constexpr char stepSorting[] = "Sorting filename list ...";
inline constexpr char stepFormatting[] = "Formating filename list ...";
inline constexpr char stepCheckingEmptyOrLong[] = "Checking for empty or to long filenames ...";
inline constexpr char stepCheckingIdentical[] = "Checking for identical filenames ...";
inline constexpr char stepRenaming[] = "Renaming ...";
inline constexpr char stepUpdating[] = "Updating filename list ...";
inline constexpr char openingPreview[] = "Opening preview dialog ...";
inline constexpr char reallyRename[] = "Really rename?";
inline constexpr char oneFileFound[] = "{count} file found.";
inline constexpr char filesFound[] = "{count} files found.";
inline constexpr char filesRenamed[] = "{count} file(s) successfully renamed.";
inline constexpr char filesRenamedBack[] = "{count} file(s) renamed back.";
// What Windows shows when the user signs out or shuts down while a command works.
inline constexpr char sessionEndWaits[] = "Tarnwick is at work on your files.";

// Formatting.
inline constexpr char wrongCaseStyle[] = "The combobox returned a wrong value!";

// Rename failures, with one of the reasons below.
inline constexpr char renameFailed[] =
    "Access denied.\n\n{old}\n\ncould not renamed to\n\n{new}\n\n{reason}";
inline constexpr char reasonNotFound[] = "File or path specified by oldname not found.";
inline constexpr char reasonAccessDenied[] =
    "File or directory specified by newname already exists or could not be created (invalid "
    "path); or oldname is a directory and newname specifies a different path.";
inline constexpr char reasonInvalid[] = "Name contains invalid characters.";
inline constexpr char reasonLink[] =
    "The file is a link to another file, which a rename here would "
    "move instead; it is left as it is.";
inline constexpr char reasonUnknown[] = "Don't know what was wrong. Errno = {errno}";

// Option validation.
inline constexpr char pathMissing[] = "Your selected path does not exist!\nPlease change it.";
inline constexpr char maskInvalid[] =
    "A file mask cannot contain any of the following characters:\n\n\t\\ / : < > | \" or a "
    "space\n\nPlease change it. If you are not sure what to do\nsimply type '*.*' to select all "
    "files.";
inline constexpr char listInvalid[] =
    "A filename list cannot contain any of the following characters:\n\n\t\\ / ? * < > | \""
    "\n\nPlease verify it. Use colons to separate filenames.\n\nExample:\treadme.txt:install.bat:"
    "setup.exe\n\n";
inline constexpr char listFileMissing[] =
    "The following file doesn't exist!\n\n{path}\n\nPlease verify your input.";
inline constexpr char listEmptyName[] = "Write a filename between two colons!";
// A text for a new name that holds a forbidden character, with one of the requests below.
inline constexpr char nameInvalid[] =
    "A filename cannot contain any of the following characters:\n\n\t\t\\ / : * ? < > | \""
    "\n\n{request}";
inline constexpr char separatorRequest[] = "Please change the separator string!";
inline constexpr char replaceFindEmpty[] = "Please choose a string you like to replace!";
inline constexpr char replaceFindRequest[] =
    "That's why it's useless to search for your replace string.\nPlease change it!";
inline constexpr char replaceWithRequest[] = "Please change the 'replace with' string!";
inline constexpr char swapPivotRequest[] =
    "That's why it's useless to search for your string to turn arround.\nPlease change it!";
inline constexpr char insertTextRequest[] = "Please change the string to insert!";
inline constexpr char eraseUntilEmpty[] = "Please choose a string you like to delete!";
inline constexpr char eraseUntilRequest[] =
    "That's why it's useless to search for your string to delete.\nPlease change it!";
inline constexpr char tooManyDigits[] = "A file name can contain up to " TARNWICK_NUMBER_TEXT(
    TARNWICK_MAX_NAME_LENGTH) " characters.\nPlease decrease the number of digits!";

// The numbering capacity check: {ifStart} is capacityStart for a start number other than 0, and
// empty for 0.
inline constexpr char capacityStart[] = " if you start with {start}";
inline constexpr char capacity[] =
    "There are {count} files to rename.\n{digits} digits are insufficient{ifStart}.\nThat's why it "
    "is necessary that you increase the number of digits!\n";

// The checks of the new names.
inline constexpr char emptyName[] =
    "With your format selections you create empty filenames.\nFor example the file\n\n{path}\n\n"
    "results in an empty filename.\nThat is not allowed and NO file will be renamed now!";
inline constexpr char longName[] =
    "With your format selections you create filenames with more than " TARNWICK_NUMBER_TEXT(
        TARNWICK_MAX_NAME_LENGTH) " characters.\nFor example the new filename\n\n{path}\n\nhas "
                                  "now {length} characters.\nThat is not allowed and NO file will "
                                  "be renamed now!";
inline constexpr char identicalName[] =
    "With your format selections you create identical filenames in the SAME directory.\nYou get "
    "the filename\n\n{path}\n\nat least twice.\nThat is not allowed and NO file will be renamed "
    "now!";

// Undoing the last Rename: the system-menu entry and its question.
inline constexpr char undoMenuEntry[] = "&Undo last rename";
inline constexpr char questionCaption[] = "Tarnwick";
inline constexpr char undoQuestion[] =
    "Give the {count} file(s) renamed by the last Rename their old names back?";

// The folder browser's and the file chooser's titles.
inline constexpr char chooseFolder[] = "Choose a folder.";
inline constexpr char selectFiles[] = "Select files to rename";

// The status text after a drop that chooses nothing.
inline constexpr char dropHint[] = "Drop one folder, or one or more files of one folder.";

// An exception that reached a window without a text of its own.
inline constexpr char unexpectedError[] = "An unexpected error occurred.";

} // namespace texts
} // namespace tarnwick
