// The main window on a real display (Xvfb with Mesa): pixel formats, the
// multisample second pass, the fullscreen question, projection and teardown.
#include "app/glwindow.h"
#include "app/main.h"
#include "support/temp_dir.h"
#include "config/settings.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

using namespace testing_support;

namespace {

class GLWindowTest : public testing::Test {
protected:
    void SetUp() override { setenv("VARNE_MESSAGEBOX", "no", 1); }
    void TearDown() override { KillGLWindow(true); }

    bool open(const std::string& config, int w = 800, int h = 600, int bits = 16, bool full = false) {
        writeFile("data/config.txt", config);
        settings->SetSettings(0, 0, 0, false);
        return CreateGLWindow("3D-Varne", w, h, bits, full, false);
    }
    static int samples() {
        GLint n = -1;
        glGetIntegerv(GL_SAMPLES, &n);
        return n;
    }
    std::string log() const { return readFile("log.txt"); }

    TempDir dir;
};

}  // namespace

TEST_F(GLWindowTest, WithoutAntialiasTheWindowIsCreatedOnce) {
    ASSERT_TRUE(open("[3D-VARNE-CFG]\n"));
    EXPECT_EQ(countOf(log(), "checking for FSAA Support"), 0);
    EXPECT_EQ(countOf(log(), "InitGL:"), 1);
    EXPECT_FALSE(arbMultisampleSupported);
    EXPECT_EQ(samples(), 0);
    GLint depth = 0;
    glGetIntegerv(GL_DEPTH_BITS, &depth);
    EXPECT_GE(depth, 24);  // the closest format keeps the 24 depth bits
}

TEST_F(GLWindowTest, AntialiasBuildsASecondWindowWithFourSamples) {
    ASSERT_TRUE(open("[3D-VARNE-CFG]\nANTIALIAS yes\n"));
    std::string text = log();
    EXPECT_EQ(countOf(text, "checking for FSAA Support\n\n4xFSAA Enabled\n\n"), 1);
    EXPECT_EQ(countOf(text, "FSAA Disabled"), 0);
    EXPECT_EQ(countOf(text, "InitGL:"), 1);
    EXPECT_TRUE(arbMultisampleSupported);
    EXPECT_EQ(samples(), 4);
}

TEST_F(GLWindowTest, AntialiasOnADriverWithoutMultisampleKeepsTheFirstWindow) {
    setenv("MESA_EXTENSION_OVERRIDE", "-GL_ARB_multisample", 1);
    ASSERT_TRUE(open("[3D-VARNE-CFG]\nANTIALIAS yes\n"));
    EXPECT_EQ(countOf(log(), "checking for FSAA Support\nInitGL:"), 1);
    EXPECT_FALSE(arbMultisampleSupported);
    EXPECT_EQ(samples(), 0);
}

TEST_F(GLWindowTest, ProjectionForHeightZeroUsesOnePixel) {
    ASSERT_TRUE(open("[3D-VARNE-CFG]\n"));
    ReSizeGLScene(640, 0);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 640);
    EXPECT_EQ(viewport[3], 1);
    GLfloat m[16];
    glGetFloatv(GL_PROJECTION_MATRIX, m);
    const double f = 1.0 / std::tan(22.5 * M_PI / 180.0);
    EXPECT_NEAR(m[5], f, 1e-5);
    EXPECT_NEAR(m[0], f / 640.0, 1e-7);
    EXPECT_TRUE(std::isfinite(m[10]) && std::isfinite(m[14]));
}

TEST_F(GLWindowTest, TeardownTwiceReleasesOnce) {
    ASSERT_TRUE(open("[3D-VARNE-CFG]\n"));
    KillGLWindow(true);
    KillGLWindow(true);
    EXPECT_EQ(hWnd, nullptr);
    EXPECT_EQ(hDC, nullptr);
    EXPECT_EQ(hRC, nullptr);
    std::string text = log();
    EXPECT_EQ(countOf(text, "Program Shutdown..."), 1);
    EXPECT_EQ(countOf(text, "Failed."), 0);
    EXPECT_EQ(countOf(text, "Could Not Release hWnd."), 0);
}

TEST_F(GLWindowTest, RefusedFullscreenAnsweredNoCloses) {
    EXPECT_FALSE(open("[3D-VARNE-CFG]\n", 1024, 768, 32, true));
    EXPECT_EQ(countOf(log(), "The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. "
                             "Use Windowed Mode Instead? : no\nProgram Will Now Close.\n"), 1);
    EXPECT_EQ(hWnd, nullptr);
}

TEST_F(GLWindowTest, RefusedFullscreenAnsweredYesRunsWindowed) {
    setenv("VARNE_MESSAGEBOX", "yes", 1);
    ASSERT_TRUE(open("[3D-VARNE-CFG]\n", 1024, 768, 32, true));
    EXPECT_EQ(countOf(log(), "Use Windowed Mode Instead? : yes\n"), 1);
    EXPECT_FALSE(settings->doFullscreen());
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 1024);
}

TEST_F(GLWindowTest, AvailableFullscreenModeIsTakenWithoutAQuestion) {
    ASSERT_TRUE(open("[3D-VARNE-CFG]\n", 1280, 1024, 32, true));
    EXPECT_TRUE(settings->doFullscreen());
    EXPECT_EQ(countOf(log(), "Not Supported"), 0);
}
