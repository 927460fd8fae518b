// Cursor, message boxes and the high-resolution counter over SDL2.
#include "platform/sdl_internal.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace plat {

int ShowCursor(bool show) {
    static int counter = 0;
    counter += show ? 1 : -1;
    if (detail::ensureVideo()) SDL_ShowCursor(counter >= 0 ? SDL_ENABLE : SDL_DISABLE);
    return counter;
}

bool GetCursorPos(Point* p) {
    if (!p || !detail::ensureVideo()) return false;
    SDL_GetGlobalMouseState(&p->x, &p->y);
    return true;
}

bool SetCursorPos(int x, int y) { return detail::ensureVideo() && SDL_WarpMouseGlobal(x, y) == 0; }

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
