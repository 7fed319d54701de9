#include "windows_rules.h"

namespace tarnwick {

namespace {

constexpr std::uint32_t directoryAttribute = 0x10;
constexpr std::uint32_t reparsePointAttribute = 0x400;
constexpr std::uint32_t microsoftTag = 0x80000000u;
constexpr std::uint32_t nameSurrogateTag = 0x20000000u;

} // namespace

bool isFolderLink(std::uint32_t attributes, std::uint32_t reparseTag) {
    if ((attributes & directoryAttribute) == 0 || (attributes & reparsePointAttribute) == 0)
        return false;
    return (reparseTag & microsoftTag) == 0 || (reparseTag & nameSurrogateTag) != 0;
}

namespace {

const std::wstring longPrefix = L"\\\\?\\";
const std::wstring longUncPrefix = L"\\\\?\\UNC\\";

bool startsWith(const std::wstring& text, const std::wstring& start) {
    return text.compare(0, start.size(), start) == 0;
}

// The path without the long form's prefix, a network path with its two backslashes again.
std::wstring plainForm(const std::wstring& path) {
    if (startsWith(path, longUncPrefix))
        return L"\\\\" + path.substr(longUncPrefix.size());
    if (startsWith(path, longPrefix))
        return path.substr(longPrefix.size());
    return path;
}

} // namespace

// True when text begins with a drive ("C:").
bool startsWithDrive(const std::wstring& text) {
    return text.size() >= 2 && text[1] == L':' &&
           ((text[0] >= L'A' && text[0] <= L'Z') || (text[0] >= L'a' && text[0] <= L'z'));
}

std::wstring pathToComplete(const std::wstring& typed) {
    return typed.size() == 2 && startsWithDrive(typed) ? typed + L'\\' : typed;
}

std::wstring completedFolderForm(const std::wstring& completed) {
    const std::wstring devicePrefix = L"\\\\.\\";
    if (!startsWith(completed, devicePrefix))
        return completed;
    const std::wstring rest = completed.substr(devicePrefix.size());
    const bool drive = startsWithDrive(rest) && rest.size() > 2 && rest[2] == L'\\';
    const bool network = rest.size() > 4 && (rest[0] == L'U' || rest[0] == L'u') &&
                         (rest[1] == L'N' || rest[1] == L'n') &&
                         (rest[2] == L'C' || rest[2] == L'c') && rest[3] == L'\\';
    return drive || network ? longPrefix + rest : std::wstring();
}

bool isInUseError(std::uint32_t error) {
    return error == 32 || error == 33 || error == 391;
}

std::wstring longPathForm(const std::wstring& absolutePath) {
    if (startsWith(absolutePath, longPrefix) || startsWith(absolutePath, L"\\\\.\\"))
        return absolutePath;
    if (startsWith(absolutePath, L"\\\\"))
        return longUncPrefix + absolutePath.substr(2);
    return longPrefix + absolutePath;
}

bool finalPathsNameEntry(const std::wstring& folderFinal, const std::wstring& fileFinal,
                         const std::wstring& name, const std::wstring& longName) {
    std::wstring folder = plainForm(folderFinal);
    if (folder.empty() || folder.back() != L'\\')
        folder += L'\\';
    const std::wstring file = plainForm(fileFinal);
    return file == folder + name || file == folder + longName;
}

std::wstring twinKey(const std::wstring& name) {
    return name.substr(0, name.find_last_not_of(L". ") + 1);
}

namespace {

// Every part of a path without its closing dots and blanks.
std::wstring partsWithoutClosingDots(const std::wstring& path) {
    std::wstring result;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = path.find(L'\\', start);
        result += twinKey(path.substr(start, end - start));
        if (end == std::wstring::npos)
            return result;
        result += L'\\';
        start = end + 1;
    }
}

} // namespace

bool finalPathsNameEntryWithoutClosingDots(const std::wstring& folderFinal,
                                           const std::wstring& fileFinal,
                                           const std::wstring& name) {
    std::wstring folder = partsWithoutClosingDots(plainForm(folderFinal));
    if (folder.empty() || folder.back() != L'\\')
        folder += L'\\';
    return partsWithoutClosingDots(plainForm(fileFinal)) == folder + twinKey(name);
}

bool isMeantimeInput(unsigned message) {
    for (const MessageRange& range : meantimeInput)
        if (message >= range.first && message <= range.last)
            return true;
    return false;
}

} // namespace tarnwick
