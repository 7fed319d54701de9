#include "run_model.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace tarnwick {

int parseNumberField(const std::string& text) {
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

} // namespace tarnwick
