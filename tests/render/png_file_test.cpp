// Screenshots: the PNG file read back by another decoder, and their names.
#include "render/png_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

// The unit tests' one copy of stb_image: PNG here, BMP and TGA for the texture tests.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_BMP
#define STBI_ONLY_TGA
#include <stb/stb_image.h>

#include <ctime>

using namespace testing_support;

TEST(PngFile, RowsGoTopFirstAndAnUnwritablePathIsRefused) {
    TempDir dir;
    // 3 x 2, bottom row first as GL reads it: every pixel its own colour.
    const std::uint8_t bottomUp[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18};
    std::string error;
    ASSERT_TRUE(WritePng("shot.png", 3, 2, bottomUp, error)) << error;
    int width = 0, height = 0, channels = 0;
    stbi_uc* pixels = stbi_load("shot.png", &width, &height, &channels, 0);
    ASSERT_NE(pixels, nullptr) << stbi_failure_reason();
    EXPECT_EQ(std::vector({width, height, channels}), std::vector({3, 2, 3}));
    EXPECT_EQ(std::vector<int>(pixels, pixels + 18),
              std::vector<int>({10, 11, 12, 13, 14, 15, 16, 17, 18, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    stbi_image_free(pixels);

    EXPECT_FALSE(WritePng("no/such/folder/shot.png", 3, 2, bottomUp, error));
    EXPECT_EQ(error.rfind("no/such/folder/shot.png: cannot be written as PNG: ", 0), 0u) << error;
}

TEST(PngFile, ScreenshotsAreNamedByLocalTimeToTheMillisecond) {
    std::tm local{};
    local.tm_year = 2026 - 1900, local.tm_mon = 0, local.tm_mday = 9;
    local.tm_hour = 7, local.tm_min = 5, local.tm_sec = 3, local.tm_isdst = -1;
    const auto when = std::chrono::system_clock::from_time_t(std::mktime(&local)) +
                      std::chrono::microseconds(42999);
    EXPECT_EQ(ScreenshotName("screenshots", when), "screenshots/3d-varne-20260109-070503-042.png");
}
