// The message and frame loop on scripted messages, with windows that exist
// only as records (no display needed).
#include "app/glwindow.h"
#include "app/main.h"
#include "support/temp_dir.h"
#include "scene/frame.h"

#include <gtest/gtest.h>

#include <functional>

using namespace testing_support;

namespace {

std::function<void()> onFrame;
int frames = 0;

void countFrame() {
    ++frames;
    if (onFrame) onFrame();
}

class MainLoopTest : public testing::Test {
protected:
    void SetUp() override {
        static bool registered = plat::RegisterClass("OpenGL", WndProc);
        ASSERT_TRUE(registered);
        hWnd = plat::CreateWindow("OpenGL", "3D-Varne", plat::WindowStyle::Overlapped,
                                  plat::kDefaultPos, plat::kDefaultPos, 800, 600);
        ASSERT_NE(hWnd, nullptr);
        frames = 0;
        onFrame = nullptr;
    }
    void post(unsigned msg, plat::WPARAM w = 0, plat::LPARAM l = 0) {
        plat::PostMessage(hWnd, msg, w, l);
    }
    TempDir dir;
};

}  // namespace

TEST_F(MainLoopTest, DispatchesEveryWaitingMessageBeforeTheFirstFrame) {
    post(plat::WM_KEYDOWN, 'W');
    post(plat::WM_KEYDOWN, plat::VK_SPACE);
    post(plat::WM_KEYDOWN, 'W');  // auto-repeat
    post(plat::WM_KEYUP, plat::VK_SPACE);
    bool seenAtFirstFrame = false;
    onFrame = [&] {
        if (frames == 1) seenAtFirstFrame = keys['W'] && !keys[plat::VK_SPACE];
        if (frames == 3) post(plat::WM_KEYDOWN, plat::VK_ESCAPE);
    };
    MainLoop(countFrame);
    EXPECT_TRUE(seenAtFirstFrame);
    EXPECT_EQ(frames, 3);
}

TEST_F(MainLoopTest, EscapeIsIgnoredWhileMinimised) {
    post(plat::WM_ACTIVATE, plat::WPARAM(0) | (plat::WPARAM(1) << 16));
    post(plat::WM_KEYDOWN, plat::VK_ESCAPE);
    onFrame = [&] {
        if (frames == 5) post(plat::WM_ACTIVATE, 1);  // restored
    };
    MainLoop(countFrame);
    EXPECT_EQ(frames, 5);
    EXPECT_TRUE(active);
}

TEST_F(MainLoopTest, LosingFocusWithoutMinimisingStaysActive) {
    post(plat::WM_ACTIVATE, 0);  // inactive, not minimised
    post(plat::WM_KEYDOWN, plat::VK_ESCAPE);
    MainLoop(countFrame);
    EXPECT_EQ(frames, 0);
    EXPECT_TRUE(active);
}

TEST_F(MainLoopTest, CloseThenQuitShutsDownOnce) {
    onFrame = [&] { post(plat::WM_CLOSE); };
    MainLoop(countFrame);
    KillGLWindow(true);  // the entry's own teardown after the loop
    EXPECT_EQ(frames, 1);
    std::string log = readFile("log.txt");
    EXPECT_EQ(countOf(log, "Program Shutdown..."), 1);
    EXPECT_EQ(countOf(log, "destroying the Newton Game Dynamics instance"), 1);
    EXPECT_EQ(countOf(log, "destroying the Bass instance"), 1);
    EXPECT_EQ(countOf(log, "Could Not Release hWnd."), 0);
    EXPECT_EQ(hWnd, nullptr);
}

TEST_F(MainLoopTest, QuitPostedBeforeTheFirstFrameDrawsNoFrame) {
    plat::PostQuitMessage(0);
    post(plat::WM_KEYDOWN, 'A');  // still delivered: the quit waits for the queue
    MainLoop(countFrame);
    EXPECT_EQ(frames, 0);
    EXPECT_TRUE(keys['A']);
}

TEST_F(MainLoopTest, SizeOfZeroHeightAndOutOfRangeKeysAreHarmless) {
    post(plat::WM_SIZE, 0, 640);
    post(plat::WM_KEYDOWN, 300);
    post(plat::WM_SYSCOMMAND, plat::SC_SCREENSAVE);
    plat::PostQuitMessage(0);
    MainLoop(countFrame);
    EXPECT_EQ(frames, 0);
}

TEST_F(MainLoopTest, ScreenSaverAndMonitorPowerAreRefused) {
    EXPECT_EQ(WndProc(hWnd, plat::WM_SYSCOMMAND, plat::SC_SCREENSAVE, 0), 0);
    EXPECT_EQ(WndProc(hWnd, plat::WM_SYSCOMMAND, plat::SC_MONITORPOWER, 0), 0);
}
