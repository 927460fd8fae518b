// Display modes on SDL's dummy display, whose one mode is 1024 x 768 at 32 bits a pixel.
#include "platform/window.h"

#include <gtest/gtest.h>

TEST(DisplayModes, AResolutionTheDisplayHasIsGrantedAtItsOwnDepth) {
    const struct {
        int width, height, bits;
        bool granted;
    } cases[] = {
        {1024, 768, 32, true},
        {1024, 768, 16, true},
        {800, 600, 32, false},
        {800, 600, 16, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(plat::ChangeDisplaySettings(c.width, c.height, c.bits), c.granted)
            << c.width << " x " << c.height << " x " << c.bits;
        EXPECT_EQ(plat::RestoreDisplaySettings(), c.granted);
    }
}
