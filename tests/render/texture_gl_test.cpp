// Textures and the bitmap font on a real GL context, read back as pixels:
// uploaded texels, the texture units left behind, and where glyphs land.
#include "render/font.h"
#include "render/gl_entry.h"
#include "render/texture.h"
#include "support/gl_window.h"
#include "support/image_files.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

using namespace testing_support;

const std::string kSeeds = VARNE_SOURCE_DIR "/tests/fuzz/corpus/";

using Pixel = std::array<unsigned char, 3>;

// The 800 x 600 frame, bottom row first, with `text` printed in white at (x, y).
static std::vector<Pixel> printed(auto print, int x, int y, const char* text) {
    glClear(GL_COLOR_BUFFER_BIT);
    print(255, 255, 255, x, y, text);
    std::vector<Pixel> pixels(800 * 600);
    glReadPixels(0, 0, 800, 600, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

TEST(TextureGL, TexelsDrawBottomRowFirstWithBlackSeeThroughInBmpsOnly) {
    const Rgb grey{128, 128, 128};
    struct Case {
        const char* file;
        Rgb drawn[4];
    } cases[] = {
        // bottom row first
        {"bmp/2x2_padded_rows.bmp", {{255, 0, 0}, grey, {0, 0, 255}, {255, 255, 255}}},
        // Rows of 6 bytes, which GL would read as 8 unless told otherwise.
        {"tga/2x2_24.tga", {{2, 1, 0}, {5, 4, 3}, {8, 7, 6}, {11, 10, 9}}},
    };
    for (const Case& c : cases) {
        TempDir dir;
        TestGLWindow window;  // 256 x 256, filled with the texture over a grey background
        MultiTexturing();
        glBindTex(LoadTexture((kSeeds + c.file).c_str(), false), 0);
        glClearColor(grey[0] / 255.0f, grey[1] / 255.0f, grey[2] / 255.0f, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glBegin(GL_QUADS);
        for (auto [s, t] : {std::array{0, 0}, {1, 0}, {1, 1}, {0, 1}}) {
            glTexCoordARB(float(s), float(t), 0);
            glVertex2i(2 * s - 1, 2 * t - 1);
        }
        glEnd();
        for (int k = 0; k < 4; ++k) {
            const auto p = pixelAt(64 + 128 * (k % 2), 64 + 128 * (k / 2));
            EXPECT_EQ((Rgb{p[0], p[1], p[2]}), c.drawn[k]) << c.file << k;
        }
    }
}

TEST(TextureGL, UnbindAllSwitchesUnitsZeroToThreeOffAndLeavesUnitThreeActive) {
    TempDir dir;
    TestGLWindow window;
    MultiTexturing();
    ASSERT_TRUE(multitex);
    const texture_t t = LoadTexture((kSeeds + "bmp/1x1.bmp").c_str(), true);
    for (int unit = 0; unit < 4; ++unit) glBindTex(t, unit);
    glUnbindAll();
    GLint active = 0;
    glGetIntegerv(GL_ACTIVE_TEXTURE_ARB, &active);
    EXPECT_EQ(active, GL_TEXTURE3_ARB);
    EXPECT_FALSE(glIsEnabled(GL_BLEND) || glIsEnabled(GL_ALPHA_TEST));
    for (int unit = 0; unit < 4; ++unit) {
        glext::glActiveTextureARB(GLenum(GL_TEXTURE0_ARB + unit));
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D)) << unit;
    }
}

// Glyphs are 16 units square and 10 apart, their bottoms at 530 - y; a byte
// without a glyph draws nothing but moves on like one.
TEST(FontGL, GlyphsLandOnTheVirtualScreen) {
    TempDir dir;
    TestGLWindow window{800, 600};  // one unit of the virtual screen is one pixel
    // 16 x 16 glyph cells, all black but that of 'A' (33: row 2 from the top, column 1).
    Rows cells(256, std::vector<Rgb>(256, Rgb{0, 0, 0}));
    for (int y = 256 - 48; y < 256 - 32; ++y)
        for (int x = 16; x < 32; ++x) cells[size_t(y)][size_t(x)] = {255, 0, 0};
    writeFile("font.tga", tgaOf(cells));
    glBuildFont(LoadTexture("font.tga", false));
    // The lit box (left, bottom, right, top pixel) of white text printed at (50, 100).
    auto litBox = [](auto print, const char* text) {
        const std::vector<Pixel> frame = printed(print, 50, 100, text);
        std::array box{800, 600, 0, 0};
        for (int i = 0; i < 800 * 600; ++i)
            if (frame[size_t(i)][0] > 128) {
                const int x = i % 800, y = i / 800;
                box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x), y};
            }
        return box;
    };
    EXPECT_EQ(litBox(glPrint, "AA"), (std::array{50, 430, 75, 445}));
    // Two bytes without a glyph, then 'A'.
    EXPECT_EQ(litBox(glPrint, "\x01\xC8\x41"), (std::array{70, 430, 85, 445}));
    EXPECT_EQ(litBox(glPrintSmall, "AA"), (std::array{50, 430, 83, 453}));  // 20.8 x 24, 13 apart
}

// The shadow is the text's own shape in black, exactly one pixel right and
// down, on a window of any size: the virtual screen at full and at double size.
TEST(FontGL, AShadowIsTheTextInBlackOnePixelRightAndDown) {
    TempDir dir;
    TestGLWindow window{800, 600};
    const texture_t font = LoadTexture(VARNE_SOURCE_DIR "/data/textures/font.bmp", false);
    glBuildFont(font);
    glBindTex(font, 0);
    glClearColor(0, 0, 1, 1);
    const Pixel blue{0, 0, 255}, black{0, 0, 0};
    for (int width : {800, 1600}) {
        glViewport(0, 0, width, width * 3 / 4);
        const auto plain = printed(glPrint, 50, 400, "Wg|"),
                   shadowed = printed(glPrintShadowed, 50, 400, "Wg|");
        int wrong = 0, shadow = 0;
        for (int y = 0; y < 599; ++y)
            for (int x = 1; x < 800; ++x) {
                const Pixel& text = plain[size_t(y * 800 + x)];
                const bool behind = text == blue && plain[size_t((y + 1) * 800 + x - 1)] != blue;
                shadow += behind;
                wrong += shadowed[size_t(y * 800 + x)] != (behind ? black : text);
            }
        EXPECT_EQ(wrong, 0) << width;
        EXPECT_GT(shadow, 50) << width;
    }
}
