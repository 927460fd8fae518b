// Shaders on a real GL context: the installed lighting pair compiles, links
// and lights a sphere from where LightPosition is; a broken source, a missing
// file and a driver without GLSL are reported as the log and the user see them.
#include "render/gl_entry.h"
#include "render/shader.h"
#include "render/texture.h"
#include "support/gl_window.h"
#include "support/temp_dir.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace testing_support;

namespace {

const std::string kVertex = VARNE_SOURCE_DIR "/data/shaders/lighting.vert";
const std::string kFragment = VARNE_SOURCE_DIR "/data/shaders/lighting.frag";
constexpr int kSize = 256;

GLint uniform(unsigned program, const char* name) {
    return glext::glGetUniformLocationARB(program, name);
}

bool quitWasPosted() {
    plat::Message m;
    while (plat::PeekMessage(&m))
        if (m.message == plat::WM_QUIT) return true;
    return false;
}

// The installed pair, loaded in a fresh folder (for log.txt) and window.
class LightingShader : public testing::Test {
protected:
    void SetUp() override {
        setenv("VARNE_MESSAGEBOX", "yes", 1);
        quitWasPosted();  // whatever creating the window produced
        initGLShader(false);
        ASSERT_TRUE(shader_Support);
        program = LoadGLShader(kVertex.c_str(), kFragment.c_str());
        ASSERT_NE(program, 0u);
    }

    // A unit sphere at the world origin, seen by a camera at (0, 0, -5) that
    // looks along +z: world +x appears on the left of the picture. The view
    // matrix is taken from the modelview after placing the camera, as the
    // frame code does.
    void drawSphere(std::array<float, 3> lightWorld, int isTex) {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glEnable(GL_DEPTH_TEST);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-1.5, 1.5, -1.5, 1.5, 1, 20);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslatef(0, 0, -5);
        glRotatef(180, 0, 1, 0);
        float view[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, view);

        glBindShader(program);
        glext::glUniformMatrix4fvARB(uniform(program, "ViewMatrix"), 1, GL_FALSE, view);
        glext::glUniform3fARB(uniform(program, "CamPos"), 0, 0, -5);
        glext::glUniform3fvARB(uniform(program, "LightPosition"), 1, lightWorld.data());
        glext::glUniform3fARB(uniform(program, "color"), 0.6f, 0.5f, 0.05f);
        glext::glUniform1fARB(uniform(program, "dif"), 0.7f);
        glext::glUniform1iARB(uniform(program, "isTex"), isTex);
        GLUquadric* sphere = gluNewQuadric();
        gluQuadricTexture(sphere, GL_TRUE);
        gluSphere(sphere, 1.0, 48, 48);
        gluDeleteQuadric(sphere);
        glUnbindShader();
    }

    TempDir dir;
    TestGLWindow window{kSize, kSize};
    unsigned program = 0;
};

// Column of the brightest pixel (sum of r, g, b) in the middle row.
int brightestColumn() {
    std::array<unsigned char, kSize * 4> row{};
    glFinish();
    glReadPixels(0, kSize / 2, kSize, 1, GL_RGBA, GL_UNSIGNED_BYTE, row.data());
    int best = 0, bestSum = -1;
    for (int x = 0; x < kSize; ++x) {
        const int sum = row[x * 4] + row[x * 4 + 1] + row[x * 4 + 2];
        if (sum > bestSum) best = x, bestSum = sum;
    }
    return best;
}

int brightness(int x, int y) {
    auto p = pixelAt(x, y);
    return p[0] + p[1] + p[2];
}

GLuint oneTexelTexture(unsigned char r, unsigned char g, unsigned char b) {
    const unsigned char texel[3] = {r, g, b};
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 1, 1, 0, GL_RGB, GL_UNSIGNED_BYTE, texel);
    return name;
}

GLint currentProgram() {
    GLint p = -1;
    glGetIntegerv(GL_CURRENT_PROGRAM, &p);
    return p;
}

}  // namespace

TEST_F(LightingShader, ThePairCompilesLinksAndDeclaresEveryUniform) {
    GLint linked = 0;
    glext::glGetObjectParameterivARB(program, GL_OBJECT_LINK_STATUS_ARB, &linked);
    EXPECT_EQ(linked, 1);
    for (const char* name : {"LightPosition", "CamPos", "color", "isTex", "dif", "ViewMatrix"})
        EXPECT_NE(uniform(program, name), -1) << name;

    const std::string log = readFile("log.txt");
    const std::string start = "GLSL Supported!\n\nLoading GLSL shaders: " + kVertex + " " + kFragment +
                              "\n*shader creation\n*loading file 1\n*loading shader source 1\n"
                              "*Compiling shader\n*vertex shader compiler log:\n";
    EXPECT_EQ(log.find(start), 0u) << log;
    EXPECT_EQ(log.find("Error in"), std::string::npos) << log;
    EXPECT_EQ(log.substr(log.size() - 11), "*finished\n\n");
    EXPECT_FALSE(quitWasPosted());

    glBindShader(program);
    EXPECT_EQ(currentProgram(), GLint(program));
    glBindShader(0);
    EXPECT_EQ(currentProgram(), 0);
    glBindShader(program);
    glUnbindShader();
    EXPECT_EQ(currentProgram(), 0);
}

