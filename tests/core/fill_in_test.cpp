#include "core/fill_in.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

// Each place is filled once, in one pass: a value that holds braces stays as it is, and braces
// that name no place are kept.
TEST(FillIn, PutsEachValueInItsPlaceAndNothingElse) {
    const struct {
        const char* text;
        const char* filled;
    } cases[] = {
        {"{old} to {new}", "{new}.txt to b{}.txt"},
        {"{count} of {}{other} {old", "3 of {}{other} {old"},
        {"{{count}}", "{3}"},
        {"no place", "no place"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fillIn(c.text, {{"old", "{new}.txt"}, {"new", "b{}.txt"}, {"count", "3"}}),
                  c.filled)
            << c.text;
}

} // namespace
} // namespace tarnwick
