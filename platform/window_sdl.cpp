// Windows, window classes and display modes over SDL2.
#include "platform/sdl_internal.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>

namespace plat {
namespace detail {

// Whether SDL fell back to a driver that shows nothing without being asked for it.
static bool fellBackToNoDisplay() {
    const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);  // SDL_VIDEODRIVER too
    if (asked && *asked) return false;
    const std::string driver = SDL_GetCurrentVideoDriver();
    return driver == "offscreen" || driver == "dummy";
}

// A display the environment names, with the SDL driver that opens it.
struct NamedDisplay {
    const char* variable;
    const char* driver;
};

// The first display named, in the order SDL tries their drivers; null when none is.
static const NamedDisplay* namedDisplay() {
    static const NamedDisplay kNamed[] = {{"DISPLAY", "x11"}, {"WAYLAND_DISPLAY", "wayland"}};
    for (const NamedDisplay& named : kNamed) {
        const char* value = std::getenv(named.variable);
        if (value && *value) return &named;
    }
    return nullptr;
}

// SDL's reason the last start of its video failed.
static std::string& videoError() {
    static std::string reason;
    return reason;
}

static bool failed(const std::string& reason) {
    videoError() = reason;
    return false;
}

// While probing, SDL passes over a driver that cannot start without keeping why; asked for the
// named display's driver alone, it says why.
static std::string whyFellBack(const std::string& fallback) {
    if (const NamedDisplay* named = namedDisplay()) {
        SDL_ClearError();
        if (SDL_VideoInit(named->driver) != 0) return SDL_GetError();
        SDL_VideoQuit();
    }
    return "SDL fell back to its " + fallback + " driver";
}

bool ensureVideo() {
    static bool started = false;
    if (started) return true;
    // Closing a window must reach the program as a close request, not as a quit.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "0");
    SDL_ClearError();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) return failed(SDL_GetError());
    if (fellBackToNoDisplay()) {
        const std::string fallback = SDL_GetCurrentVideoDriver();
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
        return failed(whyFellBack(fallback));
    }
    SDL_DisableScreenSaver();
    started = true;
    return true;
}

std::vector<Window*>& windows() {
    static std::vector<Window*> list;
    return list;
}

Window* windowFromSdl(Uint32 windowId) {
    for (Window* w : windows())
        if (w->sdl && SDL_GetWindowID(w->sdl) == windowId) return w;
    return nullptr;
}

bool isLive(const Window* w) {
    auto& list = windows();
    return w && std::find(list.begin(), list.end(), w) != list.end();
}

static std::map<std::string, WndProcFn>& classes() {
    static std::map<std::string, WndProcFn> table;
    return table;
}

WndProcFn classProc(const std::string& className) {
    auto it = classes().find(className);
    return it == classes().end() ? nullptr : it->second;
}

static std::optional<SDL_DisplayMode>& requestedMode() {
    static std::optional<SDL_DisplayMode> mode;
    return mode;
}

const SDL_DisplayMode* fullscreenMode() { return requestedMode() ? &*requestedMode() : nullptr; }

void enterFullscreen(Window* w) {
    const SDL_DisplayMode* mode = fullscreenMode();
    if (!w->sdl || !mode || w->style != WindowStyle::Popup || w->x != 0 || w->y != 0) return;
    SDL_SetWindowDisplayMode(w->sdl, mode);
    SDL_SetWindowFullscreen(w->sdl, SDL_WINDOW_FULLSCREEN);
}

}  // namespace detail

using namespace detail;

bool HasDisplay() { return ensureVideo(); }

std::string NamedDisplayError() {
    const NamedDisplay* named = namedDisplay();
    if (!named) return {};
    return std::string("cannot open display ") + std::getenv(named->variable) + " (set in " +
           named->variable + "): " + videoError();
}

bool RegisterClass(const char* className, WndProcFn proc) {
    if (!className || !proc) return false;
    return classes().emplace(className, proc).second;
}

Window* CreateWindow(const char* className, const char* title, WindowStyle style, int x, int y,
                     int width, int height) {
    if (!className || !classProc(className) || width <= 0 || height <= 0) return nullptr;
    if (!ensureVideo()) return nullptr;
    auto* w = new Window;
    w->className = className;
    w->title = title ? title : "";
    w->style = style;
    w->x = x;
    w->y = y;
    w->width = width;
    w->height = height;
    windows().push_back(w);
    return w;
}

bool DestroyWindow(Window* w) {
    if (!isLive(w)) return false;
    purgeMessages(w);
    if (w->sdl) SDL_DestroyWindow(w->sdl);
    auto& list = windows();
    list.erase(std::find(list.begin(), list.end(), w));
    delete w;
    return true;
}

void ShowWindow(Window* w) {
    if (!isLive(w) || !w->sdl) return;
    SDL_ShowWindow(w->sdl);
    enterFullscreen(w);
}

void SetForegroundWindow(Window* w) {
    if (isLive(w) && w->sdl) SDL_RaiseWindow(w->sdl);
}

void SetFocus(Window* w) {
    if (isLive(w) && w->sdl) SDL_SetWindowInputFocus(w->sdl);
}

Window* GetFocus() {
    for (Window* w : windows())
        if (w->focused) return w;
    return nullptr;
}

bool GetClientRect(Window* w, Rect* r) {
    if (!isLive(w) || !w->sdl || !r) return false;
    *r = Rect{};
    SDL_GetWindowSize(w->sdl, &r->right, &r->bottom);
    return true;
}

bool ClientToScreen(Window* w, Point* p) {
    if (!isLive(w) || !w->sdl || !p) return false;
    int x = 0, y = 0;
    SDL_GetWindowPosition(w->sdl, &x, &y);
    p->x += x;
    p->y += y;
    return true;
}

static int modeBits(const SDL_DisplayMode& mode) { return int(SDL_BYTESPERPIXEL(mode.format)) * 8; }

static std::optional<SDL_DisplayMode> displayMode(int width, int height, int bits) {
    for (int i = 0, n = SDL_GetNumDisplayModes(0); i < n; ++i) {
        SDL_DisplayMode mode;
        if (SDL_GetDisplayMode(0, i, &mode) != 0) continue;
        if (mode.w == width && mode.h == height && modeBits(mode) == bits) return mode;
    }
    return std::nullopt;
}

// Gives the desktop mode back on every way out, std::exit from deep inside the
// set-up included; a termination signal already ends the main loop in order.
static void restoreDisplayAtExit() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    windows();  // made before the handler is registered, so it is still there when it runs
    std::atexit([] { RestoreDisplaySettings(); });
}

bool ChangeDisplaySettings(int width, int height, int bitsPerPixel) {
    if (!ensureVideo()) return false;
    std::optional<SDL_DisplayMode> mode = displayMode(width, height, bitsPerPixel);
    // Some systems (X11) cannot change the colour depth: the resolution alone is then
    // granted at the desktop's depth.
    SDL_DisplayMode desktop;
    if (!mode && SDL_GetDesktopDisplayMode(0, &desktop) == 0)
        mode = displayMode(width, height, modeBits(desktop));
    if (!mode) return false;
    requestedMode() = mode;
    restoreDisplayAtExit();
    return true;
}

bool RestoreDisplaySettings() {
    if (!requestedMode()) return false;
    requestedMode().reset();
    for (Window* w : windows())
        if (w->sdl && (SDL_GetWindowFlags(w->sdl) & SDL_WINDOW_FULLSCREEN))
            SDL_SetWindowFullscreen(w->sdl, 0);
    return true;
}

}  // namespace plat
