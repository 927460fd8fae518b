// Shaders on a real context: a source that does not compile is logged in
// order with the compiler's words, shown, and the program asked to quit; the
// shipped lighting pair puts its highlight where the eye sees the light mirrored,
// and draws the scene as the textbook formula does.
#include "bench/scene/scene_run.h"
#include "render/gl_entry.h"
#include "render/shader.h"
#include "scene/camera.h"
#include "scene/frame.h"
#include "scene/setup.h"
#include "scene/uniforms.h"
#include "support/gl_window.h"
#include "support/temp_dir.h"

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
    squarePerspective(45, 1, 1000);
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

// The lighting as the textbook writes it, the highlight by pow: the shipped
// shader must draw the scene's bodies as this does.
const char* const kTextbookFragment = R"(#version 110
uniform vec3 color; uniform float dif; uniform int isTex; uniform sampler2D skin;
varying vec3 surface, normal, light;
void main()
{
    vec3 n = normalize(normal), l = normalize(light - surface), v = normalize(-surface);
    float diffuse = max(dot(n, l), 0.0);
    float highlight = diffuse > 0.0 ? pow(max(dot(reflect(-l, n), v), 0.0), 24.0) : 0.0;
    vec3 base = isTex == 1 ? texture2D(skin, gl_TexCoord[0].st).rgb : color;
    gl_FragColor = vec4(base * (0.3 + (0.4 + dif) * diffuse) + vec3(0.5 * highlight), 1.0);
})";

TEST(ShaderGL, TheShippedLightingDrawsTheSceneAsTheTextbookFormulaDoes) {
    SceneRun run(SceneRun::RepositoryConfig(false));
    ASSERT_TRUE(run.ready());
    run.frames(60);  // the bodies lie on the floor
    active = false;  // the pointer turns nothing between the two pictures
    writeFile("textbook.frag", kTextbookFragment);
    const unsigned shipped = shd, textbook = LoadGLShader(kVertex.c_str(), "textbook.frag");
    auto picture = [](unsigned program) {
        shd = program;
        DrawGLScene(nullptr);
        std::vector<unsigned char> rgb(800 * 600 * 3);
        glReadPixels(0, 0, 800, 600, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
        return rgb;
    };
    const auto ours = picture(shipped), theirs = picture(textbook);
    int most = 0, differing = 0;
    for (size_t i = 0; i < ours.size(); ++i) {
        const int d = std::abs(ours[i] - theirs[i]);
        most = std::max(most, d), differing += d > 0;
    }
    EXPECT_LE(most, 1);  // a driver may round a power and a product apart
    EXPECT_LT(differing, 800 * 600 / 100);
}
