#include "text_conversion.h"

#include "core/code_page.h"
#include "windows_rules.h"

#include <windows.h>

namespace tarnwick {

std::wstring wideFromProgram(const std::string& text) {
    if (text.empty())
        return std::wstring();
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_ACP, 0, text.data(), size, &wide[0], length);
    return wide;
}

std::string programFromWide(std::wstring_view text) {
    const std::size_t size = text.size();
    // Most names are plain ASCII, which every ANSI code page holds as it is.
    std::string result;
    result.reserve(size);
    for (std::size_t i = 0; i < size && text[i] < 0x80; ++i)
        result += static_cast<char>(text[i]);
    if (result.size() == size)
        return result;
    // Windows refuses the exact flags (and any default character) for UTF-8, which holds every
    // character anyway.
    const bool exact = takesExactConversionFlags(static_cast<int>(GetACP()));
    const DWORD flags = exact ? WC_NO_BEST_FIT_CHARS : 0;
    const char* unknown = exact ? "?" : nullptr;
    const int wideSize = static_cast<int>(size);
    const int length =
        WideCharToMultiByte(CP_ACP, flags, text.data(), wideSize, nullptr, 0, unknown, nullptr);
    result.assign(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(CP_ACP, flags, text.data(), wideSize, &result[0], length, unknown,
                            nullptr);
    return result;
}

std::size_t wideLength(const std::string& text) {
    if (text.empty())
        return 0;
    const int length =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    return static_cast<std::size_t>(length > 0 ? length : 0);
}

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
    return widePath(wideFromProgram(path));
}

std::wstring widePath(const std::wstring& wide) {
    if (wide.size() < MAX_PATH)
        return wide;
    const std::wstring full = fullPathOf(wide);
    return full.empty() ? wide : longPathForm(full);
}

} // namespace tarnwick
