#include "ui/preview_text.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

FileList photos() {
    return {{"C:\\Photos\\", "IMG_1.JPG", "img_1.jpg"},
            {"C:\\Photos\\", "same.txt", "same.txt"},
            {"C:\\Photos\\Old\\", "IMG_1.JPG", "img_1.jpg"}};
}

TEST(PreviewText, NamesOnlyOneLinePerEntryInListOrder) {
    EXPECT_EQ(buildPreviewText(photos(), false), "IMG_1.JPG ---> img_1.jpg\r\n"
                                                 "same.txt ---> same.txt\r\n"
                                                 "IMG_1.JPG ---> img_1.jpg\r\n");
}

TEST(PreviewText, ShowPathPutsTheFolderBeforeEachSide) {
    EXPECT_EQ(buildPreviewText(photos(), true),
              "C:\\Photos\\IMG_1.JPG ---> C:\\Photos\\img_1.jpg\r\n"
              "C:\\Photos\\same.txt ---> C:\\Photos\\same.txt\r\n"
              "C:\\Photos\\Old\\IMG_1.JPG ---> C:\\Photos\\Old\\img_1.jpg\r\n");
}

TEST(PreviewText, EmptyListGivesEmptyText) {
    EXPECT_EQ(buildPreviewText({}, false), "");
    EXPECT_EQ(buildPreviewText({}, true), "");
}

TEST(PreviewText, EveryLineEndsInCarriageReturnLineFeed) {
    FileList many;
    for (int i = 0; i < 1000; ++i)
        many.push_back({"D:\\x\\", "a" + std::to_string(i), "b" + std::to_string(i)});
    for (bool showPath : {false, true}) {
        const std::string text = buildPreviewText(many, showPath);
        std::size_t lines = 0;
        for (std::size_t at = text.find('\n'); at != std::string::npos;
             at = text.find('\n', at + 1)) {
            ASSERT_GT(at, 0u);
            EXPECT_EQ(text[at - 1], '\r');
            ++lines;
        }
        EXPECT_EQ(lines, many.size());
        EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    }
}

TEST(PreviewText, LongFoldersAndNamesOfAnyLength) {
    const std::string folder = "C:\\" + std::string(40, 'f') + "\\";
    const std::string longName = "abcdefghijklmnopqrstuvwxyz";
    const FileList list = {{folder, "a", longName}, {folder, "b", longName}};
    EXPECT_EQ(buildPreviewText(list, false),
              "a ---> " + longName + "\r\nb ---> " + longName + "\r\n");
    EXPECT_EQ(buildPreviewText(list, true), folder + "a ---> " + folder + longName + "\r\n" +
                                                folder + "b ---> " + folder + longName + "\r\n");
    EXPECT_EQ(buildPreviewText({{folder, longName, ""}}, true),
              folder + longName + " ---> " + folder + "\r\n");
    EXPECT_EQ(buildPreviewText({{"C:\\", "a", ""}}, false), "a ---> \r\n");
}

TEST(PreviewText, BytesAbove127PassUnchanged) {
    const FileList list = {{"C:\\\xC4rger\\",
                            "\xFC"
                            "ber.txt",
                            "\xDC"
                            "BER.TXT"}};
    EXPECT_EQ(buildPreviewText(list, true), "C:\\\xC4rger\\\xFC"
                                            "ber.txt ---> C:\\\xC4rger\\\xDC"
                                            "BER.TXT\r\n");
}

} // namespace
} // namespace tarnwick
