// Glyph placement read back from pixels, in an 800 x 600 window so that one
// unit of the virtual screen is one pixel.
#include "render/font.h"
#include "support/gl_window.h"
#include "support/image_files.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

// A 256 x 256 font texture, black but for the cell of glyph g, which is white.
std::string fontWithOneWhiteGlyph(int g) {
    Rows rows(256, std::vector<Rgb>(256, Rgb{0, 0, 0}));
    const int column = g % 16, topRow = g / 16;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            rows[size_t(255 - (topRow * 16 + y))][size_t(column * 16 + x)] = {255, 255, 255};
    return bmpOf(rows);
}

class FontTest : public testing::Test {
protected:
    void SetUp() override {
        writeFile("font.bmp", fontWithOneWhiteGlyph('A' - 32));
        font = LoadTexture("font.bmp", false);
        ASSERT_NE(font.glTexture, 0u);
        glBuildFont(font);
        glLoadIdentity();
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glBindTex(font, 0);
    }
    static bool red(int x, int y) {
        auto p = pixelAt(x, y);
        return p[0] == 255 && p[1] == 0 && p[2] == 0;
    }
    static bool dark(int x, int y) {
        auto p = pixelAt(x, y);
        return p[0] == 0 && p[1] == 0 && p[2] == 0;
    }

    TempDir dir;
    TestGLWindow window{800, 600};
    texture_t font;
};

}  // namespace

TEST(FontBuild, LeavesTheMatrixMovedByAllAdvances) {
    TestGLWindow window(64, 64);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glBuildFont(texture_t{});
    GLfloat m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    EXPECT_FLOAT_EQ(m[12], 2560.0f);
    EXPECT_NE(base, 0u);
}

TEST_F(FontTest, PrintPlacesGlyphsTenUnitsApartAbove530MinusY) {
    glPrint(255, 0, 0, 0, 0, "A");
    EXPECT_TRUE(red(1, 531));
    EXPECT_TRUE(red(15, 544));
    EXPECT_TRUE(dark(17, 538));   // one glyph is 16 units wide
    EXPECT_TRUE(dark(8, 528));    // and starts at 530
    glClear(GL_COLOR_BUFFER_BIT);
    glPrint(255, 0, 0, 100, 200, "%s", "AA");
    EXPECT_TRUE(red(101, 331));
    EXPECT_TRUE(red(124, 331));   // the second glyph spans 110 to 126
    EXPECT_TRUE(dark(127, 331));
    GLboolean depth = GL_FALSE, texturing = GL_FALSE;
    glGetBooleanv(GL_DEPTH_TEST, &depth);
    glGetBooleanv(GL_TEXTURE_2D, &texturing);
    EXPECT_TRUE(depth && texturing);
}

TEST_F(FontTest, PrintSmallScalesAroundTheStart) {
    glPrintSmall(255, 0, 0, 40, 40, "AA");
    EXPECT_TRUE(red(41, 491));
    EXPECT_TRUE(red(72, 512));    // second glyph: 53 to 73.8 across, 490 to 514 up
    EXPECT_TRUE(dark(75, 500));
    EXPECT_TRUE(dark(60, 516));
}

TEST_F(FontTest, BytesWithoutAGlyphDrawNothingButAdvance) {
    glPrint(255, 0, 0, 0, 0, "\x01\xC8" "A");
    EXPECT_TRUE(dark(5, 538));
    EXPECT_TRUE(dark(15, 538));
    EXPECT_TRUE(red(21, 538));    // 'A' starts at 20
    EXPECT_TRUE(red(35, 538));
}

TEST_F(FontTest, NullFormatTouchesNothing) {
    glDisable(GL_TEXTURE_2D);
    glColor3f(0, 1, 0);
    glPrint(255, 0, 0, 0, 0, nullptr);
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_FLOAT_EQ(colour[1], 1.0f);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}