TEST_F(LightingShader, TheLitSideAndTheHighlightFollowTheLightInWorldSpace) {
    // Light at world -x: on the right of the picture. The highlight of a light
    // from the side, seen head-on, lies halfway, at sin(45 deg) of the radius.
    const int highlightOffset = int(0.7071f / 3.0f * kSize);  // 3 units across the window
    drawSphere({-4, 0, 0}, 0);
    EXPECT_GT(brightness(188, 128), 3 * brightness(68, 128));
    EXPECT_NEAR(brightestColumn(), kSize / 2 + highlightOffset, 8);

    drawSphere({4, 0, 0}, 0);
    EXPECT_GT(brightness(68, 128), 3 * brightness(188, 128));
    EXPECT_NEAR(brightestColumn(), kSize / 2 - highlightOffset, 8);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(LightingShader, ModelSkinsComeFromTextureUnitZeroUnlessPointedElsewhere) {
    // Sampled on the unlit side, where only ambient light reaches and no
    // highlight adds white.
    const GLuint red = oneTexelTexture(255, 0, 0);
    drawSphere({-4, 0, 0}, 0);
    auto plain = pixelAt(68, 128);
    EXPECT_GT(plain[1], 20);  // the colour uniform's green
    drawSphere({-4, 0, 0}, 1);
    auto skin = pixelAt(68, 128);
    EXPECT_GT(skin[0], 40);
    EXPECT_LT(skin[1], 4);

    MultiTexturing();
    ASSERT_TRUE(multitex);
    glext::glActiveTextureARB(GL_TEXTURE1_ARB);
    const GLuint green = oneTexelTexture(0, 255, 0);
    glext::glActiveTextureARB(GL_TEXTURE0_ARB);
    glBindShader(program);
    glPassTexToShader(program, "skin", 1);
    drawSphere({-4, 0, 0}, 1);
    skin = pixelAt(68, 128);
    EXPECT_LT(skin[0], 4);
    EXPECT_GT(skin[1], 40);
    glDeleteTextures(1, &red);
    glDeleteTextures(1, &green);
}

TEST(ShaderGL, ABrokenVertexShaderIsLoggedShownAndAsksToQuit) {
    setenv("VARNE_MESSAGEBOX", "yes", 1);
    TempDir dir;
    TestGLWindow window;
    quitWasPosted();
    writeFile("bad.vert", "#version 110\nvoid main() { gl_Position = notDeclared; }\n");
    initGLShader(false);
    EXPECT_NE(LoadGLShader("bad.vert", kFragment.c_str()), 0u);  // still linked and returned
    EXPECT_TRUE(quitWasPosted());

    const std::string log = readFile("log.txt");
    size_t at = 0;
    for (const char* line : {"*Compiling shader\n", "*vertex shader compiler log:\n", "notDeclared",
                             "\nError in Vertex Shader bad.vert\n", "*fragment shader compiler log:\n",
                             "*attaching shader to program\n", "*linking program...\n",
                             "*finished\n\n"}) {
        at = log.find(line, at);
        ASSERT_NE(at, std::string::npos) << "missing in order: " << line << "\n" << log;
    }
    EXPECT_EQ(log.find("Error in Fragment Shader"), std::string::npos);
}

TEST(ShaderGL, AMissingFragmentFileEndsTheRunBeforeAnythingIsCompiled) {
    setenv("VARNE_MESSAGEBOX", "yes", 1);
    TempDir dir;  // the child process writes its log.txt here
    EXPECT_EXIT(
        {
            TestGLWindow window;
            initGLShader(false);
            LoadGLShader(kVertex.c_str(), "missing.frag");
        },
        testing::ExitedWithCode(0), "Could not load Shader: missing.frag");
    const std::string log = readFile("log.txt");
    EXPECT_NE(log.find("*loading shader source 1\nCould not load Shader: missing.frag\n"),
              std::string::npos) << log;
    EXPECT_EQ(log.find("*Compiling shader"), std::string::npos);
}

TEST(ShaderGL, ADriverWithoutVertexShadersIsReportedAndNothingIsFetched) {
    setenv("VARNE_MESSAGEBOX", "yes", 1);
    setenv("MESA_EXTENSION_OVERRIDE", "-GL_ARB_vertex_shader", 1);
    TempDir dir;
    EXPECT_EXIT(
        {
            TestGLWindow window;
            initGLShader(true);
        },
        testing::ExitedWithCode(0), "no GLSL Support!");

    TestGLWindow window;
    const auto* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    ASSERT_NE(extensions, nullptr);
    ASSERT_EQ(std::strstr(extensions, "GL_ARB_vertex_shader"), nullptr);
    ASSERT_NE(std::strstr(extensions, "GL_ARB_shader_objects"), nullptr);

    initGLShader(false);
    EXPECT_FALSE(shader_Support);
    EXPECT_EQ(glext::glUseProgramObjectARB, nullptr);
    const std::string log = readFile("log.txt");
    EXPECT_EQ(log,
              "no GLSL Support!\n"
              "No GLSL Support found, no shaders will be aviable!l\rGLSL ist supported by graphic "
              "cards such as Radeon 9500 and GF FX or higher...\n");

    EXPECT_EQ(LoadGLShader(kVertex.c_str(), kFragment.c_str()), 0u);
    glBindShader(1);
    glPassTexToShader(1, "skin", 0);
    glUnbindShader();
    EXPECT_EQ(readFile("log.txt"), log);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}
