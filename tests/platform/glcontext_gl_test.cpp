// GL contexts on a real display: frames wait for the display's refresh unless
// VARNE_VSYNC=0 asks them not to. Xvfb's GL has no swap control, so this test
// program takes SDL's call itself and keeps what the platform layer asked for.
#include "support/gl_window.h"

#include <gtest/gtest.h>

#include <cstdlib>

static int askedInterval = -2;

extern "C" int SDL_GL_SetSwapInterval(int interval) {
    askedInterval = interval;
    return 0;
}

TEST(GLContext, SwapsWaitForTheRefreshUnlessVsyncIsTurnedOff) {
    const struct {
        const char* vsync;  // null: not set
        int interval;
    } cases[] = {{nullptr, 1}, {"1", 1}, {"0", 0}};
    for (const auto& c : cases) {
        c.vsync ? setenv("VARNE_VSYNC", c.vsync, 1) : unsetenv("VARNE_VSYNC");
        askedInterval = -2;
        testing_support::TestGLWindow window;
        EXPECT_EQ(askedInterval, c.interval) << (c.vsync ? c.vsync : "unset");
    }
    unsetenv("VARNE_VSYNC");
}
