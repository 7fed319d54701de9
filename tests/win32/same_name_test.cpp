// Whether two names are one entry regardless of letter case has one answer: the final paths of
// the check of the opened entry, the comparison of a change of letter case alone, the check of
// identical new names and the mask give the same verdict for every pair.
#include "core/file_names.h"
#include "validate/result_checks.h"
#include "win32/characters.h"
#include "win32/text_conversion.h"
#include "win32/windows_rules.h"

#include "support/null_window.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

TEST(SameName, EveryComparisonGivesTheFileSystemsVerdict) {
    enum Verdict { apart, same, byTable }; // byTable: as the platform's table has it
    const struct {
        const char* a;
        const char* b;
        Verdict verdict;
    } pairs[] = {
        {"é.txt", "É.txt", same}, {"жук", "Жук", same},  {"ß", "ẞ", apart},
        {"ı", "I", apart},        {"i", "İ", apart},     {"ǆ", "Ǆ", same},
        {"ა", "Ა", byTable},    {"ꭰ", "Ꭰ", byTable}, // Georgian, Cherokee
        {"𐐨", "𐐀", apart},        {"a𐐨", "A𐐨", same},    // Deseret, beyond the BMP
        {"Ä", "ä", same},         {"a", "b", apart},
    };
    const std::wstring folder = L"\\\\?\\C:\\Fotos";
    for (const auto& pair : pairs) {
        const std::wstring a = wideFromProgram(pair.a);
        const std::wstring b = wideFromProgram(pair.b);
        // As the check of the opened entry compares the final path of a with the name b.
        const std::wstring name = nameCapitals(b);
        const bool finalPaths =
            finalPathsNameEntry(nameCapitals(folder), nameCapitals(folder + L"\\" + a), name, name);
        testing::NullWindow window;
        const FileList files{{"C:\\Fotos\\", "1", pair.a}, {"C:\\Fotos\\", "2", pair.b}};
        const bool verdicts[] = {
            finalPaths,
            compareNames(a, b) == 0 && compareNames(b, a) == 0,
            !checkIdenticalNames(files, window, programCharacters()),
            matchesMask(pair.a, pair.b, programCharacters()),
            matchesMask(pair.b, pair.a, programCharacters()),
        };
        const char* paths[] = {"final paths", "case rename and the order of case twins",
                               "identical names", "mask b on a", "mask a on b"};
        const bool expected = pair.verdict == byTable ? verdicts[0] : pair.verdict == same;
        for (std::size_t i = 0; i < std::size(verdicts); ++i)
            EXPECT_EQ(verdicts[i], expected) << pair.a << " / " << pair.b << ": " << paths[i];
    }
}

} // namespace
} // namespace tarnwick
