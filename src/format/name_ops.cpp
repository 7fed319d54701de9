#include "name_ops.h"

#include <algorithm>
#include <cstring>

namespace tarnwick {

std::size_t extensionDot(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? name.size() : dot;
}

void formatNumber(std::int64_t counter, int digitCount, std::string& number) {
    char digits[24];
    std::size_t length = 0;
    // Work on the magnitude as unsigned so that even the smallest value has one.
    std::uint64_t magnitude =
        counter < 0 ? 0 - static_cast<std::uint64_t>(counter) : static_cast<std::uint64_t>(counter);
    do {
        digits[length++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (counter < 0)
        digits[length++] = '-';
    const std::size_t width = digitCount > 0 ? static_cast<std::size_t>(digitCount) : 0;
    number.assign(width > length ? width - length : 0, '0');
    for (std::size_t i = length; i > 0; --i)
        number.push_back(digits[i - 1]);
}

void applyNumbering(std::string& name, const std::string& number) {
    name.replace(0, extensionDot(name), number);
}

void applyFolderPrefix(std::string& name, const std::string& folder, const std::string& separator,
                       const Wtf8Characters& characters) {
    // No character takes more than 4 bytes: a longer folder has more than 3 characters.
    if (folder.size() <= 3 || (folder.size() <= 12 && characters.length(folder) <= 3))
        return;
    // The last path separator before the closing backslash. A folder typed with forward
    // slashes (C:/Photos) separates its parts with them too; its name is still Photos.
    const std::size_t slash = findLastOf(folder, "\\/", folder.size() - 1);
    const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t folderLength = folder.size() - 1 - start;
    // One move of the old name, then the prefix copied into the gap.
    name.insert(std::size_t{0}, folderLength + separator.size(), '\0');
    if (folderLength != 0)
        std::memcpy(&name[0], folder.data() + start, folderLength);
    if (!separator.empty())
        std::memcpy(&name[folderLength], separator.data(), separator.size());
}

void applyReplace(std::string& name, const std::string& find, const std::string& with,
                  bool firstOnly, const Wtf8Characters& characters) {
    if (find.empty())
        return;
    std::size_t found = characters.find(name, find);
    if (found == std::string::npos)
        return;
    if (firstOnly) {
        name.replace(found, find.size(), with);
        return;
    }
    // The name is rebuilt in place rather than by the plain search-and-replace, which copies the
    // rest of the name at every occurrence: that keeps the replace linear in the name's length.
    // Searching on after each inserted replacement finds exactly the non-overlapping occurrences
    // of the original name, left to right. Both cases below rebuild the name in its own buffer,
    // reading each byte before it is overwritten.
    if (with.size() <= find.size()) {
        // Shrinking or equal: write from the front; the write index never passes the read index.
        std::size_t read = 0;
        std::size_t write = 0;
        while (found != std::string::npos) {
            const std::size_t keep = found - read;
            if (write != read && keep != 0)
                std::memmove(&name[write], name.data() + read, keep);
            write += keep;
            if (!with.empty())
                std::memcpy(&name[write], with.data(), with.size());
            write += with.size();
            read = found + find.size();
            found = characters.find(name, find, read);
        }
        const std::size_t rest = name.size() - read;
        if (write != read && rest != 0)
            std::memmove(&name[write], name.data() + read, rest);
        name.resize(write + rest);
        return;
    }
    // Growing: count the occurrences, move the old name to the end of the grown buffer and
    // rebuild it from the front. Before the j-th of k replacements the write index is
    // (k - j) * growth bytes behind the read index, so no unread byte is overwritten.
    std::size_t count = 0;
    for (std::size_t at = found; at != std::string::npos;
         at = characters.find(name, find, at + find.size()))
        ++count;
    const std::size_t oldSize = name.size();
    const std::size_t shift = count * (with.size() - find.size());
    name.resize(oldSize + shift);
    std::memmove(&name[shift], name.data(), oldSize);
    std::size_t read = shift;
    std::size_t write = 0;
    found = characters.find(name, find, read);
    while (found != std::string::npos) {
        const std::size_t keep = found - read;
        if (keep != 0)
            std::memmove(&name[write], name.data() + read, keep);
        write += keep;
        std::memcpy(&name[write], with.data(), with.size());
        write += with.size();
        read = found + find.size();
        found = characters.find(name, find, read);
    }
    // When the last occurrence has been replaced, write has caught up with read.
}

void applySwap(std::string& name, const std::string& pivot, const Wtf8Characters& characters) {
    if (pivot.empty())
        return;
    const std::size_t p = characters.find(name, pivot);
    if (p == std::string::npos)
        return;
    const std::size_t afterStart = p + pivot.size();
    std::size_t e = extensionDot(name);
    // No extension behind the pivot: the whole rest moves to the front.
    if (e < afterStart)
        e = name.size();
    // before|pivot|after -> after|pivot|before: the part before the pivot waits aside while the
    // part after it moves to the front.
    char shortBefore[256];
    std::string longBefore;
    char* before = shortBefore;
    if (p > sizeof shortBefore) {
        longBefore.resize(p);
        before = &longBefore[0];
    }
    std::memcpy(before, name.data(), p);
    const std::size_t afterLength = e - afterStart;
    if (afterLength != 0)
        std::memmove(&name[0], name.data() + afterStart, afterLength);
    std::memcpy(&name[afterLength], pivot.data(), pivot.size());
    if (p != 0)
        std::memcpy(&name[afterLength + pivot.size()], before, p);
}

void applyInsert(std::string& name, const std::string& text, int position,
                 const Wtf8Characters& characters) {
    if (text.empty())
        return;
    const std::size_t wanted = position > 0 ? static_cast<std::size_t>(position) : 0;
    name.insert(std::min(characters.advance(name, wanted), extensionDot(name)), text);
}

void applyErase(std::string& name, const std::string& until, const Wtf8Characters& characters) {
    if (until.empty())
        return;
    const std::size_t found = characters.find(name, until);
    if (found != std::string::npos)
        name.erase(0, found + until.size());
}

bool applyCase(std::string& name, int caseStyle, const Wtf8Characters& characters) {
    switch (caseStyle) {
    case smallLetters: characters.toSmall(name); return true;
    case capitalLetters: characters.toCapital(name); return true;
    case capitalInitials: characters.toCapitalInitials(name); return true;
    default: return false;
    }
}

} // namespace tarnwick
