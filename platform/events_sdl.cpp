// The program's message queue over SDL2 events: window activation, close
// requests, keys as virtual-key codes, mouse buttons, size changes and the posted quit.
#include "platform/sdl_internal.h"
#include "platform/keymap.h"

#include <deque>

namespace plat {
namespace {

std::deque<Message>& queue() {
    static std::deque<Message> q;
    return q;
}

bool quitPosted = false;
int quitCode = 0;

// Mouse buttons held after the last button event, as MK_* bits.
WPARAM heldButtons = 0;

WPARAM activateParam(bool focused, bool minimized) {
    return WPARAM(focused ? 1 : 0) | (WPARAM(minimized ? 1 : 0) << 16);
}

LPARAM wordsParam(int low, int high) { return LPARAM((low & 0xFFFF) | ((high & 0xFFFF) << 16)); }

void translateWindowEvent(const SDL_WindowEvent& e) {
    Window* w = detail::windowFromSdl(e.windowID);
    if (!w) return;
    switch (e.event) {
    case SDL_WINDOWEVENT_MINIMIZED:
        w->minimized = true;
        PostMessage(w, WM_ACTIVATE, activateParam(false, true), 0);
        break;
    case SDL_WINDOWEVENT_RESTORED:
        w->minimized = false;
        PostMessage(w, WM_ACTIVATE, activateParam(true, false), 0);
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        w->focused = true;
        PostMessage(w, WM_ACTIVATE, activateParam(true, w->minimized), 0);
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        w->focused = false;
        PostMessage(w, WM_ACTIVATE, activateParam(false, w->minimized), 0);
        break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        PostMessage(w, WM_SIZE, 0, wordsParam(e.data1, e.data2));
        break;
    case SDL_WINDOWEVENT_CLOSE: PostMessage(w, WM_CLOSE, 0, 0); break;
    default: break;
    }
}

void translateKey(const SDL_KeyboardEvent& e) {
    unsigned vk = virtualKeyFromSdl(e.keysym.sym);
    Window* w = detail::windowFromSdl(e.windowID);
    if (vk && w) PostMessage(w, e.type == SDL_KEYDOWN ? WM_KEYDOWN : WM_KEYUP, vk, 0);
}

void translateButton(const SDL_MouseButtonEvent& e) {
    const bool left = e.button == SDL_BUTTON_LEFT;
    if (!left && e.button != SDL_BUTTON_RIGHT) return;
    const bool down = e.type == SDL_MOUSEBUTTONDOWN;
    const WPARAM bit = left ? MK_LBUTTON : MK_RBUTTON;
    heldButtons = down ? heldButtons | bit : heldButtons & ~bit;
    Window* w = detail::windowFromSdl(e.windowID);
    if (!w) return;
    const unsigned msg =
        left ? (down ? WM_LBUTTONDOWN : WM_LBUTTONUP) : (down ? WM_RBUTTONDOWN : WM_RBUTTONUP);
    PostMessage(w, msg, heldButtons, wordsParam(e.x, e.y));
}

void pumpSdlEvents() {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        if (detail::panelTakes(e)) continue;
        if (e.type == SDL_WINDOWEVENT) translateWindowEvent(e.window);
        else if (e.type == SDL_KEYDOWN || e.type == SDL_KEYUP) translateKey(e.key);
        else if (e.type == SDL_MOUSEMOTION) detail::pointerMoved(e.motion);
        else if (e.type == SDL_MOUSEBUTTONDOWN || e.type == SDL_MOUSEBUTTONUP)
            translateButton(e.button);
        else if (e.type == SDL_QUIT) PostQuitMessage(0);  // a termination signal
    }
}

}  // namespace

namespace detail {
void purgeMessages(const Window* w) {
    std::erase_if(queue(), [w](const Message& m) { return m.window == w; });
}
}  // namespace detail

void PostMessage(Window* w, unsigned msg, WPARAM wParam, LPARAM lParam) {
    queue().push_back(Message{w, msg, wParam, lParam});
}

void PostQuitMessage(int exitCode) {
    quitPosted = true;
    quitCode = exitCode;
}

bool PeekMessage(Message* out) {
    if (SDL_WasInit(SDL_INIT_EVENTS)) pumpSdlEvents();
    if (!queue().empty()) {
        *out = queue().front();
        queue().pop_front();
        return true;
    }
    if (!quitPosted) return false;
    quitPosted = false;
    *out = Message{nullptr, WM_QUIT, WPARAM(quitCode), 0};
    return true;
}

void WaitMessage(int timeoutMs) {
    if (!queue().empty() || quitPosted) return;
    if (SDL_WasInit(SDL_INIT_EVENTS)) SDL_WaitEventTimeout(nullptr, timeoutMs);
    else SDL_Delay(Uint32(timeoutMs));
}

void TranslateMessage(const Message&) {}  // keys already arrive as virtual keys

LRESULT DispatchMessage(const Message& m) {
    if (!detail::isLive(m.window)) return 0;
    WndProcFn proc = detail::classProc(m.window->className);
    return proc ? proc(m.window, m.message, m.wParam, m.lParam) : 0;
}

LRESULT DefWindowProc(Window*, unsigned, WPARAM, LPARAM) { return 0; }

}  // namespace plat
