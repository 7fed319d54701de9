#include "wide_paths.h"

#include "text_conversion.h"
#include "windows_rules.h"

#include <windows.h>

namespace tarnwick {

std::wstring fullPathOf(const std::wstring& path) {
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return {};
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), size, &full[0], nullptr);
    if (length == 0 || length >= size)
        return {};
    full.resize(length);
    return full;
}

std::wstring widePath(const std::string& path) {
    return longPathForm(wideFromProgram(path));
}

} // namespace tarnwick
