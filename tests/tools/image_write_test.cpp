// The asset tools' BMP and TGA writers, checked byte by byte against files
// decoded by hand: header fields, bottom-up row order, colour order, padding.
#include "tools/image_write.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

Image imageOf(int width, int height, int channels, std::initializer_list<std::uint8_t> bytes) {
    Image image(width, height, channels);
    image.pixels.assign(bytes);
    return image;
}

using Bytes = std::vector<std::uint8_t>;

TEST(ImageWrite, BmpHasFilledHeadersAndPaddedRowsBottomUp) {
    // Rows of 2 pixels are 6 bytes, padded to 8. Top row first in memory.
    const Image image = imageOf(2, 2, 3, {1, 2, 3, 4, 5, 6,  7, 8, 9, 10, 11, 12});
    const Bytes expected = {
        'B', 'M', 70, 0, 0, 0,  0, 0, 0, 0,  54, 0, 0, 0,  // size 54 + 16, pixels at 54
        40, 0, 0, 0,  2, 0, 0, 0,  2, 0, 0, 0,  1, 0,  24, 0,  0, 0, 0, 0,
        16, 0, 0, 0,  0x13, 0x0B, 0, 0,  0x13, 0x0B, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0,
        9, 8, 7,  12, 11, 10,  0, 0,  // bottom row, blue green red
        3, 2, 1,  6, 5, 4,  0, 0,     // top row
    };
    EXPECT_EQ(EncodeBmp(image), expected);
}

TEST(ImageWrite, BmpDropsAlphaAndNeedsNoPaddingForWidthsOfFour) {
    const Image image = imageOf(4, 1, 4, {1, 2, 3, 99, 4, 5, 6, 99, 7, 8, 9, 99, 10, 11, 12, 99});
    const Bytes bytes = EncodeBmp(image);
    ASSERT_EQ(bytes.size(), 54u + 12u);
    EXPECT_EQ(bytes[2], 66);   // file size
    EXPECT_EQ(bytes[34], 12);  // image size
    EXPECT_EQ(Bytes(bytes.begin() + 54, bytes.end()),
              (Bytes{3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}));
}

TEST(ImageWrite, TgaKeepsAlphaAndStoresTheBottomRowFirst) {
    const Image image = imageOf(2, 2, 4, {1, 2, 3, 4, 5, 6, 7, 8,  9, 10, 11, 12, 13, 14, 15, 16});
    const Bytes expected = {
        0, 0, 2,  0, 0, 0, 0, 0,  0, 0, 0, 0,  2, 0, 2, 0,  32, 8,
        11, 10, 9, 12,  15, 14, 13, 16,  // bottom row, blue green red alpha
        3, 2, 1, 4,  7, 6, 5, 8,
    };
    EXPECT_EQ(EncodeTga(image), expected);
}

TEST(ImageWrite, TgaOfThreeChannelsIs24BitWithoutPadding) {
    const Image image = imageOf(1, 2, 3, {1, 2, 3,  4, 5, 6});
    const Bytes expected = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 2, 0, 24, 0,
                            6, 5, 4,  3, 2, 1};
    EXPECT_EQ(EncodeTga(image), expected);
}

}  // namespace
