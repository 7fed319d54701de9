#include "core/wtf8_characters.h"

#include "support/host_characters.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarnwick {
namespace {

// The sizes of the characters of a text, front to back.
std::vector<std::size_t> characterSizes(const Wtf8Characters& characters, const std::string& text) {
    std::vector<std::size_t> sizes;
    for (std::size_t at = 0; at < text.size(); at += characters.charSize(text, at))
        sizes.push_back(characters.charSize(text, at));
    return sizes;
}

// A byte that begins no well-formed character is one of its own; a lead byte at the end too.
TEST(Wtf8Characters, CharactersAreWholeOrSingleBytes) {
    using Sizes = std::vector<std::size_t>;
    const struct {
        const char* text;
        Sizes sizes;
    } cases[] = {
        {"a\xC3\xA4\xE4\xB8\xAD\xF0\x9F\x98\x80", Sizes{1, 2, 3, 4}},
        {"\x80\xC3x\xC3", Sizes{1, 1, 1, 1}},           // lone and cut-off sequences
        {"\xE0\x80\x80\xC0\xAF", Sizes{1, 1, 1, 1, 1}}, // overlong forms
        {"\xED\xA0\x80\xED\xBF\xBF", Sizes{3, 3}},      // lone surrogates
        {"\xF4\x90\x80\x80\xF5", Sizes{1, 1, 1, 1, 1}}, // beyond U+10FFFF
        {"\xE4\xB8"
         "a",
         Sizes{1, 1, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(characterSizes(testing::testCharacters(), c.text), c.sizes);
        EXPECT_EQ(testing::testCharacters().length(c.text), c.sizes.size());
    }
}

} // namespace
} // namespace tarnwick
