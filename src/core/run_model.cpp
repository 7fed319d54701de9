#include "run_model.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <ostream>

namespace tarnwick {

const std::string& FolderText::noText() {
    static const std::string none;
    return none;
}

std::ostream& operator<<(std::ostream& out, const FolderText& folder) {
    return out << folder.str();
}

int parseNumberField(const std::string& text) {
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

} // namespace tarnwick
