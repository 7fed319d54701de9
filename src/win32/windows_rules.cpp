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

} // namespace tarnwick
