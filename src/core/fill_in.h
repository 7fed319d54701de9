// The values of a message put into the named places of its text (see texts.h).
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace tarnwick {

// One named place of a text and its value: {"path", "C:\\a.txt"} fills "{path}".
struct Place {
    std::string_view name;
    std::string_view value;
};

// The text with each of its places filled with the value of the place of that name, in one pass
// from the start: a value is put in as it is, even one that holds braces itself. Braces that
// name none of places stay as they are.
std::string fillIn(std::string_view text, std::initializer_list<Place> places);

} // namespace tarnwick
