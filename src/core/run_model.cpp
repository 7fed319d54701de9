#include "run_model.h"

#include <climits>

namespace tarnwick {

int parseNumberField(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) {
            return negative ? INT_MIN : INT_MAX;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

} // namespace tarnwick
