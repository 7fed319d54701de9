#include "core/run_model.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

TEST(ParseNumberField, ReadsLeadingDigitsLikeAtoi) {
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"", 0},
        {"0", 0},
        {"7", 7},
        {"40000", 40000},
        {"  12", 12},
        {"12abc", 12},
        {"abc", 0},
        {"+5", 5},
        {"-5", -5},
        {"007", 7},
        {"2147483647", 2147483647},
        {"2147483648", 2147483647},
        {"99999999999", 2147483647},
        {"-99999999999", -2147483647 - 1},
        {"1 2", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseNumberField(c.text), c.value) << '"' << c.text << '"';
}

} // namespace
} // namespace tarnwick
