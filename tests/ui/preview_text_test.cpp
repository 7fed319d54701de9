#include "ui/preview_text.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tarnwick {
namespace {

// One line per entry in list order, each ended by CR LF; with the path shown, the folder stands
// before each side. Names of any length and bytes above 127 pass unchanged.
TEST(PreviewText, OneLinePerEntryWithTheFolderOnBothSidesWhenShown) {
    const FileList photos = {{"C:\\Photos\\", "IMG_1.JPG", "img_1.jpg"},
                             {"C:\\Photos\\", "same.txt", "same.txt"},
                             {"C:\\Photos\\Old\\", "IMG_1.JPG", "img_1.jpg"}};
    const std::string folder = "C:\\" + std::string(40, 'f') + "\\";
    const std::string longName = "abcdefghijklmnopqrstuvwxyz";
    const struct {
        FileList list;
        bool showPath;
        std::string text;
    } cases[] = {
        {photos, false,
         "IMG_1.JPG ---> img_1.jpg\r\nsame.txt ---> same.txt\r\nIMG_1.JPG ---> img_1.jpg\r\n"},
        {photos, true,
         "C:\\Photos\\IMG_1.JPG ---> C:\\Photos\\img_1.jpg\r\n"
         "C:\\Photos\\same.txt ---> C:\\Photos\\same.txt\r\n"
         "C:\\Photos\\Old\\IMG_1.JPG ---> C:\\Photos\\Old\\img_1.jpg\r\n"},
        {{}, false, ""},
        {{}, true, ""},
        {{{folder, "a", longName}}, false, "a ---> " + longName + "\r\n"},
        {{{folder, "a", longName}}, true, folder + "a ---> " + folder + longName + "\r\n"},
        {{{folder, longName, ""}}, true, folder + longName + " ---> " + folder + "\r\n"},
        {{{"C:\\", "a", ""}}, false, "a ---> \r\n"},
        {{{"C:\\\xC4rger\\",
           "\xFC"
           "ber.txt",
           "\xDC"
           "BER.TXT"}},
         true,
         "C:\\\xC4rger\\\xFC"
         "ber.txt ---> C:\\\xC4rger\\\xDC"
         "BER.TXT\r\n"},
    };
    // In pieces of one to three entries each piece holds its own lines, and all the whole text.
    for (const auto& c : cases) {
        EXPECT_EQ(buildPreviewText(c.list, c.showPath), c.text);
        for (std::size_t size = 1; size <= 3; ++size) {
            std::string pieces;
            for (std::size_t first = 0; first < c.list.size(); first += size) {
                const std::size_t last = std::min(first + size, c.list.size());
                const std::string piece = buildPreviewText(c.list, first, last, c.showPath);
                EXPECT_EQ(std::count(piece.begin(), piece.end(), '\n'),
                          static_cast<long>(last - first));
                pieces += piece;
            }
            EXPECT_EQ(pieces, c.text) << size;
        }
    }
}

} // namespace
} // namespace tarnwick
