// Pixel formats, GL contexts and GL entry points over SDL2.
//
// A format is a set of GL surface attributes. Whether the display offers it is
// found by creating a hidden probe window with those attributes; answers are
// cached. Setting a format on a window creates its SDL window with them.
//
// SDL loads the GL library with the first GL window and drops it with the last. The probes
// and the window the multisample search makes and destroys would each load it anew, so one
// load of our own holds it from the first GL window to the end of the program.
#include "platform/sdl_internal.h"

#include <GL/gl.h>

#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <map>
#include <sstream>
#include <string>

namespace plat {
namespace detail {
namespace {

std::vector<SurfaceFormat>& formatTable() {
    static std::vector<SurfaceFormat> table;
    return table;
}

int formatNumber(const SurfaceFormat& wanted) {
    auto& table = formatTable();
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i] == wanted) return int(i) + 1;
    table.push_back(wanted);
    return int(table.size());
}

// Call before making a GL window, with its attributes set (they choose the library).
void holdGLLibrary() {
    static bool held = false;
    if (held || SDL_GL_LoadLibrary(nullptr) != 0) return;
    held = true;
    std::atexit([] { SDL_GL_UnloadLibrary(); });
}

bool displayOffers(const SurfaceFormat& wanted) {
    static std::vector<std::pair<SurfaceFormat, bool>> known;
    for (auto& [s, ok] : known)
        if (s == wanted) return ok;
    applyFormat(wanted);
    holdGLLibrary();
    SDL_Window* probe = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_HIDDEN | SDL_WINDOW_OPENGL);
    if (probe) SDL_DestroyWindow(probe);
    known.emplace_back(wanted, probe != nullptr);
    return probe != nullptr;
}

void setColourBits(SurfaceFormat& wanted, int colourBits) {
    int channel = colourBits <= 16 ? 5 : 8;
    wanted.red = wanted.green = wanted.blue = channel;
}

DeviceContext* currentDC = nullptr;

// Frames wait for the display's refresh, as on any desktop; VARNE_VSYNC=0 lets
// them run as fast as they are drawn (benchmarks).
int swapInterval() {
    const char* vsync = std::getenv("VARNE_VSYNC");
    return vsync && std::strcmp(vsync, "0") == 0 ? 0 : 1;
}

bool hasWord(const char* list, const char* word) {
    if (!list) return false;
    std::istringstream in(list);
    std::string token;
    while (in >> token)
        if (token == word) return true;
    return false;
}

const char* extensionsString(DeviceContext*) {
    static std::string text;
    text = "WGL_ARB_extensions_string WGL_ARB_pixel_format";
    if (currentDC &&
        hasWord(reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS)), "GL_ARB_multisample"))
        text += " WGL_ARB_multisample";
    return text.c_str();
}

SurfaceFormat specFromAttributes(const int* attribs) {
    SurfaceFormat wanted;
    wanted.depth = 0;
    for (const int* a = attribs; a && a[0]; a += 2) {
        switch (a[0]) {
        case WGL_COLOR_BITS_ARB: setColourBits(wanted, a[1]); break;
        case WGL_ALPHA_BITS_ARB: wanted.alpha = a[1]; break;
        case WGL_DEPTH_BITS_ARB: wanted.depth = a[1]; break;
        case WGL_STENCIL_BITS_ARB: wanted.stencil = a[1]; break;
        case WGL_DOUBLE_BUFFER_ARB: wanted.doubleBuffer = a[1] != 0; break;
        case WGL_SAMPLE_BUFFERS_ARB: wanted.sampleBuffers = a[1]; break;
        case WGL_SAMPLES_ARB: wanted.samples = a[1]; break;
        default: break;  // drawing to a window with GL is all this layer makes
        }
    }
    return wanted;
}

bool choosePixelFormatARB(DeviceContext*, const int* attribs, const float*, unsigned maxFormats,
                          int* formats, unsigned* numFormats) {
    if (!numFormats) return false;
    *numFormats = 0;
    SurfaceFormat wanted = specFromAttributes(attribs);
    if (maxFormats > 0 && formats && displayOffers(wanted)) {
        formats[0] = formatNumber(wanted);
        *numFormats = 1;
    }
    return true;
}

// Where a window the system may place opens: centred, unless it is larger than the display,
// where centring would push its title bar off the top; that one opens at the top-left corner.
SDL_Point placement(const Window& w) {
    SDL_Point at{w.x, w.y};
    SDL_Rect screen;
    const bool fits = SDL_GetDisplayUsableBounds(0, &screen) != 0 ||
                      (w.width <= screen.w && w.height <= screen.h);
    if (at.x == kDefaultPos) at.x = fits ? int(SDL_WINDOWPOS_UNDEFINED) : screen.x;
    if (at.y == kDefaultPos) at.y = fits ? int(SDL_WINDOWPOS_UNDEFINED) : screen.y;
    return at;
}

}  // namespace

