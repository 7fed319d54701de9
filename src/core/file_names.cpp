#include "file_names.h"

#include <vector>

namespace tarnwick {

namespace {

bool isAsciiAt(const std::string& text, std::size_t at, std::size_t size, char c) {
    return size == 1 && text[at] == c;
}

// "*" any run, "?" one character, every other character by its key: sizeOf(text, at) gives the
// bytes of the character at text[at], keyOf(text, at, size) what it compares as.
template <typename SizeOf, typename KeyOf>
bool matchesWildcards(const std::string& name, const std::string& mask, SizeOf sizeOf,
                      KeyOf keyOf) {
    std::size_t n = 0;
    std::size_t m = 0;
    std::size_t starMask = std::string::npos; // just after the last "*" met
    std::size_t starName = 0;                 // where the run of that "*" ends for now
    while (n < name.size()) {
        if (m < mask.size()) {
            const std::size_t maskSize = sizeOf(mask, m);
            if (isAsciiAt(mask, m, maskSize, '*')) {
                starMask = ++m;
                starName = n;
                continue;
            }
            const std::size_t nameSize = sizeOf(name, n);
            if (isAsciiAt(mask, m, maskSize, '?') ||
                keyOf(mask, m, maskSize) == keyOf(name, n, nameSize)) {
                m += maskSize;
                n += nameSize;
                continue;
            }
        }
        if (starMask == std::string::npos)
            return false;
        // The last "*" takes one character more.
        starName += sizeOf(name, starName);
        n = starName;
        m = starMask;
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

bool isAscii(const std::string& text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

bool matchesWildcards(const std::string& name, const std::string& mask,
                      const Wtf8Characters& characters) {
    // Most names and masks are ASCII alone.
    if (isAscii(name) && isAscii(mask))
        return matchesWildcards(
            name, mask, [](const std::string&, std::size_t) { return std::size_t{1}; },
            [](const std::string& text, std::size_t at, std::size_t) {
                const char c = text[at];
                return c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c;
            });
    return matchesWildcards(
        name, mask,
        [&characters](const std::string& text, std::size_t at) {
            return characters.charSize(text, at);
        },
        [&characters](const std::string& text, std::size_t at, std::size_t size) {
            return characters.caseKey(text, at, size);
        });
}

} // namespace

bool matchesMask(const std::string& name, const std::string& mask,
                 const Wtf8Characters& characters) {
    if (mask == "*" || mask == "*.*")
        return true;
    if (!endsWith(mask, '.'))
        return matchesWildcards(name, mask, characters);
    if (holdsAny(name, "."))
        return false;
    std::string withoutDots = mask;
    while (endsWith(withoutDots, '.'))
        withoutDots.pop_back();
    return matchesWildcards(name, withoutDots, characters);
}

bool isReservedDeviceName(const std::string& name, const Wtf8Characters& characters) {
    // The name's characters up to its first dot, without closing blanks, compared as capitals.
    std::vector<std::uint32_t> keys;
    for (std::size_t at = 0; at < name.size();) {
        const std::size_t size = characters.charSize(name, at);
        if (isAsciiAt(name, at, size, '.'))
            break;
        keys.push_back(characters.caseKey(name, at, size));
        at += size;
    }
    while (!keys.empty() && keys.back() == ' ')
        keys.pop_back();
    auto startsWith = [&](const char* word) {
        for (std::size_t i = 0; i < 3; ++i)
            if (keys[i] != static_cast<std::uint32_t>(word[i]))
                return false;
        return true;
    };
    if (keys.size() == 3)
        return startsWith("CON") || startsWith("PRN") || startsWith("AUX") || startsWith("NUL");
    if (keys.size() != 4 || !(startsWith("COM") || startsWith("LPT")))
        return false;
    const std::uint32_t digit = keys[3];
    // The superscripts ¹ ² ³ by their code points.
    return (digit >= '0' && digit <= '9') || digit == 0xB9 || digit == 0xB2 || digit == 0xB3;
}

bool endsInDotOrBlank(const std::string& name) {
    return !name.empty() && (name.back() == '.' || name.back() == ' ');
}

} // namespace tarnwick
