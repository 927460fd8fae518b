// Where the system places a window: centred on the display, unless it is larger than the
// display; then at its top-left corner, so that its title bar can be reached.
#include "platform/sdl_internal.h"

#include <gtest/gtest.h>

TEST(Placement, AWindowLargerThanTheDisplayOpensAtItsTopLeftCorner) {
    static bool registered = plat::RegisterClass("Placement", plat::DefWindowProc);
    ASSERT_TRUE(registered);
    SDL_Rect screen;
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0);
    ASSERT_EQ(SDL_GetDisplayUsableBounds(0, &screen), 0);
    const struct {
        int width, height, x, y;
    } cases[] = {{800, 600, screen.x + (screen.w - 800) / 2, screen.y + (screen.h - 600) / 2},
                 {screen.w + 320, screen.h + 176, screen.x, screen.y},
                 {screen.w + 1, 600, screen.x, screen.y}};
    for (const auto& c : cases) {
        plat::Window* w =
            plat::CreateWindow("Placement", "placed", plat::WindowStyle::Overlapped,
                               plat::kDefaultPos, plat::kDefaultPos, c.width, c.height);
        plat::DeviceContext* dc = plat::GetDC(w);
        ASSERT_TRUE(plat::SetPixelFormat(dc, plat::ChoosePixelFormat(dc, {})));
        int x = -1, y = -1;
        SDL_GetWindowPosition(w->sdl, &x, &y);
        EXPECT_EQ(x, c.x) << c.width << " x " << c.height;
        EXPECT_EQ(y, c.y) << c.width << " x " << c.height;
        plat::DestroyWindow(w);
    }
}
