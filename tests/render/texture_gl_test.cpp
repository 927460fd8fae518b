// Textures on a real GL context: what an uploaded texture looks like when
// drawn (colour key, row order, tight rows), and the texture-unit state the
// bind and unbind calls leave behind, with and without multitexturing.
#include "render/gl_entry.h"
#include "render/texture.h"
#include "support/gl_window.h"
#include "support/image_files.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

using namespace testing_support;
using Rgba = std::array<unsigned char, 4>;

namespace {

// Fills the 256 x 256 window with the bound texture over a cleared background.
void drawTexturedQuad(Rgb background) {
    glClearColor(background[0] / 255.0f, background[1] / 255.0f, background[2] / 255.0f, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3f(1, 1, 1);
    glBegin(GL_QUADS);
    glTexCoordARB(0, 0, 0);
    glVertex2f(-1, -1);
    glTexCoordARB(1, 0, 0);
    glVertex2f(1, -1);
    glTexCoordARB(1, 1, 0);
    glVertex2f(1, 1);
    glTexCoordARB(0, 1, 0);
    glVertex2f(-1, 1);
    glEnd();
}

Rgb rgbAt(int x, int y) {
    Rgba p = pixelAt(x, y);
    return {p[0], p[1], p[2]};
}

GLint intOf(GLenum what) {
    GLint v = 0;
    glGetIntegerv(what, &v);
    return v;
}

bool enabledOnUnit(int unit) {
    glext::glActiveTextureARB(GLenum(GL_TEXTURE0_ARB + unit));
    return glIsEnabled(GL_TEXTURE_2D);
}

const Rgb kBlack{0, 0, 0}, kRed{255, 0, 0}, kGreen{0, 255, 0}, kWhite{255, 255, 255};
const Rgb kGrey{128, 128, 128};

}  // namespace

TEST(TextureGL, BlackTexelsOfABmpShowTheBackgroundAndRowsRunBottomUp) {
    TempDir dir;
    TestGLWindow window;
    writeFile("key.bmp", bmpOf({{kBlack, kRed}, {kGreen, kWhite}}));
    MultiTexturing();
    texture_t t = LoadTexture("key.bmp", false);
    ASSERT_NE(t.glTexture, 0u);
    EXPECT_EQ(intOf(GL_TEXTURE_BINDING_2D), GLint(t.glTexture));  // left bound
    EXPECT_EQ(t.bpp, 32u);

    glBindTex(t, 0);
    drawTexturedQuad(kGrey);
    EXPECT_EQ(rgbAt(64, 64), kGrey);  // the black texel, bottom left
    EXPECT_EQ(rgbAt(192, 64), kRed);
    EXPECT_EQ(rgbAt(64, 192), kGreen);
    EXPECT_EQ(rgbAt(192, 192), kWhite);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));

    std::string log = readFile("log.txt");
    EXPECT_NE(log.find("loading texture: key.bmp\ngenerating texture\nTexture information:\n"
                       "\tbpp: 32\n\twidth: 2\n\theight: 2\n\nfinished loading texture\n\n"),
              std::string::npos)
        << log;
}

TEST(TextureGL, TgaWithRowsNotAMultipleOfFourBytesDrawsRightAndLeavesBlendingOff) {
    TempDir dir;
    TestGLWindow window;
    // Two 24-bit pixels make rows of 6 bytes, which GL would read as 8 by default.
    writeFile("odd.tga", tgaOf({{kRed, kGreen}, {kWhite, kRed}}));
    texture_t t = LoadTexture("odd.tga", false);
    ASSERT_NE(t.glTexture, 0u);
    EXPECT_EQ(t.sourceKind, 1);
    EXPECT_EQ(t.bpp, 24u);

    glEnable(GL_TEXTURE_2D);  // the single-texture path leaves this to the caller
    glBindTex(t, 0);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
    drawTexturedQuad(kGrey);
    EXPECT_EQ(rgbAt(64, 64), kRed);
    EXPECT_EQ(rgbAt(192, 64), kGreen);
    EXPECT_EQ(rgbAt(64, 192), kWhite);
    EXPECT_EQ(rgbAt(192, 192), kRed);
}

