#include "fill_in.h"

namespace tarnwick {

std::string fillIn(std::string_view text, std::initializer_list<Place> places) {
    std::string filled;
    std::size_t copied = 0; // the text before this is in filled
    std::size_t open = text.find('{');
    while (open != std::string_view::npos) {
        const std::size_t close = text.find('}', open);
        if (close == std::string_view::npos)
            break;
        const std::string_view name = text.substr(open + 1, close - open - 1);
        std::size_t next = open + 1;
        for (const Place& place : places) {
            if (place.name == name) {
                filled.append(text.substr(copied, open - copied)).append(place.value);
                copied = next = close + 1;
                break;
            }
        }
        open = text.find('{', next);
    }
    return filled.append(text.substr(copied));
}

} // namespace tarnwick
