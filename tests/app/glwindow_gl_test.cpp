// The main window on a real display (Xvfb with Mesa): teardown and the
// fullscreen question, asked once even when multisampling rebuilds the window.
// The display has no 1024 x 768 mode, so asking for it fullscreen is refused
// and the user is asked whether to run in a window.
#include "app/glwindow.h"
#include "app/main.h"
#include "config/settings.h"
#include "support/temp_dir.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

using namespace testing_support;

struct GLWindowTest : testing::Test {
    void TearDown() override { KillGLWindow(true); }
    // Opens the main window with an empty configuration; message boxes get this answer.
    bool open(const char* answer, int width = 800, bool fullscreen = false,
              const char* config = "[3D-VARNE-CFG]\n") {
        setenv("VARNE_MESSAGEBOX", answer, 1);
        writeFile("data/config.txt", config);
        settings->SetSettings(0, 0, 0, false);
        return CreateGLWindow("3D-Varne", width, width * 3 / 4, 32, fullscreen, 0);
    }
    TempDir dir;
};

TEST_F(GLWindowTest, TeardownTwiceShutsDownAndReleasesOnce) {
    ASSERT_TRUE(open("no"));
    KillGLWindow(true);
    KillGLWindow(true);
    EXPECT_EQ(hRC, nullptr);
    EXPECT_EQ(countOf(readLog(), "Program Shutdown..."), 1);
    EXPECT_EQ(countOf(readLog(), "Failed."), 0);
}

TEST_F(GLWindowTest, ARefusedFullscreenModeAnsweredNoCloses) {
    EXPECT_FALSE(open("no", 1024, true));
    EXPECT_EQ(countOf(readLog(), "Instead? : no\nProgram Will Now Close.\n"), 1);
    EXPECT_EQ(hWnd, nullptr);
}

// Answered yes, the question is asked once though multisampling rebuilds the window.
TEST_F(GLWindowTest, ARefusedFullscreenModeAnsweredYesRunsInAWindowOfAtLeastOnePixel) {
    ASSERT_TRUE(open("yes", 1024, true, "[3D-VARNE-CFG]\nANTIALIAS yes\n"));
    const std::string log = readLog();
    EXPECT_EQ(countOf(log, "xFSAA Enabled"), 1);
    EXPECT_EQ(countOf(log, "Instead? : yes"), 1);
    EXPECT_FALSE(settings->doFullscreen());
    ReSizeGLScene(1024, 0);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[3], 1);
}
