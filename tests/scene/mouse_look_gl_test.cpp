// Mouse look and the camera's view on a real display: the pointer is pinned to the centre of the
// window only while the window has the focus and is not minimised; each pixel it moves from there
// turns the camera by 0.1 degree, and the frame that takes the pointer, or finds the centre moved
// (the window resized or moved), turns nothing.
#include "platform/sdl_internal.h"
#include "scene/camera.h"
#include "scene/frame.h"
#include "support/gl_window.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

TEST(MouseLook, PinsThePointerToTheWindowCentreOnlyWhileTheWindowHasTheFocus) {
    testing_support::TestGLWindow window(256, 192);  // at (0, 0): its centre is (128, 96)
    const struct {
        bool focused, minimised, resized;
        plat::Point pinned;
        float xrot, yrot;
    } cases[] = {{true, false, false, {128, 96}, 2.0f, 4.0f},
                 {false, false, false, {168, 76}, 0, 0},
                 {true, true, false, {168, 76}, 0, 0},
                 {true, false, true, {150, 100}, 0, 0}};  // now 300 x 200
    for (const auto& c : cases) {
        SDL_Event focus{};
        focus.window = {
            SDL_WINDOWEVENT, 0, SDL_GetWindowID(window.window->sdl),
            Uint8(c.focused ? SDL_WINDOWEVENT_FOCUS_GAINED : SDL_WINDOWEVENT_FOCUS_LOST)};
        SDL_PushEvent(&focus);
        testing_support::takeMessages();
        active = !c.minimised;
        FrameInput taking, moved;
        ReadPointer(taking);  // takes the pointer, or leaves it
        mouseLook(taking);
        cam.xrot = cam.yrot = 0;
        if (c.resized) SDL_SetWindowSize(window.window->sdl, 300, 200);
        plat::SetCursorPos(168, 76);  // 40 to the right of the centre and 20 up
        ReadPointer(moved);
        mouseLook(moved);
        plat::Point at;
        plat::GetCursorPos(&at);
        EXPECT_TRUE(at.x == c.pinned.x && at.y == c.pinned.y)
            << c.focused << c.minimised << c.resized;
        EXPECT_FLOAT_EQ(cam.xrot, c.xrot) << c.focused << c.minimised << c.resized;
        EXPECT_FLOAT_EQ(cam.yrot, c.yrot) << c.focused << c.minimised << c.resized;
    }
    active = true;
}

// The eye and the view direction the grab and the throws use are those the
// camera's matrix draws with: the eye maps to the origin, and a point ahead
// of it along the view onto the view axis (0, 0, -d).
TEST(Camera, EyeAndForwardAreWhereTheViewMatrixLooks) {
    testing_support::TestGLWindow window(64, 64);
    const float angles[][2] = {{0, 0}, {30, 15}, {-70, 200}, {89, -45}};
    for (const auto& a : angles) {
        Camera camera;
        camera.init(3, 20, -7, a[1], a[0], 100);
        glLoadIdentity();
        camera.positionCamera();
        float m[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, m);
        const Vertex points[2] = {camera.eye(),
                                  add(camera.eye(), multScalar(camera.forward(), 10))};
        for (int p = 0; p < 2; ++p)
            for (int row = 0; row < 3; ++row)
                EXPECT_NEAR(m[row] * points[p].x + m[4 + row] * points[p].y +
                                m[8 + row] * points[p].z + m[12 + row],
                            row == 2 ? -10.0f * p : 0, 1e-3f)
                    << a[0] << " " << a[1] << " point " << p << " row " << row;
    }
}
