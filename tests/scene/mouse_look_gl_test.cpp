// Mouse look on a real display: the pointer is pinned to the centre of the window only while
// the window has the focus and is not minimised; each pixel it moves from there turns the
// camera by 0.1 degree, and the frame that takes the pointer turns nothing.
#include "platform/sdl_internal.h"
#include "scene/camera.h"
#include "scene/frame.h"
#include "support/gl_window.h"

#include <gtest/gtest.h>

static void focus(plat::Window* window, bool focused) {
    SDL_Event e{};
    e.window = {SDL_WINDOWEVENT, 0, SDL_GetWindowID(window->sdl),
                Uint8(focused ? SDL_WINDOWEVENT_FOCUS_GAINED : SDL_WINDOWEVENT_FOCUS_LOST)};
    SDL_PushEvent(&e);
    for (plat::Message m; plat::PeekMessage(&m);) {}
}

TEST(MouseLook, PinsThePointerToTheWindowCentreOnlyWhileTheWindowHasTheFocus) {
    testing_support::TestGLWindow window(256, 192);  // at (0, 0): its centre is (128, 96)
    const struct {
        bool focused, minimised;
        plat::Point pinned;
        float xrot, yrot;
    } cases[] = {{true, false, {128, 96}, 2.0f, 4.0f},
                 {false, false, {168, 76}, 0, 0},
                 {true, true, {168, 76}, 0, 0}};
    for (const auto& c : cases) {
        focus(window.window, c.focused);
        active = !c.minimised;
        mouseLook();  // takes the pointer, or leaves it
        cam.xrot = cam.yrot = 0;
        plat::SetCursorPos(168, 76);  // 40 to the right of the centre and 20 up
        mouseLook();
        plat::Point at;
        plat::GetCursorPos(&at);
        EXPECT_EQ(at.x, c.pinned.x) << c.focused << c.minimised;
        EXPECT_EQ(at.y, c.pinned.y) << c.focused << c.minimised;
        EXPECT_FLOAT_EQ(cam.xrot, c.xrot) << c.focused << c.minimised;
        EXPECT_FLOAT_EQ(cam.yrot, c.yrot) << c.focused << c.minimised;
    }
    active = true;
}
