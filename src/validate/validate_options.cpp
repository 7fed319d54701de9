#include "validate_options.h"

#include "res/resource.h"

#include <string>

namespace tarnwick {

namespace {

const char* const kCaption = "Tarnwick Error";

// The characters no file mask may hold: the space is forbidden, the wildcards are not.
const char* const kMaskSet = "\\/:<>|\" ";
// The characters no file list may hold: the colon separates the names, blanks belong to them.
const char* const kListSet = "\\/?*<>|\"";
// The characters no part of a new name may hold.
const char* const kNameSet = "\\\"/:*?<>|";

// The lines that show the forbidden characters in the messages.
const char* const kMaskLine = "\t\\ / : < > | \" or a space";
const char* const kListLine = "\t\\ / ? * < > | \"";
const char* const kNameLine = "\t\t\\ / : * ? < > | \"";

const int kMaxDigits = 215;

bool holdsAny(const std::string& text, const char* set) {
    return text.find_first_of(set) != std::string::npos;
}

std::string nameMessage(const char* ending) {
    return std::string("A filename cannot contain any of the following characters:\n\n") +
           kNameLine + ending;
}

// Shows the message and, once the user has closed it, puts the focus into the field to correct.
bool refuse(MainSurface& window, const std::string& text, int fieldId) {
    window.showError(text, kCaption);
    window.focusField(fieldId);
    return false;
}

// Checks the colon-separated list; on success stores it, with its closing colon, as the pattern.
bool checkFileList(const std::string& listText, MainSurface& window, FileSystem& fileSystem,
                   RunState& state) {
    if (holdsAny(listText, kListSet))
        return refuse(window,
                      std::string("A filename list cannot contain any of the following "
                                  "characters:\n\n") +
                          kListLine +
                          "\n\nPlease verify it. Use colons to separate filenames.\n\n"
                          "Example:\treadme.txt:install.bat:setup.exe\n\n",
                      IDC_FILE_LIST);

    std::string list = listText;
    if (list.empty() || list.back() != ':')
        list += ':';

    // Every name ends at a colon; an empty stretch is an empty name.
    std::size_t start = 0;
    for (std::size_t colon = list.find(':'); colon != std::string::npos;
         colon = list.find(':', start)) {
        const std::string name = list.substr(start, colon - start);
        if (!fileSystem.exists(state.targetFolder + name))
            return refuse(window,
                          "The following file doesn't exist!\n\n" + state.targetFolder + name +
                              "\n\nPlease verify your input.",
                          IDC_FILE_LIST);
        if (name.empty())
            return refuse(window, "Write a filename between two colons!", IDC_FILE_LIST);
        start = colon + 1;
    }
    state.targetPattern = list;
    return true;
}

// 10 to the power digits, by multiplication: exact up to 10^22, where the numbers of a run end.
double powerOfTen(int digits) {
    double result = 1.0;
    for (int i = 0; i < digits && i < 400; ++i)
        result *= 10.0;
    return result;
}

} // namespace

bool validateOptions(const Options& options, MainSurface& window, FileSystem& fileSystem,
                     RunState& state) {
    // The folder must exist; a file passes as well.
    if (options.pathSpec.empty() || !fileSystem.exists(options.pathSpec))
        return refuse(window, "Your selected path does not exist!\nPlease change it.",
                      IDC_PATH_NAME);

    // The folder gets its closing backslash, and the user sees it even if a later check fails.
    std::string folder = options.pathSpec;
    if (folder.back() != '\\') {
        folder += '\\';
        window.setFieldText(IDC_PATH_NAME, folder);
    }
    state.targetFolder = folder;

    if (options.targetMode == TargetMode::folderMode) {
        if (holdsAny(options.fileListText, kMaskSet))
            return refuse(window,
                          std::string("A file mask cannot contain any of the following "
                                      "characters:\n\n") +
                              kMaskLine +
                              "\n\nPlease change it. If you are not sure what to do\nsimply type "
                              "'*.*' to select all files.",
                          IDC_FILE_LIST);
        state.targetPattern = options.fileListText;
    } else if (!checkFileList(options.fileListText, window, fileSystem, state)) {
        return false;
    }

    if (options.folderPrefix && holdsAny(options.separator, kNameSet))
        return refuse(window, nameMessage("\n\nPlease change the separator string!"),
                      IDC_SEPARATOR);

    if (options.replaceOn) {
        if (options.replaceFind.empty())
            return refuse(window, "Please choose a string you like to replace!", IDC_REPLACE_FIND);
        if (holdsAny(options.replaceFind, kNameSet))
            return refuse(window,
                          nameMessage("\n\nThat's why it's useless to search for your replace "
                                      "string.\nPlease change it!"),
                          IDC_REPLACE_FIND);
        if (holdsAny(options.replaceWith, kNameSet))
            return refuse(window, nameMessage("\n\nPlease change the 'replace with' string!"),
                          IDC_REPLACE_WITH);
    }

    if (options.swapOn && holdsAny(options.swapPivot, kNameSet))
        return refuse(window,
                      nameMessage("\n\nThat's why it's useless to search for your string to "
                                  "turn arround.\nPlease change it!"),
                      IDC_SWAP_PIVOT);

    if (options.insertOn && holdsAny(options.insertText, kNameSet))
        return refuse(window, nameMessage("\n\nPlease change the string to insert!"),
                      IDC_INSERT_TEXT);

    if (options.eraseOn) {
        if (options.eraseUntil.empty())
            return refuse(window, "Please choose a string you like to delete!", IDC_ERASE_UNTIL);
        if (holdsAny(options.eraseUntil, kNameSet))
            return refuse(window,
                          nameMessage("\n\nThat's why it's useless to search for your string to "
                                      "delete.\nPlease change it!"),
                          IDC_ERASE_UNTIL);
    }

    // The focus stays where it is for this one.
    if (options.numerate && options.digitCount > kMaxDigits) {
        window.showError("A file name can contain up to 215 characters.\nPlease decrease the "
                         "number of digits!",
                         kCaption);
        return false;
    }
    return true;
}

bool checkNumberingCapacity(const Options& options, std::size_t fileCount, MainSurface& window) {
    if (!options.numerate)
        return true;
    const double count = static_cast<double>(fileCount);
    const int start = options.startNumber;
    const int digits = options.digitCount;

    // The numbers start .. start + count - 1 must all have at most `digits` digits. Floating point
    // throughout, so no integer overflows.
    bool fits = false;
    if (digits >= 1) {
        const double limit = powerOfTen(digits);
        fits = limit - start >= count;
        // A negative start has as many digits as its magnitude.
        if (fits && start < 0 && fileCount > 0)
            fits = -static_cast<double>(start) < limit;
    }
    if (fits)
        return true;

    std::string text = "There are " + std::to_string(fileCount) + " files to rename.\n" +
                       std::to_string(digits) + " digits are insufficient";
    if (start != 0)
        text += " if you start with " + std::to_string(start);
    text += ".\nThat's why it is necessary that you increase the number of digits!\n";
    window.showError(text, kCaption);
    window.focusField(IDC_DIGITS);
    return false;
}

} // namespace tarnwick
