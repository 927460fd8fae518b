// An MD2 model on a real context, read back in feedback mode: the corners as
// emitted, their texture coordinates over the skin actually loaded, their
// lighting, and the display list drawing the same.
#include "render/md2.h"
#include "support/gl_window.h"
#include "support/image_files.h"

#include <gtest/gtest.h>

#include <vector>

using namespace testing_support;

static std::vector<GLfloat> feedbackOf(auto draw) {
    std::vector<GLfloat> values(64);
    glFeedbackBuffer(GLsizei(values.size()), GL_3D_COLOR_TEXTURE, values.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    values.resize(size_t(glRenderMode(GL_RENDER)));
    return values;
}

// one_triangle.md2: vertices (-1, 0, 3), (126.5, 0, 3), (-1, 255, 3) with
// pixel coordinates (0, 0), (64, 32), (64, 32); its header claims a 256 x 256
// skin, the one loaded is 3 x 1.
TEST(Md2GL, CornersRunZeroTwoOneWithCoordinatesOverTheLoadedSkin) {
    TempDir dir;
    TestGLWindow window{128, 128};
    writeFile("m.md2", seed("md2/one_triangle.md2"));
    writeFile("skin.bmp", seed("bmp/3x1_stride_12.bmp"));
    writeFile("m.txt", "MODELFILE: m.md2\nMODELTEX: skin.bmp\nOVERBLEND BLACK?: 0\n");
    CMD2Model model;
    model.Load("m.txt");  // an empty model when it cannot load: nothing drawn below
    glMatrixMode(GL_PROJECTION);
    glOrtho(-1, 127, 0, 256, -10, 10);  // window x = x + 1
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);  // shining along -z

    const std::vector<GLfloat> drawn = feedbackOf([&] { model.RenderFrame(0); });
    // A polygon token, the corner count, then per corner window x, y, z, colour
    // r, g, b, a and texture s, t, r, q.
    ASSERT_EQ(drawn.size(), 2u + 3 * 11);
    const float x[3] = {0, 0, 127.5f}, s[3] = {0, 64.0f / 3, 64.0f / 3}, t[3] = {0, 32, 32};
    for (int k = 0; k < 3; ++k) {
        const GLfloat* corner = &drawn[size_t(2 + k * 11)];
        // The normal faces the side from which the corners run counter-clockwise: -z.
        EXPECT_LT(corner[3], 0.1f) << k;
        EXPECT_FLOAT_EQ(corner[0], x[k]) << k;
        EXPECT_FLOAT_EQ(corner[7], s[k]) << k;
        EXPECT_FLOAT_EQ(corner[8], t[k]) << k;
    }
    EXPECT_EQ(feedbackOf([&] { model.RenderFrame(); }), drawn);  // the display list
}
