// The launcher's key logic on scripted key states, without a window.
#include "app/main.h"
#include "config/menu.h"
#include "config/settings.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace testing_support;

// Holds a key down for as many launcher frames as asked, then lets it go for one.
static void tap(unsigned key, int heldFrames = 1) {
    menu.keys[key] = true;
    for (int i = 0; i < heldFrames; ++i) menu.Menu_GetKeys();
    menu.keys[key] = false;
    menu.Menu_GetKeys();
}

TEST(Menu, ArrowsMoveOneStepWhenReleasedAndStopAtTheEndsAndEnterStoresTheMode) {
    TempDir dir;
    writeFile("data/config.txt", "[3D-VARNE-CFG]\n");
    menu = Menu();
    menu.SetEntries();
    tap(plat::VK_DOWN, 30);  // from the first entry chosen, 4: held, it moves only when let go
    EXPECT_EQ(menu.selected, 5);
    for (int i = 0; i < 6; ++i) tap(plat::VK_UP);
    EXPECT_EQ(menu.selected, 0);
    for (int i = 0; i < 9; ++i) tap(plat::VK_DOWN);
    EXPECT_EQ(menu.selected, 8);
    tap(plat::VK_UP);  // to entry 7, a 1024 x 768 window
    for (int i = 0; i < menu.numEntries; ++i) EXPECT_EQ(menu.entries[i].highlighted, i == 7) << i;
    menu.keys[plat::VK_RETURN] = true;
    menu.Menu_GetKeys();
    EXPECT_TRUE(settings->ScreenX() == 1024 && settings->ScreenY() == 768 &&
                !settings->doFullscreen());
    EXPECT_EQ(countOf(readLog(), "Resolution 1024x768 at 16 bpp, Fullscreen: 0\n"
                                 "Loading Configuration..."),
              1);
}
