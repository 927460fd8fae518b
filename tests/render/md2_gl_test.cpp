// MD2 models on a real context: coordinates against the skin actually
// loaded, the order in which triangles are emitted, and the display list
// drawing what immediate mode draws.
#include "render/md2.h"
#include "support/gl_window.h"
#include "support/md2_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <vector>

using namespace testing_support;

namespace {

class Md2GL : public testing::Test {
protected:
    // Writes the model and a skin of the given size, and loads them.
    void load(Md2File& f, int skinWidth, int skinHeight) {
        f.layOut();
        writeFile("m.md2", f.bytes());
        Rows rows(size_t(skinHeight), std::vector<Rgb>(size_t(skinWidth), Rgb{200, 100, 50}));
        rows[0][0] = {20, 220, 90};
        writeFile("skin.bmp", bmpOf(rows));
        writeFile("m.txt", "MODELFILE: m.md2\nMODELTEX: skin.bmp\nOVERBLEND BLACK?: 0\n");
        ASSERT_EQ(model.Load("m.txt"), 1);
    }

    TempDir dir;
    TestGLWindow window{128, 128};
    CMD2Model model;
};

// Seven vertices, seven coordinates; triangle (4, 5, 6) with coordinates (7, 8, 9)
// less 3, so that vertex k and coordinate k can be told apart in the output.
Md2File numbered() {
    Md2File f;
    f.frames = {{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {10, 10, 0}, {10, 90, 0}, {90, 10, 0}}};
    f.coords = {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {16, 0}, {32, 0}, {48, 0}};
    f.triangles = {{{4, 5, 6}, {4, 5, 6}}};
    return f;
}

}  // namespace

TEST_F(Md2GL, CoordinatesAreDividedByTheLoadedSkinNotTheHeader) {
    Md2File f = numbered();
    f.coords[4] = {64, 32};
    load(f, 256, 128);
    EXPECT_FLOAT_EQ(model.texCoords[4].s, 0.25f);
    EXPECT_FLOAT_EQ(model.texCoords[4].t, 0.25f);
}

TEST_F(Md2GL, TrianglesAreEmittedInTheOrderZeroTwoOne) {
    Md2File f = numbered();
    load(f, 64, 64);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 128, 0, 128, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    std::vector<GLfloat> feedback(64);
    glFeedbackBuffer(GLsizei(feedback.size()), GL_3D_COLOR_TEXTURE, feedback.data());
    glRenderMode(GL_FEEDBACK);
    model.RenderFrame(0);
    ASSERT_GT(glRenderMode(GL_RENDER), 0);
    ASSERT_EQ(feedback[0], GLfloat(GL_POLYGON_TOKEN));
    ASSERT_EQ(feedback[1], 3.0f);
    const int stride = 3 + 4 + 4;  // window position, colour, texture coordinate
    const float expectX[3] = {10, 90, 10}, expectS[3] = {0.25f, 0.75f, 0.5f};
    for (int k = 0; k < 3; ++k) {
        EXPECT_FLOAT_EQ(feedback[size_t(2 + k * stride)], expectX[k]) << k;
        EXPECT_FLOAT_EQ(feedback[size_t(2 + k * stride + 7)], expectS[k]) << k;
    }
}

TEST_F(Md2GL, TheDisplayListDrawsWhatImmediateModeDraws) {
    Md2File f;
    f.frames = {{{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {128, 128, 255}}};
    f.coords = {{0, 0}, {8, 0}, {0, 8}, {8, 8}};
    f.triangles = {{{0, 2, 1}, {0, 2, 1}}, {{0, 1, 3}, {0, 1, 3}}, {{1, 2, 3}, {1, 2, 3}}};
    load(f, 8, 8);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-20, 280, -20, 280, -300, 300);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(30, 1, 1, 0);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_DEPTH_TEST);
    auto frame = [](auto draw) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        draw();
        std::vector<unsigned char> pixels(128 * 128 * 4);
        glReadPixels(0, 0, 128, 128, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    };
    auto immediate = frame([&] { model.RenderFrame(0); });
    auto listed = frame([&] { model.RenderFrame(); });
    EXPECT_EQ(immediate, listed);
    EXPECT_NE(immediate, frame([] {}));  // something was drawn at all
}

TEST(VectorMathGL, TranslatevNegatesZ) {
    TestGLWindow window(16, 16);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatev(newV(1, 2, 3));
    GLfloat m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    EXPECT_FLOAT_EQ(m[12], 1.0f);
    EXPECT_FLOAT_EQ(m[13], 2.0f);
    EXPECT_FLOAT_EQ(m[14], -3.0f);
}
