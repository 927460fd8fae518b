// Display modes on SDL's dummy display, whose one mode is 1024 x 768 at 32 bits a pixel.
#include "platform/window.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

TEST(DisplayModes, AResolutionTheDisplayHasIsGrantedAtItsOwnDepth) {
    const struct {
        int width, height, bits;
        bool granted;
    } cases[] = {
        {1024, 768, 32, true}, {1024, 768, 16, true}, {800, 600, 32, false}, {800, 600, 16, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(plat::ChangeDisplaySettings(c.width, c.height, c.bits), c.granted)
            << c.width << " x " << c.height << " x " << c.bits;
        EXPECT_EQ(plat::RestoreDisplaySettings(), c.granted);
    }
}

// Registered before the mode is changed, so it runs after the platform's own exit handler.
static void reportMode() {
    std::fputs(plat::RestoreDisplaySettings() ? "mode still changed" : "mode restored", stderr);
}

TEST(DisplayModesDeathTest, AChangedModeIsRestoredWhenTheProcessEndsAtOnce) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");  // a fresh process: no handler from before
    EXPECT_EXIT(
        {
            std::atexit(reportMode);
            plat::ChangeDisplaySettings(1024, 768, 32);
            std::exit(0);  // as a missing shader file ends the set-up
        },
        testing::ExitedWithCode(0), "mode restored");
}
