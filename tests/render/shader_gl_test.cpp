// Shaders on a real context: a source that does not compile is logged in
// order with the compiler's words, shown, and the program asked to quit; the
// shipped lighting pair puts its highlight where the eye sees the light mirrored.
#include "render/gl_entry.h"
#include "render/shader.h"
#include "scene/camera.h"
#include "scene/setup.h"
#include "scene/uniforms.h"
#include "support/gl_window.h"
#include "support/temp_dir.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

using namespace testing_support;

const std::string kFragment = VARNE_SOURCE_DIR "/data/shaders/lighting.frag";
const std::string kVertex = VARNE_SOURCE_DIR "/data/shaders/lighting.vert";

TEST(ShaderGL, ABrokenSourceIsLoggedInOrderShownAndAsksToQuit) {
    setenv("VARNE_MESSAGEBOX", "yes", 1);
    TempDir dir;
    TestGLWindow window;
    takeMessages();  // whatever creating the window produced
    writeFile("bad.vert", "#version 110\nvoid main() { gl_Position = notDeclared; }\n");
    initGLShader(false);
    EXPECT_NE(LoadGLShader("bad.vert", kFragment.c_str()), 0u);  // still linked and returned
    EXPECT_TRUE(std::ranges::any_of(takeMessages(),
                                    [](auto m) { return m.message == plat::WM_QUIT; }));
    const std::string log = readLog();
    size_t at = 0;
    for (const char* part :
         {"*vertex shader compiler log:\n", "notDeclared", "\nError in Vertex Shader bad.vert\n",
          "*fragment shader compiler log:\n",
          "*attaching shader to program\n*linking program...\n*finished\n\n"}) {
        at = log.find(part, at);
        ASSERT_NE(at, std::string::npos) << "missing in order: " << part << "\n" << log;
    }
}

// The scene's start camera (the eye at (0, 30, 55), looking down -z) and a
// light 40 to its right face a black wall at z = -100, both 155 from it: the
// highlight must centre where the light mirrors into the eye, at (20, 30, -100),
// seen 20 right of the middle at 155 through a 45-degree frustum.
TEST(ShaderGL, TheLightingHighlightCentresWhereTheLightMirrorsIntoTheEye) {
    TestGLWindow window;
    glMatrixMode(GL_PROJECTION);
    gluPerspective(45, 1, 1, 1000);
    glMatrixMode(GL_MODELVIEW);
    cam.init(0, 30, -50, 0, 0, 100);
    cam.positionCamera();
    initGLShader(true);
    glBindShader(shd = LoadGLShader(kVertex.c_str(), kFragment.c_str()));
    setViewMatrixUniform();
    setUniform("LightPosition", newV(40, 30, 55));
    setUniform("color", newV(0, 0, 0));
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glTranslatef(0, 0, -100);
    glNormal3f(0, 0, 1);
    glRectf(-300, -300, 300, 300);
    std::vector<unsigned char> red(256 * 256);
    glReadPixels(0, 0, 256, 256, GL_RED, GL_UNSIGNED_BYTE, red.data());
    const unsigned char peak = *std::max_element(red.begin(), red.end());
    double sumX = 0, sumY = 0, count = 0;
    for (int i = 0; i < 256 * 256; ++i)
        if (red[size_t(i)] == peak) sumX += i % 256 + 0.5, sumY += i / 256 + 0.5, ++count;
    EXPECT_GT(peak, 100);
    EXPECT_NEAR(sumX / count, 128 * (1 + 20 / (155 * std::tan(M_PI / 8))), 2.0);
    EXPECT_NEAR(sumY / count, 128, 2.0);
}
