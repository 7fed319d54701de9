#include "core/run_model.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

// The options and the run state as the Main dialog opens.
TEST(RunModel, StartValues) {
    const Options options;
    EXPECT_EQ(options.targetMode, TargetMode::folderMode);
    EXPECT_TRUE(options.pathSpec.empty() && options.maskOrList.empty());
    EXPECT_FALSE(options.includeSubdirs || options.numerate || options.folderPrefix ||
                 options.replaceOn || options.replaceFirstOnly || options.swapOn ||
                 options.insertOn || options.eraseOn || options.caseOn);
    EXPECT_EQ(options.startNumber, 0);
    EXPECT_EQ(options.digitCount, 1);
    EXPECT_EQ(options.insertPosition, 0);
    EXPECT_EQ(options.caseStyle, smallLetters);
    EXPECT_EQ(capitalLetters, 1);
    EXPECT_EQ(capitalInitials, 2);

    const RunState state;
    EXPECT_TRUE(state.targetFolder.empty() && state.targetPattern.empty());
    EXPECT_FALSE(state.includeSubdirs);
    EXPECT_FALSE(state.previewReady);
    EXPECT_TRUE(state.warnBeforeRename);
}

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
        // At the ends of the 32-bit range, and far beyond it: no overflow at any length.
        {"-2147483647", -2147483647},
        {"-2147483648", -2147483647 - 1},
        {"-2147483649", -2147483647 - 1},
        {"1234567890123456789012345", 2147483647},
        {"-1234567890123456789012345", -2147483647 - 1},
        {"0000000000000000000000000000042", 42},
        // Blanks are the space and \t \n \v \f \r; one sign, directly before the digits.
        {"\t\n\v\f\r 42", 42},
        {"\b7", 0},
        {"\x0E"
         "7",
         0},
        {" -5", -5},
        {"  +0012x", 12},
        {"-0", 0},
        {"+-5", 0},
        {"--5", 0},
        {"- 5", 0},
        {"-", 0},
        {"5-", 5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseNumberField(c.text), c.value) << '"' << c.text << '"';
}

} // namespace
} // namespace tarnwick
