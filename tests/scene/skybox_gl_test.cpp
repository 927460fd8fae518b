// The skybox drawn on a real context and seen from inside its centre: each
// face shows its own texture, and a face without one is not drawn at all.
#include "render/texture.h"
#include "scene/skybox.h"
#include "support/gl_window.h"
#include "support/image_files.h"

#include <gtest/gtest.h>

using namespace testing_support;

TEST(SkyboxGL, EachFaceShowsItsOwnTextureAndOneWithoutIsNotDrawn) {
    TempDir dir;
    TestGLWindow window(64, 64);
    MultiTexturing();
    // Face i's texture: 2 x 2 pixels of red 40 i, green 200 and blue 200 - 40 i.
    for (int i = 0; i < 5; ++i)
        writeFile(std::to_string(i) + ".tga",
                  tgaOf(Rows(2, std::vector<Rgb>(2, {40 * i, 200, 200 - 40 * i}))));
    writeFile("sky.txt", "SKY_UP: 0.tga SKY1: 1.tga SKY2: 2.tga\n"
                         "SKY3: 3.tga SKY4: 4.tga SKY_DOWN: 5.tga\n");
    Skybox sky("sky.txt", 3000, 2000, 4);
    // Up, along +z, +x, -z, -x, and down: the top is tinted 0.95 grey, the
    // floor has no file (5.tga) and shows the black background.
    const struct {
        double x, y, z;
        int rgb[3];
    } views[] = {{0, 1, 0, {0, 190, 190}},   {0, 0, 1, {40, 200, 160}},  {1, 0, 0, {80, 200, 120}},
                 {0, 0, -1, {120, 200, 80}}, {-1, 0, 0, {160, 200, 40}}, {0, -1, 0, {0, 0, 0}}};
    squarePerspective(90, 0.1, 1e7);
    for (const auto& v : views) {
        glLoadIdentity();
        gluLookAt(0, 0, 0, v.x, v.y, v.z, 0, v.y ? 0 : 1, v.y ? -1 : 0);
        glClear(GL_COLOR_BUFFER_BIT);
        sky.draw();
        const auto pixel = pixelAt(32, 32);
        for (int c = 0; c < 3; ++c) EXPECT_NEAR(pixel[c], v.rgb[c], 2) << "view " << &v - views;
    }
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(colour[0] + colour[1] + colour[2], 3.0f);  // draw leaves the colour white
}
