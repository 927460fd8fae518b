// The message and frame loop on scripted messages, with a window that exists
// only as a record (no display needed).
#include "app/glwindow.h"
#include "app/main.h"
#include "scene/frame.h"

#include <gtest/gtest.h>

#include <string>

// A fresh record of the main window: no keys held, nothing left waiting by other tests.
static void openWindow() {
    static bool registered = plat::RegisterClass("OpenGL", WndProc);
    ASSERT_TRUE(registered);
    for (plat::Message m; plat::PeekMessage(&m);) {}
    for (bool& key : keys) key = false;
    hWnd = plat::CreateWindow("OpenGL", "3D-Varne", plat::WindowStyle::Overlapped, 0, 0, 80, 60);
}

static int frames = 0;
static bool seenAtFirstFrame = false;

static void frame() {
    if (++frames == 1) seenAtFirstFrame = keys['W'];
    if (frames < 3) return;
    plat::PostQuitMessage(0);  // before a key, which still comes first
    plat::PostMessage(hWnd, plat::WM_KEYDOWN, 'A', 0);
}

TEST(MainLoop, WaitingMessagesComeBeforeAFrameAndAPostedQuitAfterThem) {
    openWindow();
    frames = 0;
    plat::PostMessage(hWnd, plat::WM_KEYDOWN, 'W', 0);
    plat::PostMessage(hWnd, plat::WM_ACTIVATE, 1 << 16, 0);  // minimised
    plat::PostMessage(hWnd, plat::WM_KEYDOWN, 256, 0);       // no key 256
    plat::PostMessage(hWnd, plat::WM_KEYDOWN, plat::VK_ESCAPE, 0);
    MainLoop(frame);  // minimised: Escape does not end it
    EXPECT_TRUE(seenAtFirstFrame);
    EXPECT_EQ(frames, 3);
    EXPECT_TRUE(keys['A']);
    active = true;
    KillGLWindow(false);
}

// Key-downs and key-ups of the Down key ('d', 'u') in batches between '|', a frame after each
// batch; and what each frame saw, 'D' for Down held.
static const char* script = "";
static std::string seen;

static void postBatch() {
    for (; *script && *script != '|'; ++script)
        plat::PostMessage(hWnd, *script == 'd' ? plat::WM_KEYDOWN : plat::WM_KEYUP, plat::VK_DOWN,
                          0);
}

static void scriptedFrame() {
    seen += keys[plat::VK_DOWN] ? 'D' : '-';
    if (!*script) return plat::PostQuitMessage(0);
    ++script;
    postBatch();
}

TEST(MainLoop, EveryTapBetweenTwoFramesIsSeenByAFrameAndAHeldKeyAsLongAsItIsHeld) {
    openWindow();
    const struct {
        const char* script;
        const char* seen;
    } cases[] = {{"du|", "D-"}, {"dd|d|u", "DD-"}, {"du|du||", "D-D-"}, {"dud||", "D-D"}};
    for (const auto& c : cases) {
        script = c.script;
        seen.clear();
        postBatch();
        MainLoop(scriptedFrame);
        EXPECT_EQ(seen, c.seen) << c.script;
    }
    KillGLWindow(false);
}
