// The window system's message queue and cursor on a real display: SDL events
// arrive as the program's messages, in order, with a posted quit last.
#include "platform/window.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

plat::LRESULT ignore(plat::Window*, unsigned, plat::WPARAM, plat::LPARAM) { return 0; }

class EventsTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(plat::RegisterClass("Test", ignore));
        window = plat::CreateWindow("Test", "events", plat::WindowStyle::Overlapped, 0, 0, 320, 240);
        ASSERT_NE(window, nullptr);
        plat::PixelFormatDescriptor pfd;
        pfd.cColorBits = 24;
        ASSERT_TRUE(plat::SetPixelFormat(plat::GetDC(window), plat::ChoosePixelFormat(plat::GetDC(window), pfd)));
        plat::Message m;
        while (plat::PeekMessage(&m)) {}  // whatever creating the window produced
    }
    void TearDown() override { plat::DestroyWindow(window); }

    void pushKey(Uint32 type, SDL_Keycode key, bool repeat) {
        SDL_Event e{};
        e.type = type;
        e.key.windowID = windowId();
        e.key.repeat = repeat;
        e.key.keysym.sym = key;
        SDL_PushEvent(&e);
    }
    void pushWindowEvent(Uint8 event, int a = 0, int b = 0) {
        SDL_Event e{};
        e.type = SDL_WINDOWEVENT;
        e.window.windowID = windowId();
        e.window.event = event;
        e.window.data1 = a;
        e.window.data2 = b;
        SDL_PushEvent(&e);
    }
    static Uint32 windowId() {
        // The only SDL window of the test process is the one under test.
        for (Uint32 id = 1; id < 64; ++id)
            if (SDL_GetWindowFromID(id)) return id;
        return 0;
    }
    std::vector<plat::Message> drain() {
        std::vector<plat::Message> out;
        plat::Message m;
        while (plat::PeekMessage(&m)) out.push_back(m);
        return out;
    }

    plat::Window* window = nullptr;
};

}  // namespace

TEST_F(EventsTest, KeysAndWindowEventsBecomeMessagesAndTheQuitComesLast) {
    plat::PostQuitMessage(0);
    pushKey(SDL_KEYDOWN, SDLK_w, false);
    pushKey(SDL_KEYDOWN, SDLK_w, true);  // auto-repeat: a second key-down, no key-up
    pushKey(SDL_KEYUP, SDLK_w, false);
    pushWindowEvent(SDL_WINDOWEVENT_MINIMIZED);
    pushWindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED, 640, 0);
    pushWindowEvent(SDL_WINDOWEVENT_CLOSE);
    std::vector<plat::Message> got = drain();
    ASSERT_EQ(got.size(), 7u);
    EXPECT_EQ(got[0].message, unsigned(plat::WM_KEYDOWN));
    EXPECT_EQ(got[0].wParam, plat::WPARAM('W'));
    EXPECT_EQ(got[1].message, unsigned(plat::WM_KEYDOWN));
    EXPECT_EQ(got[2].message, unsigned(plat::WM_KEYUP));
    EXPECT_EQ(got[3].message, unsigned(plat::WM_ACTIVATE));
    EXPECT_EQ(plat::hiWord(got[3].wParam), 1u);  // minimised
    EXPECT_EQ(got[4].message, unsigned(plat::WM_SIZE));
    EXPECT_EQ(plat::loWord(plat::WPARAM(got[4].lParam)), 640u);
    EXPECT_EQ(plat::hiWord(plat::WPARAM(got[4].lParam)), 0u);
    EXPECT_EQ(got[5].message, unsigned(plat::WM_CLOSE));
    EXPECT_EQ(got[5].window, window);
    EXPECT_EQ(got[6].message, unsigned(plat::WM_QUIT));
}

TEST_F(EventsTest, MessagesOfADestroyedWindowAreDropped) {
    pushKey(SDL_KEYDOWN, SDLK_a, false);
    plat::PostMessage(window, plat::WM_SIZE, 0, 0);
    plat::DestroyWindow(window);
    window = nullptr;
    EXPECT_TRUE(drain().empty());
}

TEST_F(EventsTest, CursorIsPlacedInScreenCoordinatesAndCounted) {
    ASSERT_TRUE(plat::SetCursorPos(200, 200));
    plat::Point p;
    ASSERT_TRUE(plat::GetCursorPos(&p));
    EXPECT_EQ(p.x, 200);
    EXPECT_EQ(p.y, 200);
    EXPECT_EQ(plat::ShowCursor(false), -1);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
    EXPECT_EQ(plat::ShowCursor(true), 0);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
}