const SurfaceFormat* surfaceFormat(int format) {
    auto& table = formatTable();
    return format >= 1 && size_t(format) <= table.size() ? &table[size_t(format) - 1] : nullptr;
}

void applyFormat(const SurfaceFormat& wanted) {
    SDL_GL_ResetAttributes();
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, wanted.red);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, wanted.green);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, wanted.blue);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, wanted.alpha);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, wanted.depth);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, wanted.stencil);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, wanted.doubleBuffer ? 1 : 0);
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLEBUFFERS, wanted.sampleBuffers);
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLESAMPLES, wanted.samples);
}

}  // namespace detail

using namespace detail;

DeviceContext* GetDC(Window* w) { return isLive(w) ? &w->dc : nullptr; }

bool ReleaseDC(Window* w, DeviceContext* dc) { return isLive(w) && dc == &w->dc; }

int ChoosePixelFormat(DeviceContext* dc, const PixelFormatDescriptor& pfd) {
    if (!dc || !ensureVideo()) return 0;
    // Keep the colour, give up stencil bits first, then depth bits.
    for (int depth : {int(pfd.cDepthBits), 24, 16}) {
        if (depth > pfd.cDepthBits) continue;
        for (int stencil : {int(pfd.cStencilBits), 8, 0}) {
            if (stencil > pfd.cStencilBits) continue;
            SurfaceFormat wanted;
            setColourBits(wanted, pfd.cColorBits);
            wanted.alpha = pfd.cAlphaBits;
            wanted.depth = depth;
            wanted.stencil = stencil;
            wanted.doubleBuffer = (pfd.dwFlags & PFD_DOUBLEBUFFER) != 0;
            if (displayOffers(wanted)) return formatNumber(wanted);
        }
    }
    return 0;
}

bool SetPixelFormat(DeviceContext* dc, int format) {
    const SurfaceFormat* wanted = surfaceFormat(format);
    if (!dc || !isLive(dc->window) || !wanted || dc->window->format != 0) return false;
    Window* w = dc->window;
    applyFormat(*wanted);
    holdGLLibrary();
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN;
    flags |= w->style == WindowStyle::Popup ? SDL_WINDOW_BORDERLESS : SDL_WINDOW_RESIZABLE;
    const SDL_Point at = placement(*w);
    w->sdl = SDL_CreateWindow(w->title.c_str(), at.x, at.y, w->width, w->height, flags);
    if (!w->sdl) return false;
    w->format = format;
    return true;
}

GLContext* wglCreateContext(DeviceContext* dc) {
    if (!dc || !isLive(dc->window) || !dc->window->sdl) return nullptr;
    SDL_Window* previousWindow = SDL_GL_GetCurrentWindow();
    SDL_GLContext previousContext = SDL_GL_GetCurrentContext();
    SDL_GLContext context = SDL_GL_CreateContext(dc->window->sdl);
    // SDL makes a new context current; creating one alone must not change that.
    SDL_GL_MakeCurrent(previousWindow, previousContext);
    return context ? new GLContext{context, dc->window} : nullptr;
}

bool wglMakeCurrent(DeviceContext* dc, GLContext* rc) {
    if (!dc || !rc) {
        SDL_Window* current = SDL_GL_GetCurrentWindow();
        currentDC = nullptr;
        return current == nullptr || SDL_GL_MakeCurrent(current, nullptr) == 0;
    }
    if (!isLive(dc->window) || !dc->window->sdl || rc->window != dc->window) return false;
    if (SDL_GL_MakeCurrent(dc->window->sdl, rc->context) != 0) return false;
    SDL_GL_SetSwapInterval(swapInterval());
    currentDC = dc;
    return true;
}

bool wglDeleteContext(GLContext* rc) {
    if (!rc) return false;
    if (SDL_GL_GetCurrentContext() == rc->context) wglMakeCurrent(nullptr, nullptr);
    SDL_GL_DeleteContext(rc->context);
    delete rc;
    return true;
}

DeviceContext* wglGetCurrentDC() { return currentDC; }

void SwapBuffers(DeviceContext* dc) {
    if (dc && isLive(dc->window) && dc->window->sdl) SDL_GL_SwapWindow(dc->window->sdl);
}

void* wglGetProcAddress(const char* name) {
    if (!name) return nullptr;
    if (std::strcmp(name, "wglGetExtensionsStringARB") == 0)
        return reinterpret_cast<void*>(&extensionsString);
    if (std::strcmp(name, "wglChoosePixelFormatARB") == 0)
        return reinterpret_cast<void*>(&choosePixelFormatARB);
    return SDL_GL_GetProcAddress(name);
}

}  // namespace plat
