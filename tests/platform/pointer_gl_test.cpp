// The pointer on a real display: where it is comes from the motion events once they are in,
// and setting it talks to the display only when the pointer has to move.
#include "platform/window.h"
#include "support/gl_window.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <gtest/gtest.h>

// The number the next request to the display will carry: it moves with every request sent.
static unsigned long nextRequest() {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    EXPECT_TRUE(SDL_GetWindowWMInfo(SDL_GL_GetCurrentWindow(), &info));
    return XNextRequest(info.info.x11.display);
}

TEST(Pointer, IsReadFromItsMotionEventsAndWarpedOnlyWhenItMoves) {
    testing_support::TestGLWindow window(256, 192);
    SDL_SetWindowPosition(SDL_GL_GetCurrentWindow(), 60, 40);
    testing_support::takeMessages();
    // Screen points inside the window (60, 40, 256 x 192); the second warp leaves it downwards.
    const plat::Point moves[] = {{100, 70}, {315, 231}, {188, 136}};
    for (const plat::Point& to : moves) {
        SDL_WarpMouseGlobal(to.x, to.y);  // as another program or the user would
        testing_support::takeMessages();
        const unsigned long before = nextRequest();
        plat::Point at;
        ASSERT_TRUE(plat::GetCursorPos(&at));
        EXPECT_TRUE(at.x == to.x && at.y == to.y) << to.x;
        EXPECT_TRUE(plat::SetCursorPos(to.x, to.y));
        EXPECT_EQ(nextRequest(), before) << to.x;

        const plat::Point warped{to.x - 30, to.y + 20};
        EXPECT_TRUE(plat::SetCursorPos(warped.x, warped.y));
        EXPECT_NE(nextRequest(), before) << to.x;
        for (int pumped = 0; pumped < 2; ++pumped) {  // before and after the warp's own motion
            plat::GetCursorPos(&at);
            EXPECT_TRUE(at.x == warped.x && at.y == warped.y) << to.x << " " << pumped;
            testing_support::takeMessages();
        }
    }
}
