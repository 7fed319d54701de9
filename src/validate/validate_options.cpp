#include "validate_options.h"

#include "core/fill_in.h"
#include "core/paths.h"
#include "core/texts.h"

#include <string>

namespace tarnwick {

namespace {

// The characters no file mask may hold: the space is forbidden, the wildcards are not.
const char* const kMaskSet = "\\/:<>|\" ";
// The characters no file list may hold: the colon separates the names, blanks belong to them.
const char* const kListSet = "\\/?*<>|\"";
// The characters no part of a new name may hold.
const char* const kNameSet = "\\\"/:*?<>|";

std::string nameMessage(const char* request) {
    return fillIn(texts::nameInvalid, {{"request", request}});
}

// Shows the message and, once the user has closed it, puts the focus into the field to correct.
bool refuse(MainSurface& window, const std::string& text, Field field) {
    window.showError(text, texts::errorCaption);
    window.focusField(field);
    return false;
}

// Checks the colon-separated list; on success stores it, with its closing colon, as the pattern.
bool checkFileList(const std::string& listText, MainSurface& window, FileSystem& fileSystem,
                   RunState& state) {
    if (holdsAny(listText, kListSet))
        return refuse(window, texts::listInvalid, Field::fileList);

    std::string list = listText;
    if (list.empty() || list.back() != ':')
        list += ':';

    // Each name is looked for before it is found empty. "." and ".." name no entry of the
    // folder; the rename reports them with the others.
    for (const std::string& name : splitNameList(list)) {
        if (name != "." && name != ".." && !fileSystem.exists(state.targetFolder + name))
            return refuse(window,
                          fillIn(texts::listFileMissing, {{"path", state.targetFolder + name}}),
                          Field::fileList);
        if (name.empty())
            return refuse(window, texts::listEmptyName, Field::fileList);
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
    // A typed folder is completed here, once, as Windows completes a typed path (made absolute,
    // "." and ".." resolved, closing dots and blanks dropped); one the program put into the field
    // from the disk stands as it is. The folder must exist; a file passes as well.
    const std::string full = options.pathSpec.empty() || options.pathSpec == state.targetFolder
                                 ? options.pathSpec
                                 : fileSystem.fullPath(options.pathSpec);
    if (full.empty() || !fileSystem.exists(full))
        return refuse(window, texts::pathMissing, Field::pathName);

    // The folder gets its closing backslash, and the user sees it even if a later check fails.
    const std::string folder = withClosingBackslash(full);
    if (folder != options.pathSpec)
        window.setFieldText(Field::pathName, folder);
    state.targetFolder = folder;

    if (options.targetMode == TargetMode::folderMode) {
        if (holdsAny(options.maskOrList, kMaskSet))
            return refuse(window, texts::maskInvalid, Field::fileList);
        state.targetPattern = options.maskOrList;
    } else if (!checkFileList(options.maskOrList, window, fileSystem, state)) {
        return false;
    }

    if (options.folderPrefix && holdsAny(options.separator, kNameSet))
        return refuse(window, nameMessage(texts::separatorRequest), Field::separator);

    if (options.replaceOn) {
        if (options.replaceFind.empty())
            return refuse(window, texts::replaceFindEmpty, Field::replaceFind);
        if (holdsAny(options.replaceFind, kNameSet))
            return refuse(window, nameMessage(texts::replaceFindRequest), Field::replaceFind);
        if (holdsAny(options.replaceWith, kNameSet))
            return refuse(window, nameMessage(texts::replaceWithRequest), Field::replaceWith);
    }

    if (options.swapOn && holdsAny(options.swapPivot, kNameSet))
        return refuse(window, nameMessage(texts::swapPivotRequest), Field::swapPivot);

    if (options.insertOn && holdsAny(options.insertText, kNameSet))
        return refuse(window, nameMessage(texts::insertTextRequest), Field::insertText);

    if (options.eraseOn) {
        if (options.eraseUntil.empty())
            return refuse(window, texts::eraseUntilEmpty, Field::eraseUntil);
        if (holdsAny(options.eraseUntil, kNameSet))
            return refuse(window, nameMessage(texts::eraseUntilRequest), Field::eraseUntil);
    }

    // The focus stays where it is for this one.
    if (options.numerate && options.digitCount > maxNameLength) {
        window.showError(texts::tooManyDigits, texts::errorCaption);
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

    const std::string ifStart =
        start != 0 ? fillIn(texts::capacityStart, {{"start", std::to_string(start)}}) : "";
    window.showError(fillIn(texts::capacity, {{"count", std::to_string(fileCount)},
                                              {"digits", std::to_string(digits)},
                                              {"ifStart", ifStart}}),
                     texts::errorCaption);
    window.focusField(Field::digits);
    return false;
}

} // namespace tarnwick
