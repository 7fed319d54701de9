#include "wide_paths.h"

#include "text_conversion.h"
#include "windows_rules.h"

#include <windows.h>

namespace tarnwick {

// A relative path is completed against the process's current folder, which Microsoft's
// documentation of GetFullPathName warns multithreaded programs off; this program has one thread.
// The same page limits the typed path to MAX_PATH characters unless the system allows long paths
// (Windows 10 1607 on, opted in): a longer one that the system refuses gives an empty path, which
// the user is told does not exist. The "\\?\" form would lift the limit but skip the very
// completion asked for here.
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
