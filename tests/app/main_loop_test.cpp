// The message and frame loop on scripted messages, with a window that exists
// only as a record (no display needed).
#include "app/glwindow.h"
#include "app/main.h"
#include "scene/frame.h"

#include <gtest/gtest.h>

static int frames = 0;
static bool seenAtFirstFrame = false;

static void frame() {
    if (++frames == 1) seenAtFirstFrame = keys['W'] && !keys[plat::VK_SPACE];
    if (frames < 3) return;
    plat::PostQuitMessage(0);  // before a key, which still comes first
    plat::PostMessage(hWnd, plat::WM_KEYDOWN, 'A', 0);
}

TEST(MainLoop, WaitingMessagesComeBeforeAFrameAndAPostedQuitAfterThem) {
    static bool registered = plat::RegisterClass("OpenGL", WndProc);
    ASSERT_TRUE(registered);
    for (plat::Message m; plat::PeekMessage(&m);) {}  // what other tests left waiting
    for (bool& key : keys) key = false;
    hWnd = plat::CreateWindow("OpenGL", "3D-Varne", plat::WindowStyle::Overlapped, 0, 0, 80, 60);
    frames = 0;
    const struct {
        unsigned msg;
        plat::WPARAM w;
    } waiting[] = {
        {plat::WM_KEYDOWN, 'W'},          {plat::WM_KEYDOWN, plat::VK_SPACE},
        {plat::WM_KEYUP, plat::VK_SPACE}, {plat::WM_ACTIVATE, 1 << 16},          // minimised
        {plat::WM_KEYDOWN, 256},          {plat::WM_KEYDOWN, plat::VK_ESCAPE}};  // no key 256
    for (const auto& m : waiting) plat::PostMessage(hWnd, m.msg, m.w, 0);
    MainLoop(frame);  // minimised: Escape does not end it
    EXPECT_TRUE(seenAtFirstFrame);
    EXPECT_EQ(frames, 3);
    EXPECT_TRUE(keys['A']);
    active = true;
    KillGLWindow(false);
}
