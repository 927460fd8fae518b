// Cursor, message boxes and the high-resolution counter over SDL2.
#include "platform/sdl_internal.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace plat {

int ShowCursor(bool show) {
    static int counter = 0;
    counter += show ? 1 : -1;
    if (detail::ensureVideo()) SDL_ShowCursor(counter >= 0 ? SDL_ENABLE : SDL_DISABLE);
    return counter;
}

// The pointer in screen coordinates as the last motion event or warp left it. Asking the
// display costs a round trip to it, so the pointer is read from here while it is over one of
// the program's windows; elsewhere no motion reaches the program and the display is asked.
namespace {
std::optional<Point> keptPointer;

const Point* pointerWhileOverUs() {
    return keptPointer && SDL_GetMouseFocus() ? &*keptPointer : nullptr;
}
}  // namespace

void detail::pointerMoved(const SDL_MouseMotionEvent& e) {
    SDL_Window* window = SDL_GetWindowFromID(e.windowID);
    if (!window) return;
    Point at;
    SDL_GetWindowPosition(window, &at.x, &at.y);  // kept by SDL from the window's own events
    keptPointer = Point{at.x + e.x, at.y + e.y};
}

bool GetCursorPos(Point* p) {
    if (!p || !detail::ensureVideo()) return false;
    if (const Point* kept = pointerWhileOverUs()) *p = *kept;
    else SDL_GetGlobalMouseState(&p->x, &p->y);
    return true;
}

// A warp's own motion event puts the pointer where the warp already did: it moves nothing.
bool SetCursorPos(int x, int y) {
    if (!detail::ensureVideo()) return false;
    const Point* kept = pointerWhileOverUs();
    if (kept && kept->x == x && kept->y == y) return true;
    if (SDL_WarpMouseGlobal(x, y) != 0) return false;
    keptPointer = Point{x, y};
    return true;
}

namespace {

// The scripted answer from VARNE_MESSAGEBOX, or 0 when boxes are real.
int scriptedAnswer(unsigned style) {
    const char* answer = std::getenv("VARNE_MESSAGEBOX");
    if (!answer || (std::strcmp(answer, "yes") != 0 && std::strcmp(answer, "no") != 0)) return 0;
    if ((style & 0x0F) != MB_YESNO) return IDOK;
    return std::strcmp(answer, "yes") == 0 ? IDYES : IDNO;
}

int showBox(const char* text, const char* caption, unsigned style) {
    const bool yesNo = (style & 0x0F) == MB_YESNO;
    const SDL_MessageBoxButtonData okButton[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, IDOK,
         "OK"}};
    const SDL_MessageBoxButtonData yesNoButtons[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, IDYES, "Yes"},
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, IDNO, "No"}};
    SDL_MessageBoxData box{};
    box.flags = SDL_MESSAGEBOX_WARNING;
    box.title = caption;
    box.message = text;
    box.numbuttons = yesNo ? 2 : 1;
    box.buttons = yesNo ? yesNoButtons : okButton;
    int pressed = 0;
    if (SDL_ShowMessageBox(&box, &pressed) != 0 || pressed < 0) {
        // No way to ask: say it on the terminal and take the cautious answer.
        std::fprintf(stderr, "%s: %s\n", caption, text);
        return yesNo ? IDNO : IDOK;
    }
    return pressed;
}

}  // namespace

int MessageBox(const char* text, const char* caption, unsigned style) {
    text = text ? text : "";
    caption = caption ? caption : "";
    if (int answer = scriptedAnswer(style)) {
        std::fprintf(stderr, "[%s] %s\n", caption, text);
        return answer;
    }
    return showBox(text, caption, style);
}

namespace {
CounterSource scriptedCounter = nullptr;
std::int64_t scriptedFrequency = 0;
}  // namespace

void SetCounterSource(CounterSource source, std::int64_t frequency) {
    scriptedCounter = source;
    scriptedFrequency = frequency;
}

bool QueryPerformanceCounter(std::int64_t* count) {
    if (!count) return false;
    *count = scriptedCounter ? scriptedCounter() : std::int64_t(SDL_GetPerformanceCounter());
    return true;
}

bool QueryPerformanceFrequency(std::int64_t* frequency) {
    if (!frequency) return false;
    *frequency = scriptedCounter ? scriptedFrequency : std::int64_t(SDL_GetPerformanceFrequency());
    return *frequency > 0;
}

}  // namespace plat