TEST(TextureGL, UnbindAllSwitchesUnitsZeroToThreeOffAndLeavesUnitThreeActive) {
    TempDir dir;
    TestGLWindow window;
    MultiTexturing();
    ASSERT_TRUE(multitex);
    ASSERT_GE(maxTextureUnits, 4);
    EXPECT_EQ(readFile("log.txt"),
              "Multitexturing supported!\n" + std::to_string(maxTextureUnits) + " Texture Units\n");

    writeFile("t.bmp", bmpOf({{kRed}}));
    texture_t t = LoadTexture("t.bmp", true);
    for (int unit = 0; unit < 4; ++unit) glBindTex(t, unit);
    EXPECT_EQ(intOf(GL_ACTIVE_TEXTURE_ARB), GL_TEXTURE3_ARB);
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_ALPHA_TEST));

    glTexCoordARB(0.5f, 0.25f, 2);
    glext::glActiveTextureARB(GL_TEXTURE2_ARB);
    GLfloat coords[4] = {};
    glGetFloatv(GL_CURRENT_TEXTURE_COORDS, coords);
    EXPECT_EQ(coords[0], 0.5f);
    EXPECT_EQ(coords[1], 0.25f);

    glUnbindAll();
    EXPECT_EQ(intOf(GL_ACTIVE_TEXTURE_ARB), GL_TEXTURE3_ARB);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
    for (int unit = 0; unit < 4; ++unit) EXPECT_FALSE(enabledOnUnit(unit)) << unit;

    glBindTex(t, 0);
    EXPECT_EQ(intOf(GL_ACTIVE_TEXTURE_ARB), GL_TEXTURE0_ARB);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
}

TEST(TextureGL, WithoutMultitexturingOnlyUnitZeroIsAddressed) {
    TempDir dir;
    TestGLWindow window;
    writeFile("t.bmp", bmpOf({{kRed}}));
    texture_t t = LoadTexture("t.bmp", true);
    glBindTexture(GL_TEXTURE_2D, 0);
    ASSERT_FALSE(multitex);

    glBindTex(t, 1);
    EXPECT_EQ(intOf(GL_TEXTURE_BINDING_2D), 0);
    EXPECT_TRUE(glIsEnabled(GL_BLEND));  // the colour key still switches blending on
    EXPECT_TRUE(glIsEnabled(GL_ALPHA_TEST));
    glTexCoordARB(0.5f, 0.25f, 1);
    GLfloat coords[4] = {};
    glGetFloatv(GL_CURRENT_TEXTURE_COORDS, coords);
    EXPECT_EQ(coords[0], 0.0f);
    EXPECT_EQ(coords[1], 0.0f);

    glBindTex(t, 0);
    glTexCoordARB(0.5f, 0.25f, 0);
    glGetFloatv(GL_CURRENT_TEXTURE_COORDS, coords);
    EXPECT_EQ(intOf(GL_TEXTURE_BINDING_2D), GLint(t.glTexture));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(coords[0], 0.5f);
    EXPECT_EQ(coords[1], 0.25f);

    glUnbindAll();
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(intOf(GL_ACTIVE_TEXTURE_ARB), GL_TEXTURE0_ARB);
}

TEST(TextureGL, AFailedLoadUploadsNothingAndDrawsUntextured) {
    TempDir dir;
    TestGLWindow window;
    MultiTexturing();
    writeFile("bad.bmp", bmpOf({{kRed}}).substr(0, 56));
    for (const char* name : {"missing.bmp", "bad.bmp", "missing.tga", "image.png"}) {
        texture_t t = LoadTexture(name, true);
        EXPECT_EQ(t.glTexture, 0u) << name;
        EXPECT_EQ(t.pixels, nullptr) << name;
        EXPECT_EQ(intOf(GL_TEXTURE_BINDING_2D), 0) << name;

        glBindTex(t, 0);
        drawTexturedQuad(kGrey);
        EXPECT_EQ(rgbAt(128, 128), kWhite) << name;  // the plain quad colour
        glUnbindAll();
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << name;
    }
    std::string log = readFile("log.txt");
    EXPECT_EQ(countOf(log, "generating texture"), 0) << log;
    EXPECT_EQ(countOf(log, "could not load texture"), 4) << log;
}
