// The launcher's key logic on scripted key states, without a window.
#include "app/main.h"
#include "config/menu.h"
#include "support/temp_dir.h"
#include "config/settings.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

class MenuKeys : public testing::Test {
protected:
    void SetUp() override {
        writeFile("data/config.txt", "[3D-VARNE-CFG]\n");
        m.SetEntries();
    }
    // Presses and releases a key over a few frames.
    void tap(unsigned key, int heldFrames = 1) {
        m.keys[key] = true;
        for (int i = 0; i < heldFrames; ++i) m.Menu_GetKeys();
        m.keys[key] = false;
        m.Menu_GetKeys();
    }
    int highlighted() const {
        int found = -1, count = 0;
        for (int i = 0; i < m.numEntries; ++i)
            if (m.entries[i].highlighted) found = i, ++count;
        return count == 1 ? found : -count;
    }

    TempDir dir;
    Menu m;
};

}  // namespace

TEST_F(MenuKeys, StartsOnEntryFourOfNine) {
    EXPECT_EQ(m.numEntries, 9);
    EXPECT_EQ(m.selected, 4);
    EXPECT_EQ(highlighted(), 4);
    EXPECT_STREQ(m.entries[6].text, "800 x600 x Windowed");
    EXPECT_EQ(m.entries[6].y - m.entries[5].y, 50);
}

TEST_F(MenuKeys, ArrowsMoveOnReleaseAndStopAtBothEnds) {
    for (int i = 0; i < 4; ++i) tap(plat::VK_UP);
    EXPECT_EQ(m.selected, 0);
    tap(plat::VK_UP);
    EXPECT_EQ(m.selected, 0);
    EXPECT_EQ(highlighted(), 0);
    for (int i = 0; i < 12; ++i) tap(plat::VK_DOWN);
    EXPECT_EQ(m.selected, 8);
    EXPECT_EQ(highlighted(), 8);
}

TEST_F(MenuKeys, AHeldArrowMovesOnceAtItsRelease) {
    m.keys[plat::VK_DOWN] = true;
    for (int i = 0; i < 30; ++i) m.Menu_GetKeys();
    EXPECT_EQ(m.selected, 4);
    m.keys[plat::VK_DOWN] = false;
    m.Menu_GetKeys();
    m.Menu_GetKeys();
    EXPECT_EQ(m.selected, 5);
}

TEST_F(MenuKeys, EnterAtOnceStoresEntryFour) {
    m.keys[plat::VK_RETURN] = true;
    m.Menu_GetKeys();
    EXPECT_TRUE(m.done);
    EXPECT_FALSE(init_quit);
    EXPECT_EQ(settings->ScreenX(), 1024);
    EXPECT_EQ(settings->ScreenY(), 768);
    EXPECT_EQ(settings->ScreenBPP(), 32);
    EXPECT_TRUE(settings->doFullscreen());
    std::string log = readFile("log.txt");
    EXPECT_NE(log.find("Resolution 1024x768 at 32 bpp, Fullscreen: 1\nLoading Configuration..."),
              std::string::npos);
}

TEST_F(MenuKeys, EnterOnEntrySevenStoresTheWindowedMode) {
    for (int i = 0; i < 3; ++i) tap(plat::VK_DOWN);
    m.keys[plat::VK_RETURN] = true;
    m.Menu_GetKeys();
    EXPECT_EQ(settings->ScreenX(), 1024);
    EXPECT_EQ(settings->ScreenBPP(), 16);
    EXPECT_FALSE(settings->doFullscreen());
    EXPECT_NE(readFile("log.txt").find("Resolution 1024x768 at 16 bpp, Fullscreen: 0"),
              std::string::npos);
}

// The loop itself, with the launcher window as a record: the messages are all
// handled before any frame, so no drawing happens here.
class MenuLoop : public testing::Test {
protected:
    void SetUp() override {
        static bool registered = plat::RegisterClass("OpenGLSettings", Menu_WndProc);
        ASSERT_TRUE(registered);
        menu.hWnd = plat::CreateWindow("OpenGLSettings", "3D-Varne", plat::WindowStyle::Overlapped,
                                       plat::kDefaultPos, plat::kDefaultPos, 600, 400);
        menu.SetEntries();
    }
    void post(unsigned msg, plat::WPARAM w = 0) { plat::PostMessage(menu.hWnd, msg, w, 0); }
    TempDir dir;
};

TEST_F(MenuLoop, ClosingTheWindowQuitsWithoutReadingTheConfiguration) {
    post(plat::WM_ACTIVATE, plat::WPARAM(1) << 16);  // minimised
    post(plat::WM_CLOSE);
    menu.MainLoop();
    EXPECT_TRUE(menu.done);
    EXPECT_TRUE(init_quit);
    EXPECT_FALSE(menu.active);
    EXPECT_EQ(readFile("log.txt").find("Loading Configuration"), std::string::npos);
}

TEST_F(MenuLoop, EscapeQuitsWhileTheWindowIsUp) {
    post(plat::WM_KEYDOWN, plat::VK_ESCAPE);
    menu.MainLoop();
    EXPECT_TRUE(init_quit);
    EXPECT_EQ(settings->numSets, 0);
}
