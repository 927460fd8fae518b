// Shared state of the SDL2 implementation of the window system: the window
// records, their realisation as SDL windows and the table of pixel formats.
#pragma once

#include "platform/window.h"

#include <SDL.h>

#include <string>
#include <vector>

namespace plat {

struct DeviceContext {
    Window* window;
};

// A window exists as a record from CreateWindow on; it becomes an SDL window
// (with a GL-capable surface) when its pixel format is set.
struct Window {
    std::string className;
    std::string title;
    WindowStyle style = WindowStyle::Overlapped;
    int x = 0, y = 0, width = 0, height = 0;
    SDL_Window* sdl = nullptr;
    int format = 0;
    bool minimized = false;
    bool focused = false;
    DeviceContext dc{this};
};

struct GLContext {
    SDL_GLContext context;
    Window* window;
};

namespace detail {

// Starts SDL's video and event subsystems once; false when there is no display.
bool ensureVideo();
// Live windows, in creation order; lookups by SDL window id.
std::vector<Window*>& windows();
Window* windowFromSdl(Uint32 windowId);
bool isLive(const Window* w);
WndProcFn classProc(const std::string& className);
// Drops queued messages addressed to a window that is going away.
void purgeMessages(const Window* w);
// Keeps where a motion event puts the pointer, for GetCursorPos.
void pointerMoved(const SDL_MouseMotionEvent& e);
// Hands the event to the control panel while it is shown; true when the panel
// keeps it for itself (platform/panel_sdl.cpp).
bool panelTakes(const SDL_Event& e);

// Pixel formats: what a numbered format asks of the GL surface.
struct SurfaceFormat {
    int red = 8, green = 8, blue = 8, alpha = 0;
    int depth = 24, stencil = 0;
    int sampleBuffers = 0, samples = 0;
    bool doubleBuffer = true;
    bool operator==(const SurfaceFormat&) const = default;
};
const SurfaceFormat* surfaceFormat(int format);
void applyFormat(const SurfaceFormat& wanted);

// The display mode in force for popup windows, if one was requested.
const SDL_DisplayMode* fullscreenMode();
void enterFullscreen(Window* w);

}  // namespace detail
}  // namespace plat
