// The window system's message queue on a real display: SDL events arrive as
// the program's messages in order, a posted quit comes after all of them, and
// a destroyed window's messages go with it.
#include "platform/window.h"
#include "support/gl_window.h"

#include <SDL.h>
#include <gtest/gtest.h>

using testing_support::takeMessages;

static plat::LRESULT ignore(plat::Window*, unsigned, plat::WPARAM, plat::LPARAM) { return 0; }

TEST(Events, ArriveAsMessagesBeforeThePostedQuitAndGoWithTheirWindow) {
    ASSERT_TRUE(plat::RegisterClass("Test", ignore));
    plat::Window* window =
        plat::CreateWindow("Test", "events", plat::WindowStyle::Overlapped, 0, 0, 320, 240);
    plat::DeviceContext* dc = plat::GetDC(window);
    ASSERT_TRUE(plat::SetPixelFormat(dc, plat::ChoosePixelFormat(dc, {})));
    takeMessages();  // whatever creating the window produced
    Uint32 id = 1;
    while (id < 64 && !SDL_GetWindowFromID(id)) ++id;  // the process's only SDL window
    plat::PostQuitMessage(0);
    const SDL_KeyboardEvent w = {SDL_KEYDOWN, 0, id, SDL_PRESSED,
                                 0,           0, 0,  {SDL_SCANCODE_W, SDLK_w, 0, 0}};
    SDL_Event events[6] = {{.key = w}, {.key = w}, {.key = w}};
    events[1].key.repeat = 1;  // auto-repeat: a second key-down, no key-up
    events[2].key.type = SDL_KEYUP;
    events[3].window = {SDL_WINDOWEVENT, 0, id, SDL_WINDOWEVENT_MINIMIZED, 0, 0, 0, 0, 0};
    events[4].window = {SDL_WINDOWEVENT, 0, id, SDL_WINDOWEVENT_SIZE_CHANGED, 0, 0, 0, 640, 0};
    events[5].window = {SDL_WINDOWEVENT, 0, id, SDL_WINDOWEVENT_CLOSE, 0, 0, 0, 0, 0};
    for (SDL_Event& e : events) SDL_PushEvent(&e);
    const std::vector<plat::Message> got = takeMessages();
    const unsigned expected[] = {plat::WM_KEYDOWN,  plat::WM_KEYDOWN, plat::WM_KEYUP,
                                 plat::WM_ACTIVATE, plat::WM_SIZE,    plat::WM_CLOSE,
                                 plat::WM_QUIT};
    ASSERT_EQ(got.size(), std::size(expected));
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].message, expected[i]) << "message " << i;
        EXPECT_EQ(got[i].window, i < 6 ? window : nullptr) << "message " << i;
    }
    EXPECT_EQ(got[0].wParam, plat::WPARAM('W'));
    EXPECT_EQ(got[3].wParam, plat::WPARAM(1) << 16);  // minimised, inactive
    EXPECT_EQ(got[4].lParam, plat::LPARAM(640));      // width in the low word, height 0 in the high

    SDL_PushEvent(&events[0]);
    plat::PostMessage(window, plat::WM_SIZE, 0, 0);
    plat::DestroyWindow(window);
    EXPECT_TRUE(takeMessages().empty());
}

TEST(Events, MouseButtonsArriveWithTheButtonsStillHeldAndTheClientPosition) {
    testing_support::TestGLWindow window(320, 240);
    takeMessages();
    const struct {
        Uint32 type;
        Uint8 button;
        int x, y;
        unsigned message;
        plat::WPARAM held;
    } cases[] = {
        {SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 10, 20, plat::WM_LBUTTONDOWN, plat::MK_LBUTTON},
        {SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 300, 5, plat::WM_RBUTTONDOWN, 0x0003},
        {SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 7, 7, 0, 0},  // no message for it
        {SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, -3, 40, plat::WM_LBUTTONUP, plat::MK_RBUTTON},
        {SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 0, 239, plat::WM_RBUTTONUP, 0},
    };
    const Uint32 id = SDL_GetWindowID(SDL_GL_GetCurrentWindow());
    for (const auto& c : cases) {
        SDL_Event e{};
        const Uint8 state = c.type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.button = {c.type, 0, id, 0, c.button, state, 1, 0, c.x, c.y};
        SDL_PushEvent(&e);
        const std::vector<plat::Message> got = takeMessages();
        ASSERT_EQ(got.size(), c.message ? 1u : 0u) << c.x;
        if (got.empty()) continue;
        EXPECT_EQ(got[0].window, window.window);
        EXPECT_EQ(got[0].message, c.message);
        EXPECT_EQ(got[0].wParam, c.held);
        EXPECT_EQ(got[0].lParam, plat::LPARAM((c.x & 0xFFFF) | (c.y << 16))) << c.x;
    }
}
